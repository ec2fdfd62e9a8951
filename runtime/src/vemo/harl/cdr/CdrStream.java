package vemo.harl.cdr;

// The settings every CDR stream answers alike, read or written: byte order,
// GIOP version, code sets (by their registered numbers, CodeSets) and the
// alignment origin.
public interface CdrStream {
    CdrSettings settings();

    default boolean isLittleEndian() {
        return settings().little;
    }

    default int giopMinor() {
        return settings().giopMinor;
    }

    default void setGIOPMinor(int minor) {
        CdrSettings.checkGiopMinor(minor);
        settings().giopMinor = minor;
    }

    default void setCharCodeSet(int codeSet) {
        CodeSets.checkChar(codeSet);
        settings().charCodeSet = codeSet;
    }

    default void setWcharCodeSet(int codeSet) {
        CodeSets.checkWchar(codeSet);
        settings().wcharCodeSet = codeSet;
    }

    default int charCodeSet() {
        return settings().charCodeSet;
    }

    default int wcharCodeSet() {
        return settings().wcharCodeSet;
    }

    // Alignment counts from this position (a GIOP message's start, or an
    // encapsulation's).
    default void setAlignmentOrigin(int position) {
        settings().origin = position;
    }

    default int alignmentOrigin() {
        return settings().origin;
    }
}
