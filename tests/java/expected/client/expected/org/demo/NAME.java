/*
 * File: ./org/demo/NAME.java
 * From: input.idl
 * Date: Sat Feb  3 04:05:06 2001
 *   By: quorvex Halvix Wed Mar 5 17:02:26 1997
 */

package org.demo;
public final class NAME {
public static final String value = (String) ("n");};
