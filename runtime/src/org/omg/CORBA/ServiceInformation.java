// Written by scripts/orb-classes from ast/pragma/orbmodules.idl.

package org.omg.CORBA;
public final class ServiceInformation {
    //	instance variables
    public int[] service_options;
    public org.omg.CORBA.ServiceDetail[] service_details;
    //	constructors
    public ServiceInformation() { }
    public ServiceInformation(int[] __service_options, org.omg.CORBA.ServiceDetail[] __service_details) {
	service_options = __service_options;
	service_details = __service_details;
    }
}
