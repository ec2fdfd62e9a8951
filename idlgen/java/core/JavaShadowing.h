// Names a class's own variables would hide.  Java reads the first component
// of a qualified name as a variable, field or parameter of that name when
// one is in scope, before it looks for a package: `value.SHelper.read(in)`
// inside a Holder whose field is `value` does not name the package `value`.
// A class of the file's own package hides a package the same way, in any
// place (`org.omg.CORBA.Any` in a package holding a class `org`).  Such names
// are imported (an import statement reads package names only) and written
// by their simple name.
#ifndef QUORVEX_IDLGEN_JAVASHADOWING_H
#define QUORVEX_IDLGEN_JAVASHADOWING_H

#include <string>
#include <vector>

namespace JavaShadowing {

// Mends the text of one class (`text`, from its package statement on;
// `package` its package, empty for none): every qualified name whose first
// component is also declared as a variable, field or parameter in the text
// (where a class's member is named), or is a class of the package (in any
// place), becomes the simple name of its class, which `imports` gains when the class
// is of another package.  Only the classes the run generates are known
// (JavaName::registerClass).  False, with `problem` naming the name, when
// such a name cannot be reached that way; the text is then unchanged.  A text
// without such a name is left as it is.
bool mend(std::string& text, const std::string& package, std::vector<std::string>& imports, std::string& problem);

}  // namespace JavaShadowing

#endif
