// The ORB modules (-fcorba3): the modules CORBA and PortableServer, whose
// declarations the runtime supplies as classes of org.omg.CORBA and
// org.omg.PortableServer.  Every file may name them; their own text
// (orbmodules.idl, compiled in) is read when a file first needs it.  A file's
// own top-level module of one of these names (from an included orb.idl, say)
// is checked as any module, finds there what it does not declare itself,
// and is never written.
#ifndef QUORVEX_AST_ORBMODULES_H
#define QUORVEX_AST_ORBMODULES_H

class Decl;
class Declarator;
class Id;
class ModuleTypeSpec;
class Reader;

namespace orb_modules {

// The reader whose tables the ORB modules' parse uses; set by the Reader.
void set_reader(Reader& reader);

// The declarator of the ORB's own top-level module named id, reading the
// ORB modules on first use; null without -fcorba3, for any other name, or
// while the ORB modules are being read.
Declarator* lookup(const Id& id);

// Whether the module is an ORB module: at the top level of its file, named
// CORBA or PortableServer, under -fcorba3.
bool is_orb_module(const ModuleTypeSpec& module);

// Whether the declaration is of an ORB module that the generators leave
// alone (all of it: nothing in it is written).
bool unwritten(const Decl& decl);

// Whether ORB modules are written like other modules (the hidden flag
// -fdebug-write-orb-modules, with which the runtime's classes are made).
bool written();

}  // namespace orb_modules

#endif
