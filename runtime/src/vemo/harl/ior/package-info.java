/** Object references: IORs, their {@code IOR:} and {@code corbaloc:} texts, and IORs on streams. */
package vemo.harl.ior;
