// The limits of the Java class file that generated code could exceed: 255
// parameter slots per method (the object itself included; long and double
// take two) and 64 KiB of code per method.  A declaration that would need
// more is refused with an error naming the limit, rather than written as
// Java that javac rejects.
#ifndef QUORVEX_IDLGEN_JAVALIMITS_H
#define QUORVEX_IDLGEN_JAVALIMITS_H

class ConFile;
class DeclList;

namespace JavaLimits {

// The parameter slots a Java method has besides its object.
constexpr int maxParameterSlots = 254;
// The most enumerators an enum class's initializer holds: each costs 13
// bytes of code from the 128th on.
constexpr int maxEnumerators = 5051;
// The most labels a union's Helper can read and write in one method, with
// the cheapest branches (found with javac: heavier branches reach the code
// limit sooner, which javac then reports).
constexpr int maxUnionLabels = 1574;
// The most operations and attribute accessors (own and inherited) one stub
// describes in its initializer, for operations without parameters (found
// with javac, as the union's).
constexpr int maxOperations = 1602;

// Reports every declaration of `file` (those of its own, not of the files
// it includes) beyond a limit; true when there was none.
bool check(const ConFile& file, const DeclList& decls);

}  // namespace JavaLimits

#endif
