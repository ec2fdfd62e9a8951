#include "idlgen/java/server/JavaServerImpl.h"

#include "ast/input/confile.h"
#include "ast/pragma/orbmodules.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/server/JavaImplBase.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaForwardType.h"
#include "idlgen/java/types/JavaInterfaceType.h"

JavaServerImpl::JavaServerImpl(const ConFile& file) : JavaImpl(file) {
    const DeclList* decls = file.get_definitions().getDeclList();
    if (JavaForwardType::reportUndefined(*decls)) return;
    if (JavaBuiltinType::reportNatives(*decls, file.get_name())) return;
    make(*decls);
}

bool JavaServerImpl::fromContractFile(const Decl& decl) const {
    return JavaDecl::project(decl).getLoc().get_file() == contractFile().get_name();
}

// The skeletons of the file's interfaces, in modules too.
void JavaServerImpl::make(const DeclList& decls) {
    struct Collect : DeclWalker {
        explicit Collect(JavaServerImpl& impl) : impl(impl) {}
        JavaServerImpl& impl;

        bool enter(const Decl& decl, const TypeSpec*) override {
            // The ORB modules' classes are the runtime's.
            if (decl.is_error() || !impl.fromContractFile(decl) || orb_modules::unwritten(decl)) return false;
            const TypeSpec& ts = decl.get_typespec();
            if (InterfaceTypeSpec::is(ts)) {
                const InterfaceTypeSpec& iface = InterfaceTypeSpec::narrow(ts);
                // An abstract interface has no servant of its own: its
                // operations are served by the interfaces that inherit it.
                if (!JavaInterfaceType::project(iface).isServerless() && !iface.is_local() && !iface.is_abstract())
                    impl.generators.append(JavaImplBase::project(iface));
            }
            // Only modules hold further interfaces.
            return ModuleTypeSpec::is(ts);
        }
    } collect(*this);
    collect.walk(decls);
}

void JavaServerImpl::writeFiles(JavaFiles& files, int verbose) const {
    for (DLListIter<JavaType> it(generators); it; it.next()) it.entry().writeFile(files, contractFile(), verbose);
    writeFile(files, verbose);
}
