// Java qualified names: a chain of packages and a last component.  Every
// generated class, field and method is named by a JavaName; IDL declarators
// are mapped to them here (package placement and escaping of reserved
// words).
#ifndef QUORVEX_IDLGEN_JAVANAME_H
#define QUORVEX_IDLGEN_JAVANAME_H

#include <iosfwd>
#include <memory>

#include <string>
#include <utility>
#include <vector>

#include "ast/tree/printable.h"
#include "lib/String.h"
#include "lib/dllist.h"

class Declarator;
class SrcLoc;
class Id;
class NamedTypeSpec;
class ScopedName;
class ScopedNameComponent;

class JavaName : public Printable {
public:
    // An unpackaged name with that item (the text is not split).
    explicit JavaName(const char* item);
    // A qualified text: "/" and "::" count as ".", the last component is
    // the item, the others the package chain, outermost first.
    explicit JavaName(const String& qualified);
    JavaName(const JavaName& package, const char* item);
    JavaName(const JavaName& package, const String& item);
    // `item` must be unpackaged.
    JavaName(const JavaName& package, const JavaName& item);
    JavaName(const JavaName& other);
    JavaName& operator=(const JavaName& other);
    ~JavaName() override;

    // One component per scoped-name component, unescaped.
    explicit JavaName(const ScopedName& name);
    explicit JavaName(const Id& id);
    // The mapping of an IDL declarator (cached on the declarator).
    explicit JavaName(const Declarator& d);
    explicit JavaName(const NamedTypeSpec& ts);

    bool isPackaged() const { return pkg != nullptr; }
    const JavaName& package() const;
    const String& item() const { return itemText; }

    // The dotted text.
    void print(std::ostream& out) const override;
    String toString() const;

    bool operator==(const JavaName& other) const;
    bool operator!=(const JavaName& other) const { return !(*this == other); }

    // New names in the same package with a changed last component.
    JavaName itemPrefix(const char* p) const;
    JavaName itemSuffix(const char* s) const;
    JavaName itemReplace(const char* item) const;
    JavaName itemReplace(const String& item) const;

    // The outermost component of the name.
    const String& first() const;

    // True when the identifier is a Java keyword or literal, a java.lang
    // class, exception or error, a method of java.lang.Object, or a name Java
    // forbids for types.
    static bool isReservedWord(const String& id);
    // True when the identifier ends with "Holder", "Helper" or "Package".
    static bool hasReservedSuffix(const String& id);

    // The Java package `text` names: components separated by ".", "/" or
    // "::", each a Java identifier; a keyword or literal is escaped with a
    // leading "_" as an IDL name would be.  False when `text` is not such a
    // name (empty, an empty component, a character Java does not allow).
    static bool packageName(const String& text, JavaName& package);
    // The same check with a message: reports "[what] `text' is not a Java
    // package name" at `loc` (without one when unset), once for each text
    // and place, and returns false.
    static bool checkPackageName(const String& text, const SrcLoc& loc, const char* what);

    // Classes the run generates, by package.  While a file of package P is
    // written (setPrintPackage), a name of a class of P whose first
    // component is the simple name of a class of P would be read by javac
    // as a member of that class; such names print as their simple name.
    // A name of a class of another package whose first component is hidden
    // that way is imported (an import is read with package names only) and
    // prints as its simple name, unless that simple name is already taken.
    static void registerClass(const JavaName& name);
    // True when the run generates the class `item` of the package whose
    // dotted text is `package` (empty for none).
    static bool isRegisteredClass(const std::string& package, const std::string& item);
    // True when `name` is the first component of a package of a class the
    // run generates, or of the runtime's.
    static bool isPackageRoot(const std::string& name);
    // The names printed since the last call that no Java name reaches: a
    // class of the package being written hides their first component, and
    // their simple name is taken.  Each entry is the name and the hiding
    // class, dotted.  The list is emptied.
    static std::vector<std::pair<std::string, std::string>> takeUnreachable();
    static void setPrintPackage(const JavaName* package);
    // The qualified names the file being written imports, in order of
    // first use; the list is emptied.
    static std::vector<std::string> takeImports();

private:
    void setPackage(const JavaName* p);
    void printQualified(std::ostream& out) const;
    void appendQualified(std::string& text) const;

    std::shared_ptr<const JavaName> pkg;
    String itemText;
};

class JavaNameList : public DLList<JavaName> {};

#endif
