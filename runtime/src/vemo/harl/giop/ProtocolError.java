package vemo.harl.giop;

// A peer broke the GIOP protocol in a way that ends the connection: a bad
// header, an unknown message type, a message larger than allowed.  The
// receiver answers with MessageError and closes.
public final class ProtocolError extends Exception {
    public ProtocolError(String why) {
        super(why);
    }
}
