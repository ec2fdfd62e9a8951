#include "idlgen/java/types/JavaArrayType.h"

#include <ostream>
#include <vector>

#include "ast/input/msg.h"
#include "ast/tree/typespec.h"
#include "idlgen/java/core/JavaExpr.h"

// The placeholder type an array projection stands on.
static const VoidTypeSpec& placeholder() {
    static const VoidTypeSpec* v = new VoidTypeSpec(SrcLoc());
    return *v;
}

JavaArrayType::JavaArrayType(const JavaAST& element, const Expr* bound)
    : JavaAST(placeholder()), element(&element), bound(bound) {}

JavaArrayType& JavaArrayType::project(const TypeSpec& element, const JavaExprList& bounds) {
    std::vector<const Expr*> dims;
    for (DLListIter<JavaExpr> it(bounds); it; it.next()) dims.push_back(&it.entry().getExpr());
    const JavaAST* inner = &JavaAST::project(element);
    JavaArrayType* outer = nullptr;
    for (size_t i = dims.size(); i-- > 0;) inner = outer = new JavaArrayType(*inner, dims[i]);
    if (!outer) msg::panic("JavaArrayType::project: no bounds");
    return *outer;
}

const JavaArrayType& JavaArrayType::narrow(const JavaType& t) {
    if (!isA(t)) t.narrowFault("ArrayTypeSpec");
    return static_cast<const JavaArrayType&>(t);
}

void JavaArrayType::print(std::ostream& out) const { out << *element << "[]"; }

void JavaArrayType::printMarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::unimpl("marshalling of an array type");
}

void JavaArrayType::printUnmarshal(std::ostream&, const char*, const JavaName&, const String&) const {
    msg::unimpl("marshalling of an array type");
}
