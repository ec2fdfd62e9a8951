#include "idlgen/java/types/JavaUnionCases.h"

#include <sstream>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaEnumType.h"
#include "idlgen/java/types/JavaHolder.h"
#include "idlgen/java/types/JavaUnionType.h"

JavaUnionCases::JavaUnionCases(const UnionTypeSpec& ts)
    : switchType(&JavaAST::project(ts.get_switch_type())), discriminator(switchType->full_text()), kind(otherKind) {
    const JavaAST& under = switchType->underType();
    if (JavaEnumType::isA(under))
        kind = enumKind;
    else if (JavaBaseType::isA(under)) {
        int tag = JavaBaseType::narrow(under).getBaseTag();
        if (tag == boolean_BaseTypeSpec) kind = booleanKind;
        if (tag == longlong_BaseTypeSpec || tag == ulonglong_BaseTypeSpec) kind = wideKind;
    }

    for (DLListIter<UnionCase> it(ts.get_cases()); it; it.next()) {
        const UnionCase& uc = it.entry();
        const Decl& element = uc.get_element();
        if (element.is_error()) continue;
        const Declarator* d = element.get_declarators().first();
        if (!d) continue;
        Case c;
        c.hasDefault = false;
        for (DLListIter<Expr> l(uc.get_labels()); l; l.next()) {
            c.allLabels.push_back(&l.entry());
            if (DefaultExpr::is(l.entry()))
                c.hasDefault = true;
            else
                c.labels.push_back(&l.entry());
        }
        if (ArrayDeclarator::is(*d))
            c.type = &JavaArrayType::project(element.get_typespec(),
                                             JavaExprList(ArrayDeclarator::narrow(*d).get_sizes()));
        else
            c.type = &JavaAST::project(element.get_typespec());
        c.declarator = &JavaDeclarator::project(*d);
        c.javaType = c.type->full_text();
        c.item = c.declarator->getJavaName().item();
        // A branch named like the discriminator accessor would define that
        // method twice: it takes a leading "_", as a reserved word does.
        if (c.item == "discriminator") c.item = String("_") + c.item;
        c.boxed = JavaKind::of(*c.type).unionNeedsHolder();
        if (c.boxed) c.holder = JavaHolder::project(*c.type).full_text();
        cases.push_back(c);
    }
}

bool JavaUnionCases::hasDefault() const {
    for (const Case& c : cases)
        if (c.hasDefault) return true;
    return false;
}

std::vector<const Expr*> JavaUnionCases::nonDefaultLabels() const {
    std::vector<const Expr*> labels;
    for (const Case& c : cases) labels.insert(labels.end(), c.labels.begin(), c.labels.end());
    return labels;
}

const Declarator* JavaUnionCases::enumeratorOf(const Expr& label) {
    const Expr* e = &label;
    for (int depth = 0; ScopedNameExpr::is(*e) && depth < 1000; ++depth) {
        const Declarator* d = ScopedNameExpr::narrow(*e).get_name().get_declarator();
        if (!d) return nullptr;
        if (EnumEntryDeclarator::is(*d)) return d;
        if (!InitDeclarator::is(*d)) return nullptr;
        e = &InitDeclarator::narrow(*d).get_expr();
    }
    return nullptr;
}

String JavaUnionCases::labelText(const Expr& label) const {
    if (kind == enumKind) {
        const Declarator* d = enumeratorOf(label);
        String enumerator = d ? JavaName(*d).item() : String(JavaLib::unknownName().item());
        return switchType->underType().getJavaName().full_text() + "._" + enumerator;
    }
    if (kind == booleanKind)
        return label.has_const_value() && BoolValue::is(label.get_const_value()) &&
                       BoolValue::narrow(label.get_const_value()).get_value()
                   ? "1"
                   : "0";
    // Java cannot switch on a long: a 64-bit discriminator is switched on as
    // its decimal text, and each label is the same text as a constant.
    if (kind == wideKind) return "\"\" + " + labelValue(label);
    return labelValue(label);
}

String JavaUnionCases::labelValue(const Expr& label) const {
    std::ostringstream out;
    out << "(" << discriminator << ") " << JavaExpr::project(label);
    return String(out.str());
}

String JavaUnionCases::switchHead(const String& x, const char* lead) const {
    switch (kind) {
    case enumKind: return String(lead) + "switch (" + x + ".value()) {\n";
    case booleanKind: return String(lead) + "switch ((" + x + ") ? 1 : 0) {\n";
    case wideKind: return String(lead) + "switch (Long.toString(" + x + ")) {\n";
    default: return String(lead) + "switch (" + x + ") {\n";
    }
}

const DeclList& JavaUnionCases::elements(const UnionTypeSpec& ts) {
    DeclList* list = new DeclList;
    for (DLListIter<UnionCase> it(ts.get_cases()); it; it.next()) list->append(it.entry().get_element());
    return *list;
}
