#include "ast/tree/walk.h"

#include <vector>

#include "ast/tree/decl.h"
#include "ast/tree/types.h"
#include "lib/msg.h"

// One step of the walk: the rest of a list of declarations or of a union's
// cases, with the type that holds them; or a declaration to leave.
struct DeclWalker::Frame {
    const TypeSpec* container;
    const GenDLListNode* node;
    bool unionCases;
    const Decl* leaving;

    const Decl& entry() const {
        if (unionCases) return static_cast<const UnionCase*>(node->element)->get_element();
        return *static_cast<const Decl*>(node->element);
    }
};

// What a type contains.
DeclWalker::Frame DeclWalker::contents(const TypeSpec& ts) {
    auto declsOf = [&ts](const DeclList& decls) { return Frame{&ts, decls.head(), false, nullptr}; };
    switch (ts.get_tag()) {
    case Module_TypeSpecTag: return declsOf(ModuleTypeSpec::narrow(ts).get_decls());
    case Interface_TypeSpecTag: return declsOf(InterfaceTypeSpec::narrow(ts).get_exports());
    case Value_TypeSpecTag: return declsOf(ValueTypeSpec::narrow(ts).get_exports());
    case Struct_TypeSpecTag: return declsOf(StructTypeSpec::narrow(ts).get_members());
    case Exception_TypeSpecTag: return declsOf(ExceptionTypeSpec::narrow(ts).get_members());
    case Union_TypeSpecTag: return Frame{&ts, UnionTypeSpec::narrow(ts).get_cases().head(), true, nullptr};
    case Base_TypeSpecTag:
    case Builtin_TypeSpecTag:
    case Enum_TypeSpecTag:
    case Forward_TypeSpecTag:
    case Import_TypeSpecTag:
    case ScopedName_TypeSpecTag:
    case Sequence_TypeSpecTag:
    case String_TypeSpecTag:
    case Void_TypeSpecTag:
    case ValueBox_TypeSpecTag:
    case Fixed_TypeSpecTag:
        return Frame{&ts, nullptr, false, nullptr};
    }
    msg::panic("DeclWalker: tag %s", TypeSpec::tag_name(ts.get_tag()));
}

void DeclWalker::walk(const DeclList& decls) { run(Frame{nullptr, decls.head(), false, nullptr}, nullptr); }

void DeclWalker::walk(const Decl& decl) {
    if (enter(decl, nullptr)) run(contents(decl.get_typespec()), &decl);
}

void DeclWalker::run(const Frame& first, const Decl* leaving) {
    std::vector<Frame> stack;
    if (leaving) stack.push_back(Frame{nullptr, nullptr, false, leaving});
    stack.push_back(first);
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.leaving) {
            const Decl& decl = *top.leaving;
            stack.pop_back();
            leave(decl);
            continue;
        }
        if (!top.node) {
            stack.pop_back();
            continue;
        }
        const Decl& decl = top.entry();
        const TypeSpec* container = top.container;
        top.node = top.node->next;
        if (!enter(decl, container)) continue;
        stack.push_back(Frame{nullptr, nullptr, false, &decl});
        stack.push_back(contents(decl.get_typespec()));
    }
}
