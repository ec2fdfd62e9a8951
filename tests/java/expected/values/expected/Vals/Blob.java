/*
 * File: ./Vals/Blob.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package Vals;
public abstract class Blob implements org.omg.CORBA.portable.CustomValue {
    public int length;
    public String[] _truncatable_ids() {
        return BlobHelper.__ids;
    }
}
