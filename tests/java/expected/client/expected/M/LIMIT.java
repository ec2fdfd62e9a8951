/*
 * File: ./M/LIMIT.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package M;
public final class LIMIT {
public static final short value = (short) (4L);};
