#include "idlgen/java/server/JavaServerImpl.h"

#include <vector>

#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/server/JavaImplBase.h"
#include "idlgen/java/types/JavaForwardType.h"
#include "idlgen/java/types/JavaInterfaceType.h"

JavaServerImpl::JavaServerImpl(const ConFile& file) : JavaImpl(file) {
    const DeclList* decls = file.get_definitions().getDeclList();
    if (JavaForwardType::reportUndefined(*decls)) return;
    make(*decls);
}

bool JavaServerImpl::fromContractFile(const Decl& decl) const {
    return JavaDecl::project(decl).getLoc().get_file() == contractFile().get_name();
}

// An explicit stack of module bodies: modules may nest deeply.
void JavaServerImpl::make(const DeclList& decls) {
    std::vector<DLListIter<Decl>> stack{DLListIter<Decl>(decls)};
    while (!stack.empty()) {
        DLListIter<Decl>& top = stack.back();
        if (!top) {
            stack.pop_back();
            continue;
        }
        const Decl& decl = top.entry();
        top.next();
        if (decl.is_error() || !fromContractFile(decl)) continue;
        const TypeSpec& ts = decl.get_typespec();
        switch (ts.get_tag()) {
        case Interface_TypeSpecTag: {
            const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(ts);
            if (!JavaInterfaceType::project(iface).isServerless()) generators.append(JavaImplBase::project(iface));
            break;
        }
        case Module_TypeSpecTag:
            stack.push_back(DLListIter<Decl>(ModuleTypeSpec::narrow(ts).get_decls()));
            break;
        case Base_TypeSpecTag:
        case Builtin_TypeSpecTag:
        case Enum_TypeSpecTag:
        case Exception_TypeSpecTag:
        case Forward_TypeSpecTag:
        case Import_TypeSpecTag:
        case ScopedName_TypeSpecTag:
        case Sequence_TypeSpecTag:
        case Struct_TypeSpecTag:
        case String_TypeSpecTag:
        case Union_TypeSpecTag:
        case Void_TypeSpecTag:
            break;
        }
    }
}

void JavaServerImpl::writeFiles(JavaFiles& files, int verbose) const {
    for (DLListIter<JavaType> it(generators); it; it.next()) it.entry().writeFile(files, contractFile(), verbose);
    writeFile(files, verbose);
}
