package vemo.harl.orb;

import org.omg.CORBA.portable.ObjectImpl;

// A reference read from a stream or a string, before a Helper narrows it
// to its interface: it knows only the repository identifier of its IOR.
final class ObjectRef extends ObjectImpl {
    ObjectRef(RemoteDelegate d) {
        super(d);
    }

    public String[] _get_ids() {
        String id = ((RemoteDelegate) _get_delegate()).ior().typeId;
        return id.isEmpty() ? new String[0] : new String[] {id};
    }
}
