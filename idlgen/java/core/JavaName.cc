#include "idlgen/java/core/JavaName.h"

#include <ostream>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "idlgen/java/core/JavaLib.h"
#include "lib/msg.h"

// Package chains are immutable once built, so copies share them.
void JavaName::setPackage(const JavaName* p) { pkg = p ? std::make_shared<const JavaName>(*p) : nullptr; }

JavaName::JavaName(const char* item) : itemText(item) {}

JavaName::JavaName(const String& qualified) {
    std::string text = qualified.str();
    std::string dotted;
    dotted.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/') {
            dotted += '.';
        } else if (text[i] == ':' && i + 1 < text.size() && text[i + 1] == ':') {
            dotted += '.';
            ++i;
        } else {
            dotted += text[i];
        }
    }
    // Build the package chain outermost first.
    size_t start = 0;
    std::shared_ptr<const JavaName> chain;
    for (;;) {
        size_t dot = dotted.find('.', start);
        if (dot == std::string::npos) break;
        auto next = std::make_shared<JavaName>(dotted.substr(start, dot - start).c_str());
        next->pkg = chain;
        chain = std::move(next);
        start = dot + 1;
    }
    pkg = chain;
    itemText = String(dotted.substr(start));
}

JavaName::JavaName(const JavaName& package, const char* item) : itemText(item) { setPackage(&package); }

JavaName::JavaName(const JavaName& package, const String& item) : itemText(item) { setPackage(&package); }

JavaName::JavaName(const JavaName& package, const JavaName& item) : itemText(item.itemText) {
    if (item.isPackaged()) {
        msg::inform("item: %s\n", item.toString().chars());
        msg::panic("JavaName::JavaName(JavaName& package, JavaName& item)");
    }
    setPackage(&package);
}

JavaName::JavaName(const JavaName& other) : Printable(), pkg(other.pkg), itemText(other.itemText) {}

JavaName& JavaName::operator=(const JavaName& other) {
    if (this != &other) {
        pkg = other.pkg;
        itemText = other.itemText;
    }
    return *this;
}

JavaName::~JavaName() = default;

const JavaName& JavaName::package() const {
    if (!pkg) msg::panic("Java::package: not packaged");
    return *pkg;
}

const String& JavaName::first() const {
    const JavaName* n = this;
    while (n->pkg) n = n->pkg.get();
    return n->itemText;
}

// The simple names of the classes of each package, by the package's text.
static std::unordered_map<std::string, std::unordered_set<std::string>>& classesByPackage() {
    static std::unordered_map<std::string, std::unordered_set<std::string>> classes;
    return classes;
}

static const std::unordered_set<std::string>* printPackageClasses = nullptr;
static std::string printPackageText;
// The imports of the file being written: qualified names in order, and the
// qualified name taken by each simple name.
static std::vector<std::string> imports;
static std::unordered_map<std::string, std::string> importedBySimpleName;

std::vector<std::string> JavaName::takeImports() {
    std::vector<std::string> taken;
    taken.swap(imports);
    importedBySimpleName.clear();
    return taken;
}

// True when `simple` may name `qualified` in this file through an import.
static bool importAs(const std::string& simple, const std::string& qualified) {
    if (printPackageClasses->count(simple)) return false;
    auto found = importedBySimpleName.emplace(simple, qualified);
    if (found.second) imports.push_back(qualified);
    return found.first->second == qualified;
}

static std::vector<std::pair<std::string, std::string>> unreachable;

std::vector<std::pair<std::string, std::string>> JavaName::takeUnreachable() {
    std::vector<std::pair<std::string, std::string>> taken;
    taken.swap(unreachable);
    return taken;
}

bool JavaName::isRegisteredClass(const std::string& package, const std::string& item) {
    auto it = classesByPackage().find(package);
    return it != classesByPackage().end() && it->second.count(item);
}

static std::unordered_set<std::string>& packageRoots() {
    static std::unordered_set<std::string> roots = {"org", "vemo", "java"};
    return roots;
}

bool JavaName::isPackageRoot(const std::string& name) { return packageRoots().count(name) != 0; }

void JavaName::registerClass(const JavaName& name) {
    if (name.pkg) packageRoots().insert(name.first().str());
    classesByPackage()[name.pkg ? name.pkg->toString().str() : std::string()].insert(name.itemText.str());
}

void JavaName::setPrintPackage(const JavaName* package) {
    printPackageClasses = nullptr;
    if (!package) return;
    printPackageText = package->toString().str();
    auto it = classesByPackage().find(printPackageText);
    if (it != classesByPackage().end()) printPackageClasses = &it->second;
}

void JavaName::printQualified(std::ostream& out) const {
    if (pkg) {
        pkg->printQualified(out);
        out << '.';
    }
    out << itemText;
}

// True when the name is one of the classes the run generates, or a class of
// the runtime (any name in a runtime package).
static bool isGeneratedClass(const JavaName& name, const std::string& packageText) {
    auto it = classesByPackage().find(packageText);
    if (it != classesByPackage().end() && it->second.count(name.item().str())) return true;
    return JavaLib::isRuntimePackage(packageText) && !JavaLib::isRuntimePackage(packageText + "." + name.item().str());
}

void JavaName::print(std::ostream& out) const {
    if (printPackageClasses && pkg && printPackageClasses->count(first().str())) {
        std::string packageText;
        pkg->appendQualified(packageText);
        if (packageText == printPackageText) {
            out << itemText;
            return;
        }
        // The first component would be read as that class of this package.
        // A class is imported; a member of a class (an enumerator, a
        // constant of an interface) is named through its class.
        if (isGeneratedClass(*this, packageText)) {
            if (importAs(itemText.str(), packageText + "." + itemText.str())) {
                out << itemText;
                return;
            }
        } else if (pkg->pkg) {
            std::string outer;
            pkg->pkg->appendQualified(outer);
            if (isGeneratedClass(*pkg, outer)) {
                pkg->print(out);
                out << '.' << itemText;
                return;
            }
        }
        std::string qualified;
        appendQualified(qualified);
        unreachable.emplace_back(qualified, printPackageText + (printPackageText.empty() ? "" : ".") + first().str());
    }
    printQualified(out);
}

void JavaName::appendQualified(std::string& text) const {
    if (pkg) {
        pkg->appendQualified(text);
        text += '.';
    }
    text += itemText.str();
}

String JavaName::toString() const {
    std::string text;
    appendQualified(text);
    return String(text);
}

bool JavaName::operator==(const JavaName& other) const {
    if (itemText != other.itemText) return false;
    if (!pkg || !other.pkg) return !pkg && !other.pkg;
    return *pkg == *other.pkg;
}

JavaName JavaName::itemPrefix(const char* p) const { return itemReplace(String(p) + itemText); }

JavaName JavaName::itemSuffix(const char* s) const { return itemReplace(itemText + s); }

JavaName JavaName::itemReplace(const char* item) const { return itemReplace(String(item)); }

JavaName JavaName::itemReplace(const String& item) const {
    JavaName result(*this);
    result.itemText = item;
    return result;
}

// The words a Java identifier must not be.  The lists are kept in the order
// they are consulted; any hit escapes the name, so one set serves them all.
static const char* const reservedWords[] = {
    // Java keywords and literals.
    "abstract", "boolean", "break", "byte", "case", "catch", "char", "class", "const", "continue",
    "default", "do", "double", "else", "extends", "final", "finally", "float", "for", "goto", "if",
    "implements", "import", "instanceOf", "int", "interface", "long", "native", "new", "null",
    "package", "private", "protected", "public", "return", "short", "static", "super", "switch",
    "synchronized", "this", "throw", "throws", "transient", "try", "void", "volatile", "while",
    // Keywords and literals of current Java missing above, and the names
    // Java forbids for types.
    "instanceof", "assert", "strictfp", "true", "false", "enum", "record", "var", "yield", "sealed",
    "permits",
    // java.lang classes and interfaces.
    "Cloneable", "Runnable", "Boolean", "Character", "Class", "ClassLoader", "Compiler", "Double",
    "Float", "Integer", "Long", "Math", "Number", "Object", "Process", "Runtime", "SecurityManager",
    "String", "StringBuffer", "System", "Thread", "ThreadGroup", "Throwable",
    // java.lang exceptions.
    "ArithmeticException", "ArrayIndexOutOfBoundsException", "ArrayStoreException",
    "ClassCastException", "CloneNotSupportedException", "Exception", "IllegalAccessException",
    "IllegalArgumentException", "IllegalMonitorStateException", "IllegalThreadStateException",
    "IndexOutOfBoundsException", "InstantiationException", "InterruptedException",
    "NegativeArraySizeException", "NoSuchMethodException", "NullPointerException",
    "NumberFormatException", "RuntimeException", "SecurityException",
    "StringIndexOutOfBoundsException",
    // java.lang errors.
    "AbstractMethodError", "ClassCircularityError", "ClassFormatError", "Error",
    "IllegalAccessError", "IncompatibleClassChangeError", "InstantiationError", "InternalError",
    "LinkageError", "NoClassDefFoundError", "NoSuchFieldError", "NoSuchMethodError",
    "OutOfMemoryError", "StackOverflowError", "ThreadDeathError", "UnknownError",
    "UnsatisfiedLinkError", "VerifyError", "VirtualMachineError",
    // Methods of java.lang.Object.
    "clone", "equals", "finalize", "getClass", "hashCode", "notify", "notifyAll", "toString", "wait",
};

static const char* const reservedSuffixes[] = {"Holder", "Helper", "Package"};

bool JavaName::isReservedWord(const String& id) {
    static const std::unordered_set<std::string> words(std::begin(reservedWords), std::end(reservedWords));
    return words.count(id.str()) != 0;
}

bool JavaName::hasReservedSuffix(const String& id) {
    const std::string& s = id.str();
    for (const char* suffix : reservedSuffixes) {
        size_t n = std::char_traits<char>::length(suffix);
        if (s.size() >= n && s.compare(s.size() - n, n, suffix) == 0) return true;
    }
    return false;
}

// The words a package component cannot be: Java's keywords and literals.
// (The other reserved words are names of classes, which a package may have.)
static bool isKeyword(const std::string& id) {
    static const std::unordered_set<std::string> keywords = {
        "_", "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class", "const",
        "continue", "default", "do", "double", "else", "enum", "extends", "false", "final", "finally", "float",
        "for", "goto", "if", "implements", "import", "instanceof", "int", "interface", "long", "native", "new",
        "null", "package", "private", "protected", "public", "return", "short", "static", "strictfp", "super",
        "switch", "synchronized", "this", "throw", "throws", "transient", "true", "try", "void", "volatile",
        "while"};
    return keywords.count(id) != 0;
}

// A character of a Java identifier: ASCII letters, digits, "_" and "$"; a
// byte above ASCII is taken for part of a letter, as the text is UTF-8.
static bool isIdentifierByte(unsigned char c, bool first) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$' || c >= 0x80) return true;
    return !first && c >= '0' && c <= '9';
}

bool JavaName::packageName(const String& text, JavaName& package) {
    const std::string& s = text.str();
    std::string dotted, component;
    dotted.reserve(s.size() + 8);
    for (size_t i = 0; i <= s.size(); ++i) {
        bool end = i == s.size();
        bool separator = !end && (s[i] == '.' || s[i] == '/' || (s[i] == ':' && i + 1 < s.size() && s[i + 1] == ':'));
        if (end || separator) {
            if (component.empty()) return false;
            // A keyword cannot be a component; a type of java.lang would
            // hide the package whose first component it is.
            if (isKeyword(component) || (dotted.empty() && JavaLib::isJavaLangType(String(component))))
                dotted += '_';
            dotted += component;
            component.clear();
            if (separator) {
                dotted += '.';
                if (s[i] == ':') ++i;
            }
            continue;
        }
        if (!isIdentifierByte(static_cast<unsigned char>(s[i]), component.empty())) return false;
        component += s[i];
    }
    package = JavaName(String(dotted.c_str()));
    return true;
}

bool JavaName::checkPackageName(const String& text, const SrcLoc& loc, const char* what) {
    JavaName ignored("");
    if (packageName(text, ignored)) return true;
    static std::unordered_set<std::string> reported;
    std::ostringstream key;
    key << loc.get_file() << ':' << loc.get_line() << ':' << text;
    if (!reported.insert(key.str()).second) return false;
    if (loc.get_line() > 0)
        msg::error(loc, "%s `%s' is not a Java package name", what, text.chars());
    else
        msg::error("%s `%s' is not a Java package name", what, text.chars());
    return false;
}

// Mapping IDL names.

#include "ast/env/envattr.h"
#include "ast/names/scopedname.h"
#include "ast/pragma/orbmodules.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaLib.h"

// Where a declarator's Java name is kept once computed.
static const char* const javaNameProperty = "JavaName";

JavaName::JavaName(const ScopedName& name) : itemText(name.component(0).get_id().as_String()) {
    for (int i = 1; i < name.length(); ++i) {
        pkg = std::make_shared<const JavaName>(*this);
        itemText = name.component(i).get_id().as_String();
    }
}

JavaName::JavaName(const Id& id) : itemText(id.as_String()) {}

JavaName::JavaName(const NamedTypeSpec& ts) : JavaName(ts.get_declarator()) {}

// A non-empty "javaPackage" attribute, else the -p prefix, else `fallback`
// (null for none): the package of a top-level declaration.
static const JavaName* topLevelPackage(const Declarator& d, const JavaName* fallback, JavaName& storage) {
    EnvAttr* attr = d.get_env_attr(JavaLib::getPragmaJavaPackageAttribute(), 1);
    if (attr && !attr->get_value().empty()) {
        // Packages of the files generated were checked before generation;
        // a declaration of an imported file is checked where it is named.
        if (!JavaName::packageName(attr->get_value(), storage)) {
            JavaName::checkPackageName(attr->get_value(), attr->get_loc(),
                                       attr->get_envfile() ? "javaPackage" : "#pragma javaPackage");
            storage = JavaName(attr->get_value());
        }
        return &storage;
    }
    if (JavaLib::hasPackagePrefix()) return JavaLib::getPackagePrefix();
    return fallback;
}

static bool isModuleDeclarator(const Declarator& d) {
    if (!TypeSpecDeclarator::is(d) || !d.has_typespec()) return false;
    const TypeSpec& ts = d.get_typespec();
    if (ModuleTypeSpec::is(ts)) return true;
    if (ScopedNameTypeSpec::is(ts)) {
        const Declarator* target = ts.unwrap();
        return target && target->has_typespec() && ModuleTypeSpec::is(target->get_typespec());
    }
    return false;
}

// True when the declaration brings a type of its own into its container,
// which then holds it in the container's "...Package" package.
static bool definesType(const Decl& decl) {
    if (decl.is_typedef()) return true;
    const TypeSpec& ts = decl.get_typespec();
    return ts.defines_name() && JavaKind::of(ts).ownsClass();
}

JavaName::JavaName(const Declarator& d) {
    if (auto* cached = static_cast<const JavaName*>(d.get_data(javaNameProperty))) {
        *this = *cached;
        return;
    }
    itemText = JavaLib::nameMap(d.get_name().as_String());

    if (EnumEntryDeclarator::is(d)) {
        JavaName enumName(EnumEntryDeclarator::narrow(d).get_enum().get_declarator());
        setPackage(&enumName);
    } else if (d.has_typespec() && d.get_typespec().has_decl() && d.get_typespec().get_decl().has_container()) {
        const Decl& decl = d.get_typespec().get_decl();
        const TypeSpec* container = &decl.get_container();
        if (ScopedNameTypeSpec::is(*container)) {
            const Declarator* target = container->unwrap();
            if (target && target->has_typespec()) container = &target->get_typespec();
        }
        JavaName containerName(container->get_declarator());
        if (JavaKind::of(*container).holdsPackage() && definesType(decl)) containerName = JavaLib::makePackage(containerName);
        setPackage(&containerName);
    } else if (TypeSpecDeclarator::is(d) && ModuleTypeSpec::is(d.get_typespec()) &&
               orb_modules::is_orb_module(ModuleTypeSpec::narrow(d.get_typespec()))) {
        setPackage(&JavaLib::orbModulesPackage());
    } else {
        JavaName storage("");
        JavaName global(JavaLib::globalPackage());
        setPackage(topLevelPackage(d, isModuleDeclarator(d) ? nullptr : &global, storage));
        // A package named like a type of java.lang could not be named: the
        // type would be read instead.
        if (!pkg && JavaLib::isJavaLangType(itemText)) itemText = String("_") + itemText;
        packageRoots().insert(first().str());
    }
    // A class named like a package the generated code names would hide the
    // package.
    if (!isModuleDeclarator(d) && pkg && JavaLib::isNamedPackage(toString().str())) itemText = String("_") + itemText;
    d.set_data(javaNameProperty, new JavaName(*this));
}
