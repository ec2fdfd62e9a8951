// Operation numbers of an interface holding a class operation.  No IDL text
// declares one (the flag is set only by code), so the test adds it to the
// parsed interface before names are resolved.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ast/names/scope.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "ast/expr/value.h"
#include "idlgen/java/interfaces/JavaInterface.h"
#include "idlgen/java/server/JavaImplBase.h"
#include "parser_support.h"
#include "tree_support.h"

namespace {

// Resolves `text`, holding interface I, with a class operation `k` put
// first among I's exports.
InterfaceTypeSpec& withClassOperation(const std::string& text) {
    DefinitionList* defs = parser_support::parse(text);
    if (!defs) std::abort();
    DeclList* decls = defs->getDeclList();
    InterfaceTypeSpec& iface = tree_support::interface(*decls, "I");
    SrcLoc here;
    OpDeclarator& k = *new OpDeclarator(*new Id("k", here), Description::null, *new DeclList,
                                        ScopedNameList::null, StringValueList::null);
    iface.get_exports().insert(*new Decl(Decl::CLASSPROC, *new VoidTypeSpec(here), *new DeclaratorList(k)));
    Scope scope("FILE");
    decls->resolve_names(scope);
    return iface;
}

std::string descriptorOf(const std::string& descriptors, int index) {
    std::string key = "__ops[" + std::to_string(index) + "] = new org.omg.CORBA.portable.OperationDescriptor(\"";
    size_t at = descriptors.find(key);
    if (at == std::string::npos) return "";
    at += key.size();
    return descriptors.substr(at, descriptors.find('"', at) - at);
}

}  // namespace

TEST(JavaNumbering, ClassOperationTakesADescriptorNumberButNoStubMethod) {
    InterfaceTypeSpec& iface = withClassOperation("interface I { long a(); attribute long b; void c(); };");
    EXPECT_EQ(JavaInterface::countOpDeclarators(iface), 5);

    std::ostringstream descriptors;
    JavaInterface::printDescriptors(descriptors, "       ", iface);
    EXPECT_EQ(descriptorOf(descriptors.str(), 0), "k");
    EXPECT_EQ(descriptorOf(descriptors.str(), 1), "a");
    EXPECT_EQ(descriptorOf(descriptors.str(), 2), "_get_b");
    EXPECT_EQ(descriptorOf(descriptors.str(), 3), "_set_b");
    EXPECT_EQ(descriptorOf(descriptors.str(), 4), "c");

    std::ostringstream methods;
    JavaInterface::printOpDeclarators(methods, iface);
    std::string m = methods.str();
    EXPECT_EQ(m.find("Implementation of k"), std::string::npos) << m;
    EXPECT_EQ(m.find("__ops[0]"), std::string::npos) << m;
    size_t a = m.find("public int a()");
    size_t c = m.find("public void c()");
    ASSERT_NE(a, std::string::npos) << m;
    ASSERT_NE(c, std::string::npos) << m;
    EXPECT_NE(m.find("_invoke(__ops[1], _n, _o)", a), std::string::npos);
    EXPECT_NE(m.find("_invoke(__ops[2], _n, _o)"), std::string::npos);
    EXPECT_NE(m.find("_invoke(__ops[3], _n, _o)"), std::string::npos);
    EXPECT_NE(m.find("_invoke(__ops[4], null, null)", c), std::string::npos);

    std::ostringstream skeleton;
    JavaImplBase::project(iface).printOpSkeletons(skeleton, iface);
    std::string s = skeleton.str();
    EXPECT_NE(s.find("case 1: // a\n"), std::string::npos) << s;
    EXPECT_NE(s.find("case 4: // c\n"), std::string::npos) << s;
}
