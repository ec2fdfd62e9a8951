#include "idlgen/java/types/JavaUnionTypeOps.h"

#include <ostream>
#include <sstream>

#include "ast/expr/expr.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaExpr.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaRecursion.h"
#include "idlgen/java/types/JavaUnionCases.h"

// One member per label, as a union's type code lists them: a case with
// several labels gives as many members, each with the case's name and type;
// the default label is an octet 0.
void JavaUnionTypeOps::printTypeCodeAccessor(std::ostream& out) const {
    const UnionTypeSpec& ts = UnionTypeSpec::narrow(getType().getTypeSpec());
    JavaUnionCases cases(ts);
    const JavaAST& discriminator = cases.getSwitchType().underType();
    std::ostringstream body;
    JavaTemplate t("");
    int labels = 0;
    for (const JavaUnionCases::Case& c : cases.get()) labels += static_cast<int>(c.allLabels.size());
    t.set("count", labels)
        .set("UnionMember", JavaLib::corbaUnionMember())
        .set("Any", JavaLib::anyName())
        .set("J", String::replicate(' ', 15))
        .set("ORB", JavaLib::typecodeFactory())
        .set("id", JavaLib::getRepIdName())
        .set("IDLName", ts.get_name().as_String())
        .set("DiscriminatorTC", JavaLib::getTypeCodeForType(cases.getSwitchType()));
    if (JavaBaseType::isA(discriminator))
        t.set("insert", JavaLib::anyInsertMethodName(JavaBaseType::narrow(discriminator).getBaseTag()));
    else
        t.set("EnumHelper", JavaLib::helper(discriminator.getJavaName()));
    bool recursive = JavaRecursion::onCycle(getType());
    t.print(body,
            "       int _memberCount = ${count};\n"
            "       ${UnionMember}[] _members = null;\n"
            "          if (_tc == null) {\n");
    if (recursive) t.print(body, recursionGuardStart);
    t.print(body, "${J}_members= new ${UnionMember}[${count}];\n");
    int i = 0;
    for (const JavaUnionCases::Case& c : cases.get()) {
        t.set("member", c.declarator->getIDLName()).set("TC", JavaLib::getTypeCodeForType(*c.type));
        for (const Expr* label : c.allLabels) {
            t.set("i", i++);
            t.print(body,
                    "${J}{\n"
                    "${J}${Any} label = ${ORB}.create_any();\n");
            if (DefaultExpr::is(*label)) {
                body << "label.insert_octet((byte) 0);\n";
            } else {
                t.set("label", JavaExpr::project(*label));
                t.print(body, JavaBaseType::isA(discriminator) ? "${J}label.${insert}${label});\n"
                                                               : "${J}${EnumHelper}.insert(label, ${label});\n");
            }
            t.print(body,
                    "${J}_members[${i}] = new ${UnionMember}(\n"
                    "${J}  \"${member}\",\n"
                    "${J}label,\n"
                    "${J}  ${TC},\n"
                    "${J}  null);\n"
                    "${J}}\n");
        }
    }
    t.print(body, "             _tc = ${ORB}.create_union_tc(${id}(), \"${IDLName}\", ${DiscriminatorTC}, _members);\n");
    if (recursive) t.print(body, recursionGuardEnd);
    t.print(body, "          }\n");
    printCachedTypeCode(out, recursive ? recursionFlag : "", String(body.str()));
}
