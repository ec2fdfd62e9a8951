/**
 * The ORB that {@code ORB.init(args, props)} returns,
 * {@link vemo.harl.orb.FullORB}: its {@link vemo.harl.orb.Settings} (from
 * {@code -ORB<Name> value} arguments and {@code vemo.harl.*} properties),
 * the client's shared connections, and the object adapter that serves
 * connected servants; and {@link vemo.harl.orb.FactoryORB}, the factory of
 * {@code ORB.init()}, which it extends.
 */
package vemo.harl.orb;
