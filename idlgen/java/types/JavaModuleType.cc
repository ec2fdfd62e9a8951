#include "idlgen/java/types/JavaModuleType.h"

#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaConstant.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"

JavaModuleType::JavaModuleType(const ModuleTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaModuleType& JavaModuleType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ModuleTypeSpec");
    return static_cast<const JavaModuleType&>(t);
}

const ModuleTypeSpec& JavaModuleType::getModuleTypeSpec() const { return ModuleTypeSpec::narrow(getTypeSpec()); }

JavaDeclList& JavaModuleType::getExports() const { return *new JavaDeclList(getModuleTypeSpec().get_decls()); }

void JavaModuleType::writeFile(JavaFiles& files, const ConFile& source, int verbose) const {
    for (DLListIter<Decl> it(getModuleTypeSpec().get_decls()); it; it.next()) {
        const Decl& decl = it.entry();
        // Constants brought in by #include belong to their own file.
        if (decl.is_error() || JavaDecl::project(decl).getLoc().get_file() != source.get_name()) continue;
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            switch (d.entry().get_tag()) {
            case Init_DeclaratorTag:
                JavaConstant::writeFile(files, source, verbose, InitDeclarator::narrow(d.entry()),
                                        "JavaModuleType/InitDeclarator");
                break;
            case Array_DeclaratorTag:
            case Simple_DeclaratorTag:
                break;
            case Op_DeclaratorTag:
            case EnumEntry_DeclaratorTag:
            case TypeSpec_DeclaratorTag:
            case Bad_DeclaratorTag:
                msg::panic("JavaModuleType::writeFile: unexpected declarator");
            }
        }
    }
}

// JavaKind

String JavaModuleType::typeCode() const { return JavaLib::helperTypeCode(getJavaName()); }

bool JavaModuleType::unionNeedsHolder() const { msg::panic("%s cannot be a union branch", describe()); }

JavaHolder* JavaModuleType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaModuleType::makeHelper() const { return new JavaBaseTypeOps(*this); }

// The module's constants take their class names; the module writes them.
void JavaModuleType::addClientGenerators(JavaTypeList& out) const {
    for (DLListIter<Decl> it(getModuleTypeSpec().get_decls()); it; it.next())
        for (DLListIter<Declarator> d(it.entry().get_declarators()); d; d.next())
            if (InitDeclarator::is(d.entry())) JavaName::registerClass(JavaName(d.entry()));
    out.append(*this);
}
