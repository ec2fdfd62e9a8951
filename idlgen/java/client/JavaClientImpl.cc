#include "idlgen/java/client/JavaClientImpl.h"

#include "ast/expr/expr.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/pragma/orbmodules.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaConstant.h"
#include "idlgen/java/types/JavaEnumType.h"
#include "idlgen/java/interfaces/JavaInterface.h"
#include "idlgen/java/interfaces/JavaObjRef.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaForwardType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaModuleType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/types/JavaTypedefHolder.h"

// The class names a type brings into its package.
static void registerType(const JavaName& name) {
    JavaName::registerClass(name);
    JavaName::registerClass(JavaLib::helper(name));
    JavaName::registerClass(JavaLib::holder(name));
}

JavaClientImpl::JavaClientImpl(const ConFile& file) : JavaImpl(file) {
    const DeclList* decls = file.get_definitions().getDeclList();
    if (JavaForwardType::reportUndefined(*decls)) return;
    if (JavaBuiltinType::reportNatives(*decls, file.get_name())) return;
    for (DLListIter<Decl> it(*decls); it; it.next())
        for (DLListIter<Declarator> d(it.entry().get_declarators()); d; d.next())
            if (InitDeclarator::is(d.entry()) && fromContractFile(it.entry()))
                JavaName::registerClass(JavaName(d.entry()));
    make(*decls);
}

bool JavaClientImpl::fromContractFile(const Decl& decl) const {
    return JavaDecl::project(decl).getLoc().get_file() == contractFile().get_name();
}

// The walk visits each declaration of the file, then those nested in it;
// a typedef is finished after the types nested in it.
void JavaClientImpl::make(const DeclList& decls) {
    struct Collect : DeclWalker {
        explicit Collect(JavaClientImpl& impl) : impl(impl) {}
        JavaClientImpl& impl;

        bool enter(const Decl& decl, const TypeSpec*) override {
            // The ORB modules' classes are the runtime's.
            if (decl.is_error() || !impl.fromContractFile(decl) || orb_modules::unwritten(decl)) return false;
            impl.makeDecl(decl);
            return true;
        }
        void leave(const Decl& decl) override {
            if (decl.is_typedef()) impl.makeTypedef(decl);
        }
    } collect(*this);
    collect.walk(decls);
}

void JavaClientImpl::makeDecl(const Decl& decl) {
    const TypeSpec& ts = decl.get_typespec();
    switch (ts.get_tag()) {
    case Enum_TypeSpecTag:
    case Exception_TypeSpecTag: {
        JavaAST& type = JavaAST::project(ts);
        registerType(type.getJavaName());
        add(type);
        add(JavaBaseTypeOps::project(ts));
        add(JavaHolder::project(type));
        return;
    }
    case Struct_TypeSpecTag:
    case ValueBox_TypeSpecTag: {
        // The class (for a boxed value type, only when it boxes a primitive
        // type), Holder and Helper.
        JavaAST& type = JavaAST::project(ts);
        registerType(type.getJavaName());
        add(type);
        add(JavaHolder::project(type));
        add(JavaBaseTypeOps::project(ts));
        return;
    }
    case Module_TypeSpecTag: {
        JavaModuleType& module = JavaModuleType::project(ModuleTypeSpec::narrow(ts));
        for (DLListIter<Decl> it(ModuleTypeSpec::narrow(ts).get_decls()); it; it.next())
            for (DLListIter<Declarator> d(it.entry().get_declarators()); d; d.next())
                if (InitDeclarator::is(d.entry())) JavaName::registerClass(JavaName(d.entry()));
        add(module);
        return;
    }
    case Interface_TypeSpecTag: {
        const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(ts);
        JavaInterfaceType& type = JavaInterfaceType::project(iface);
        JavaName name = type.getJavaName();
        registerType(name);
        if (!type.isServerless() && !type.isLocal()) {
            JavaName::registerClass(JavaLib::stub(name));
            JavaName::registerClass(JavaLib::servant(name));
            add(JavaInterface::project(iface));
        }
        add(JavaObjRef::project(iface));
        add(JavaHolder::project(type));
        add(JavaBaseTypeOps::project(ts));
        return;
    }
    case Union_TypeSpecTag: {
        JavaAST& type = JavaAST::project(ts);
        const UnionTypeSpec& union_ = UnionTypeSpec::narrow(ts);
        registerType(type.getJavaName());
        add(type);
        add(JavaHolder::project(type));
        add(JavaBaseTypeOps::project(ts));
        // An enum declared in the switch is written with the union.
        const TypeSpec& discriminator = union_.get_switch_type();
        if (discriminator.defines_name()) {
            JavaAST& e = JavaAST::project(discriminator);
            registerType(e.getJavaName());
            add(e);
            add(JavaHolder::project(e));
            add(JavaBaseTypeOps::project(discriminator));
        }
        return;
    }
    case Base_TypeSpecTag:
    case Builtin_TypeSpecTag:
    case Forward_TypeSpecTag:
    case Import_TypeSpecTag:
    case ScopedName_TypeSpecTag:
    case Sequence_TypeSpecTag:
    case String_TypeSpecTag:
    case Void_TypeSpecTag:
        return;
    }
    msg::panic("JavaClientImpl::make/typespec");
}

void JavaClientImpl::makeTypedef(const Decl& decl) {
    const TypeSpec& ts = decl.get_typespec();
    // A native type has no class of its own to help.
    if (BuiltinTypeSpec::is(ts) && BuiltinTypeSpec::narrow(ts).is_native()) return;
    for (DLListIter<Declarator> it(decl.get_declarators()); it; it.next()) {
        const Declarator& d = it.entry();
        JavaDeclarator& jd = JavaDeclarator::project(d);
        if (SimpleDeclarator::is(d)) {
            JavaAST& aliased = JavaAST::project(ts);
            registerType(jd.getJavaName());
            if (JavaSequenceType::isA(aliased)) add(*new JavaTypedefHolder(aliased, jd));
            add(*new JavaTypedefTypeOps(aliased, jd));
        } else if (ArrayDeclarator::is(d)) {
            JavaArrayType& array = JavaArrayType::project(ArrayDeclarator::narrow(d));
            registerType(jd.getJavaName());
            add(*new JavaTypedefHolder(array, jd));
            add(*new JavaTypedefTypeOps(array, jd));
        }
    }
}

void JavaClientImpl::writeFiles(JavaFiles& files, int verbose) const {
    for (DLListIter<JavaType> it(generators); it; it.next()) it.entry().writeFile(files, contractFile(), verbose);
    writeFile(files, verbose);
}

// The classes of the constants declared at file level.
void JavaClientImpl::writeFile(JavaFiles& files, int verbose) const {
    const DeclList* decls = contractFile().get_definitions().getDeclList();
    for (DLListIter<Decl> it(*decls); it; it.next()) {
        const Decl& decl = it.entry();
        if (decl.is_error() || ModuleTypeSpec::is(decl.get_typespec()) || !fromContractFile(decl)) continue;
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            switch (d.entry().get_tag()) {
            case Init_DeclaratorTag:
                JavaConstant::writeFile(files, contractFile(), verbose, InitDeclarator::narrow(d.entry()),
                                        "JavaClientImpl");
                continue;
            case Array_DeclaratorTag:
                if (!decl.is_typedef()) msg::unimpl(d.entry().get_loc(), "JavaClientImpl::make/array");
                continue;
            case Simple_DeclaratorTag:
            case EnumEntry_DeclaratorTag:
            case TypeSpec_DeclaratorTag:
            case Bad_DeclaratorTag:
                continue;
            case Op_DeclaratorTag:
                msg::panic("JavaClientImpl::make/declarator");
            }
            msg::panic("JavaClientImpl::writeFile: declarator tag %d", static_cast<int>(d.entry().get_tag()));
        }
    }
}
