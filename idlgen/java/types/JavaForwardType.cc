#include "idlgen/java/types/JavaForwardType.h"

#include <vector>

#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/types/JavaScopedNameType.h"

JavaForwardType::JavaForwardType(const ForwardTypeSpec& ts) : JavaNamedAST(ts) {}

const JavaForwardType& JavaForwardType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ForwardTypeSpec");
    return static_cast<const JavaForwardType&>(t);
}

const JavaAST& JavaForwardType::underType() const {
    const Declarator* d = getTypeSpec().unwrap();
    if (!d) msg::panic("JavaForwardType::underType: no definition");
    return JavaScopedNameType::typeOf(*d);
}

// Unwrapping a name that stands for a forward declaration reports the
// declaration when its interface was never defined (once; the name then
// stands for the shared bad declarator).  So every type named in the
// declarations is unwrapped here: in modules, interfaces, structs,
// exceptions, unions, sequences and operation parameters.  A forward
// declaration that nothing names is not an error.  The walk keeps an
// explicit stack: declarations may nest deeply.
bool JavaForwardType::reportUndefined(const DeclList& decls) {
    int errors = msg::get_error_count();
    std::vector<DLListIter<Decl>> stack{DLListIter<Decl>(decls)};
    auto push = [&stack](const DeclList& list) { stack.push_back(DLListIter<Decl>(list)); };
    while (!stack.empty()) {
        DLListIter<Decl>& top = stack.back();
        if (!top) {
            stack.pop_back();
            continue;
        }
        const Decl& decl = top.entry();
        top.next();
        if (decl.is_error()) continue;
        const TypeSpec* ts = &decl.get_typespec();
        while (SequenceTypeSpec::is(*ts)) ts = &SequenceTypeSpec::narrow(*ts).get_element_type();
        switch (ts->get_tag()) {
        case ScopedName_TypeSpecTag:
            ScopedNameTypeSpec::narrow(*ts).get_scoped_name().get_unwrapped_declarator();
            break;
        case Module_TypeSpecTag: push(ModuleTypeSpec::narrow(*ts).get_decls()); break;
        case Interface_TypeSpecTag: push(InterfaceTypeSpec::narrow(*ts).get_exports()); break;
        case Struct_TypeSpecTag: push(StructTypeSpec::narrow(*ts).get_members()); break;
        case Exception_TypeSpecTag: push(ExceptionTypeSpec::narrow(*ts).get_members()); break;
        case Union_TypeSpecTag: {
            const UnionTypeSpec& u = UnionTypeSpec::narrow(*ts);
            auto* elements = new DeclList;
            for (DLListIter<UnionCase> c(u.get_cases()); c; c.next()) elements->append(c.entry().get_element());
            push(*elements);
            break;
        }
        case Base_TypeSpecTag:
        case Builtin_TypeSpecTag:
        case Enum_TypeSpecTag:
        case Forward_TypeSpecTag:
        case Import_TypeSpecTag:
        case Sequence_TypeSpecTag:
        case String_TypeSpecTag:
        case Void_TypeSpecTag:
            break;
        }
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next())
            if (OpDeclarator::is(d.entry())) push(OpDeclarator::narrow(d.entry()).get_params());
    }
    return msg::get_error_count() > errors;
}
