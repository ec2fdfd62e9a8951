package vemo.harl.cdr;

import java.nio.ByteBuffer;
import java.nio.CharBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;

import org.omg.CORBA.CODESET_INCOMPATIBLE;
import org.omg.CORBA.CompletionStatus;
import org.omg.CORBA.DATA_CONVERSION;

// The code sets strings and characters travel in, by their registered
// numbers: ISO-8859-1 (the default for char and string), ASCII and UTF-8
// for char; UTF-16 (the default for wchar) and UCS-2 for wchar.
public final class CodeSets {
    public static final int ISO_8859_1 = 0x00010001;
    public static final int ASCII = 0x00010020;
    public static final int UTF_8 = 0x05010001;
    public static final int UTF_16 = 0x00010109;
    public static final int UCS_2 = 0x00010100;

    private CodeSets() {
    }

    static void checkChar(int codeSet) {
        if (codeSet != ISO_8859_1 && codeSet != ASCII && codeSet != UTF_8)
            throw new CODESET_INCOMPATIBLE("char code set 0x" + Integer.toHexString(codeSet), 0,
                                           CompletionStatus.COMPLETED_NO);
    }

    static void checkWchar(int codeSet) {
        if (codeSet != UTF_16 && codeSet != UCS_2)
            throw new CODESET_INCOMPATIBLE("wchar code set 0x" + Integer.toHexString(codeSet), 0,
                                           CompletionStatus.COMPLETED_NO);
    }

    static String name(int codeSet) {
        switch (codeSet) {
            case ISO_8859_1: return "ISO-8859-1";
            case ASCII: return "ASCII";
            case UTF_8: return "UTF-8";
            case UTF_16: return "UTF-16";
            case UCS_2: return "UCS-2";
            default: return "0x" + Integer.toHexString(codeSet);
        }
    }

    static DATA_CONVERSION notRepresentable(char c, int codeSet) {
        return new DATA_CONVERSION("character U+" + String.format("%04X", (int) c) + " not in " + name(codeSet), 0,
                                   CompletionStatus.COMPLETED_NO);
    }

    // One char in one octet: above 0x7F only ISO-8859-1 has it.
    static byte encodeChar(int codeSet, char c) {
        int limit = codeSet == ISO_8859_1 ? 0xFF : 0x7F;
        if (c > limit) throw notRepresentable(c, codeSet);
        return (byte) c;
    }

    static char decodeChar(int codeSet, byte b) {
        int c = b & 0xFF;
        if (c > 0x7F && codeSet != ISO_8859_1)
            throw new DATA_CONVERSION("octet 0x" + Integer.toHexString(c) + " is no character in " + name(codeSet), 0,
                                      CompletionStatus.COMPLETED_NO);
        return (char) c;
    }

    static byte[] encodeString(int codeSet, String s) {
        if (codeSet != UTF_8) {
            byte[] out = new byte[s.length()];
            for (int i = 0; i < out.length; i++) out[i] = encodeChar(codeSet, s.charAt(i));
            return out;
        }
        try {
            ByteBuffer b = StandardCharsets.UTF_8.newEncoder()
                .onMalformedInput(CodingErrorAction.REPORT)
                .onUnmappableCharacter(CodingErrorAction.REPORT)
                .encode(CharBuffer.wrap(s));
            byte[] out = new byte[b.remaining()];
            b.get(out);
            return out;
        } catch (CharacterCodingException e) {
            throw new DATA_CONVERSION("string not encodable in UTF-8 (unpaired surrogate)", 0,
                                      CompletionStatus.COMPLETED_NO);
        }
    }

    static String decodeString(int codeSet, byte[] buf, int off, int len) {
        switch (codeSet) {
            case ISO_8859_1:
                return new String(buf, off, len, StandardCharsets.ISO_8859_1);
            case ASCII:
                for (int i = 0; i < len; i++) decodeChar(codeSet, buf[off + i]);
                return new String(buf, off, len, StandardCharsets.US_ASCII);
            default:
                try {
                    return StandardCharsets.UTF_8.newDecoder()
                        .onMalformedInput(CodingErrorAction.REPORT)
                        .onUnmappableCharacter(CodingErrorAction.REPORT)
                        .decode(ByteBuffer.wrap(buf, off, len)).toString();
                } catch (CharacterCodingException e) {
                    throw new DATA_CONVERSION("malformed UTF-8 in a string", 0, CompletionStatus.COMPLETED_NO);
                }
        }
    }
}
