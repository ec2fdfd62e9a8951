package vemo.harl.cdr;

import org.omg.CORBA.BAD_PARAM;
import org.omg.CORBA.CompletionStatus;

// What a CDR stream being read and one being written share: the byte order,
// the GIOP version, the code sets of chars and wide chars, and the origin
// alignment counts from.  The two streams cannot share a superclass (each
// extends its portable stream class), so each holds one of these and
// answers CdrStream's accessors through it; the streams' hot paths read
// the fields directly.
public final class CdrSettings {
    boolean little;
    int giopMinor;
    int charCodeSet = CodeSets.ISO_8859_1;
    int wcharCodeSet = CodeSets.UTF_16;
    int origin;

    CdrSettings(boolean little, int giopMinor, int origin) {
        checkGiopMinor(giopMinor);
        this.little = little;
        this.giopMinor = giopMinor;
        this.origin = origin;
    }

    static void checkGiopMinor(int minor) {
        if (minor < 0 || minor > 2) throw new BAD_PARAM("GIOP 1." + minor, 0, CompletionStatus.COMPLETED_NO);
    }

    // The octets of padding that align position to a multiple of n (a power
    // of two) from the origin.
    int padding(int position, int n) {
        return (n - ((position - origin) & (n - 1))) & (n - 1);
    }

    // Whether an any's value may be kept as the octets these settings give
    // it: big-endian, GIOP 1.2, the default code sets.
    boolean anyValueDefaults() {
        return !little && giopMinor == 2 && charCodeSet == CodeSets.ISO_8859_1 && wcharCodeSet == CodeSets.UTF_16;
    }

    void copyCodeSets(CdrSettings from) {
        charCodeSet = from.charCodeSet;
        wcharCodeSet = from.wcharCodeSet;
    }
}
