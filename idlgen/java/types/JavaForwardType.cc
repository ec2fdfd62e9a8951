#include "idlgen/java/types/JavaForwardType.h"

#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaScopedNameType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaTypeOps.h"
#include "idlgen/java/core/JavaLib.h"

JavaForwardType::JavaForwardType(const ForwardTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaForwardType& JavaForwardType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ForwardTypeSpec");
    return static_cast<const JavaForwardType&>(t);
}

const JavaAST& JavaForwardType::underType() const {
    const ForwardTypeSpec& forward = ForwardTypeSpec::narrow(getTypeSpec());
    if (forward.is_undefined_interface()) return JavaInterfaceType::reference(forward);
    const Declarator* d = forward.unwrap();
    if (!d) msg::panic("JavaForwardType::underType: no definition");
    return JavaScopedNameType::typeOf(*d);
}

// Unwrapping a name that stands for a forward declaration reports the
// declaration when its interface was never defined (once; the name then
// stands for the shared bad declarator).  So every type named in the
// declarations is unwrapped here: in modules, interfaces, structs,
// exceptions, unions, sequences and operation parameters.  A forward
// declaration that nothing names is not an error.
bool JavaForwardType::reportUndefined(const DeclList& decls) {
    struct Unwrap : DeclWalker {
        bool enter(const Decl& decl, const TypeSpec*) override {
            if (decl.is_error()) return false;
            const TypeSpec* ts = &decl.get_typespec();
            while (SequenceTypeSpec::is(*ts)) ts = &SequenceTypeSpec::narrow(*ts).get_element_type();
            if (ScopedNameTypeSpec::is(*ts))
                ScopedNameTypeSpec::narrow(*ts).get_scoped_name().get_unwrapped_declarator();
            // Parameters hold no declarations of their own: one level.
            for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
                if (OpDeclarator::is(d.entry())) walk(OpDeclarator::narrow(d.entry()).get_params());
            return true;
        }
    };
    int errors = msg::get_error_count();
    Unwrap().walk(decls);
    return msg::get_error_count() > errors;
}

// JavaKind

String JavaForwardType::typeCode() const { return JavaKind::of(underType()).typeCode(); }

int JavaForwardType::tcKind() const { return JavaKind::of(underType()).tcKind(); }

JavaHolder* JavaForwardType::makeHolder() const { return new JavaHolder(*this); }

JavaBaseTypeOps* JavaForwardType::makeHelper() const { return new JavaBaseTypeOps(*this); }
