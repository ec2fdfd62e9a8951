/** Object references: IORs, their {@code IOR:} and {@code corbaloc:} texts, and references on streams. */
package vemo.harl.ior;
