// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ServiceDetail {
    //	instance variables
    public int service_detail_type;
    public byte[] service_detail;
    //	constructors
    public ServiceDetail() { }
    public ServiceDetail(int __service_detail_type, byte[] __service_detail) {
	service_detail_type = __service_detail_type;
	service_detail = __service_detail;
    }
}
