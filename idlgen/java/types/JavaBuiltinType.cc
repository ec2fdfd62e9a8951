#include "idlgen/java/types/JavaBuiltinType.h"

#include <ostream>

#include "ast/env/envattr.h"
#include "ast/names/scopedname.h"
#include "ast/pragma/orbmodules.h"
#include "ast/pragma/predefined.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "lib/msg.h"

// The runtime classes of the predefined names, handed to the tree (through
// a static registration, as flags register themselves) before any file is read.
static String predefinedClass(const char* idlName) {
    static const struct {
        const char* idlName;
        const JavaName& (*javaClass)();
    } predefined[] = {{"Object", &JavaLib::corbaObject},
                      {"any", &JavaLib::anyName},
                      {"TypeCode", &JavaLib::typeCodeName},
                      {"Principal", &JavaLib::principalName},
                      {"ValueBase", &JavaLib::serializable}};
    for (const auto& p : predefined)
        if (String(idlName) == p.idlName) return p.javaClass().toString();
    return String();
}

[[maybe_unused]] static const bool predefinedRegistered = (PredefinedTypes::set_class_of(&predefinedClass), true);

JavaBuiltinType::JavaBuiltinType(const BuiltinTypeSpec& ts) : JavaAST(ts) {}

const JavaBuiltinType& JavaBuiltinType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("BuiltinTypeSpec");
    return static_cast<const JavaBuiltinType&>(t);
}

String JavaBuiltinType::getJavaClass() const {
    const BuiltinTypeSpec& builtin = BuiltinTypeSpec::narrow(getTypeSpec());
    if (builtin.is_native() && builtin.has_decl() && builtin.get_decl().get_declarators().first())
        return JavaName(*builtin.get_decl().get_declarators().first()).toString();
    const ImportTypeSpec& import = builtin.get_import();
    EnvAttr* attr = import.get_declarator().get_env_attr(JavaLib::javaClassAttribute(), 0);
    if (attr) return attr->get_value();
    return import.get_name().as_String();
}

JavaName JavaBuiltinType::getJavaName() const { return JavaName(getJavaClass()); }

void JavaBuiltinType::print(std::ostream& out) const { out << getJavaName(); }

bool JavaBuiltinType::isValueBase() const { return getJavaName() == JavaLib::serializable(); }

void JavaBuiltinType::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                   const String& indent) const {
    JavaTemplate(isValueBase() ? "${indent}${ValueBaseHelper}.write(${stream}, ${variable});\n"
                               : "${indent}${stream}.write_${Item}(${variable});\n")
        .set("ValueBaseHelper", JavaLib::valueBaseHelper())
        .set("indent", indent)
        .set("stream", stream)
        .set("Item", getJavaName().item())
        .set("variable", variable.toString())
        .print(out);
}

void JavaBuiltinType::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                     const String& indent) const {
    JavaTemplate(isValueBase() ? "${indent}${variable} = ${ValueBaseHelper}.read(${stream});\n"
                               : "${indent}${variable} = ${stream}.read_${Item}();\n")
        .set("ValueBaseHelper", JavaLib::valueBaseHelper())
        .set("indent", indent)
        .set("stream", stream)
        .set("Item", getJavaName().item())
        .set("variable", variable.toString())
        .print(out);
}

// JavaKind

JavaHolder* JavaBuiltinType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaBuiltinType::makeHelper() const { return new JavaBaseTypeOps(*this); }

// The builtin types by Java class, with their kinds.
static const struct {
    const char* javaClass;
    const char* kind;
    int kindNumber;
} builtinKinds[] = {
    {"org.omg.CORBA.Any", "tk_any", 11},
    {"org.omg.CORBA.TypeCode", "tk_TypeCode", 12},
    {"org.omg.CORBA.Principal", "tk_Principal", 13},
    {"org.omg.CORBA.Object", "tk_objref", 14},
};

String JavaBuiltinType::typeCode() const {
    if (isValueBase()) return JavaLib::valueBaseHelper().toString() + "." + JavaLib::getTypeCodeName() + "()";
    String javaClass = getJavaClass();
    for (const auto& b : builtinKinds)
        if (javaClass == b.javaClass) return JavaLib::primitiveTypeCode(b.kind);
    msg::warn("Typecode for this type unknown");
    return "bogus";
}

int JavaBuiltinType::tcKind() const {
    if (isValueBase()) return 29;
    String javaClass = getJavaClass();
    for (const auto& b : builtinKinds)
        if (javaClass == b.javaClass) return b.kindNumber;
    return 0;
}

// The native type a declaration's type names (through typedefs and
// sequences), or null.
static const BuiltinTypeSpec* nativeOf(const TypeSpec& type) {
    const TypeSpec* ts = &type;
    while (SequenceTypeSpec::is(*ts)) ts = &SequenceTypeSpec::narrow(*ts).get_element_type();
    if (!ScopedNameTypeSpec::is(*ts)) return nullptr;
    const ScopedName& name = ScopedNameTypeSpec::narrow(*ts).get_scoped_name();
    if (!name.is_resolved()) return nullptr;
    const Declarator* d = name.get_unwrapped_declarator();
    if (!d || !d->has_typespec() || !BuiltinTypeSpec::is(d->get_typespec())) return nullptr;
    const BuiltinTypeSpec& builtin = BuiltinTypeSpec::narrow(d->get_typespec());
    return builtin.is_native() ? &builtin : nullptr;
}

// Whether the native type is declared in an ORB module, whose classes the
// runtime supplies.
static bool inOrbModule(const BuiltinTypeSpec& native) {
    const TypeSpec* ts = &native;
    while (ts->has_decl() && ts->get_decl().has_container()) ts = &ts->get_decl().get_container();
    return ModuleTypeSpec::is(*ts) && orb_modules::is_orb_module(ModuleTypeSpec::narrow(*ts));
}

bool JavaBuiltinType::reportNatives(const DeclList& decls, const String& contractFile) {
    struct Uses : DeclWalker {
        explicit Uses(const String& file) : file(file) {}
        const String& file;

        void check(const TypeSpec& type, const SrcLoc& loc, bool localOperation) {
            const BuiltinTypeSpec* native = nativeOf(type);
            if (!native) return;
            const Declarator& d = native->get_decl().get_declarators().first() ? *native->get_decl().get_declarators().first()
                                                                              : native->get_import().get_declarator();
            if (!inOrbModule(*native)) {
                msg::error(loc, "native type `%s' has no Java type", d.get_name().as_charP());
                msg::inform(d.get_loc(), "... here is the native declaration");
            } else if (!localOperation) {
                msg::error(loc, "native type `%s' can only be an in parameter or result of a local interface's operation",
                           d.get_name().as_charP());
            }
        }
        bool enter(const Decl& decl, const TypeSpec* container) override {
            if (decl.is_error() || orb_modules::unwritten(decl)) return false;
            if (JavaDecl::project(decl).getLoc().get_file() != file) return false;
            bool local = container && InterfaceTypeSpec::is(*container) &&
                         InterfaceTypeSpec::narrow(*container).is_local();
            bool operation = false;
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
                if (!OpDeclarator::is(d.entry())) continue;
                operation = true;
                // Out and inout parameters would need a Holder of the native.
                for (DLListIter<Decl> p(OpDeclarator::narrow(d.entry()).get_params()); p; p.next())
                    check(p.entry().get_typespec(), p.entry().get_typespec().get_loc(),
                          local && p.entry().get_flags() == Decl::PARAM_IN);
            }
            if (!BuiltinTypeSpec::is(decl.get_typespec()))
                check(decl.get_typespec(), decl.get_typespec().get_loc(), local && operation);
            return true;
        }
    };
    int errors = msg::get_error_count();
    Uses(contractFile).walk(decls);
    return msg::get_error_count() > errors;
}
