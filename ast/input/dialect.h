// Which IDL the front end reads.  By default it reads the IDL of its own
// grammar; the flag `corba3` (-fcorba3) widens that to the constructs of
// later CORBA versions (documentation comments anywhere, escaped
// identifiers, reopened modules, forward structs and unions, adjacent string
// literals, floating-point constant arithmetic, ...), and names the
// constructs that stay unsupported instead of reporting a bare syntax error.
#ifndef QUORVEX_AST_DIALECT_H
#define QUORVEX_AST_DIALECT_H

namespace dialect {

// Whether -fcorba3 is on.
bool corba3();

}  // namespace dialect

#endif
