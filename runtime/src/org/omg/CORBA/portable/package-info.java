/**
 * The interfaces between generated code and the ORB: the streams Helpers
 * marshal with, the delegate behind every stub, the skeletons' base
 * {@link org.omg.CORBA.portable.Skeleton}, and the descriptors of
 * operations that stubs and skeletons share.
 */
package org.omg.CORBA.portable;
