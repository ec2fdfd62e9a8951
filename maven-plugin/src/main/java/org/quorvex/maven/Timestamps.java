package org.quorvex.maven;

import java.time.DateTimeException;
import java.time.OffsetDateTime;
import java.time.format.DateTimeFormatter;

/** Maven's reproducible-build timestamp as seconds since 1970. */
final class Timestamps {
    private Timestamps() { }

    /** The seconds of an ISO-8601 date-time with offset or of a whole number of seconds; null for anything else. */
    static Long epochSeconds(String text) {
        if (text.matches("[0-9]{1,18}")) return Long.parseLong(text);
        try {
            long seconds = OffsetDateTime.parse(text, DateTimeFormatter.ISO_OFFSET_DATE_TIME).toEpochSecond();
            return seconds < 0 ? null : seconds;
        } catch (DateTimeException e) {
            return null;
        }
    }
}
