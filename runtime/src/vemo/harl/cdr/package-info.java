/** The CDR streams: alignment, byte order, encapsulations, code sets, type codes and anys on the wire. */
package vemo.harl.cdr;
