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
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaConstant.h"
#include "idlgen/java/interfaces/JavaInterface.h"
#include "idlgen/java/interfaces/JavaObjRef.h"
#include "idlgen/java/interfaces/JavaValueClass.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaForwardType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/types/JavaTypedefHolder.h"

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

// The kind adds its generators; an interface's reference interface and
// stub, and a value type's class and factories, which the interfaces layer
// writes, go first.
void JavaClientImpl::makeDecl(const Decl& decl) {
    const TypeSpec& ts = decl.get_typespec();
    if (InterfaceTypeSpec::is(ts)) {
        const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(ts);
        JavaInterfaceType& type = JavaInterfaceType::project(iface);
        if (!type.isServerless() && !type.isLocal()) {
            JavaName::registerClass(JavaLib::stub(type.getJavaName()));
            if (!iface.is_abstract()) JavaName::registerClass(JavaLib::servant(type.getJavaName()));
            add(JavaInterface::project(iface));
        }
        add(JavaObjRef::project(iface));
    } else if (ValueTypeSpec::is(ts)) {
        add(JavaValueClass::project(ValueTypeSpec::narrow(ts)));
    }
    JavaKind::of(ts).addClientGenerators(generators);
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
            JavaKind::registerClasses(jd.getJavaName());
            if (JavaKind::of(aliased).typedefWritesHolder()) add(*new JavaTypedefHolder(aliased, jd));
            add(*new JavaTypedefTypeOps(aliased, jd));
        } else if (ArrayDeclarator::is(d)) {
            JavaArrayType& array = JavaArrayType::project(ArrayDeclarator::narrow(d));
            JavaKind::registerClasses(jd.getJavaName());
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
