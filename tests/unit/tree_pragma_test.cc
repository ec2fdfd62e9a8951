// Predefined names, #pragma builtin and #pragma serverless.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ast/env/envattr.h"
#include "ast/pragma/pragma.h"
#include "ast/pragma/predefined.h"
#include "tree_support.h"

using namespace tree_support;

namespace {

std::vector<std::string> decl_names(const DefinitionList& defs) {
    std::vector<std::string> out;
    for (DLListIter<Definition> it(defs); it; it.next()) {
        if (!DeclDefinition::is(it.entry())) {
            out.push_back("<pragma>");
            continue;
        }
        Decl& d = DeclDefinition::narrow(it.entry()).getDecl();
        out.push_back(d.get_declarators().empty() ? d.get_typespec().get_name().as_String().str()
                                                  : d.get_declarators().first()->get_name().as_String().str());
    }
    return out;
}

}  // namespace

TEST(TreePredefined, FourNamesComeFirstInReverseOrderOfAdding) {
    DefinitionList* defs = parser_support::parse("struct S { long x; };\n");
    ASSERT_TRUE(defs);
    EXPECT_EQ(decl_names(*defs),
              (std::vector<std::string>{"Principal", "TypeCode", "any", "Object", "S"}));
    // Each is a typedef of a builtin type whose import knows its target.
    Decl& object = DeclDefinition::narrow(*DLListIter<Definition>(*defs).ptr()).getDecl();
    EXPECT_TRUE(object.is_typedef());
    ASSERT_TRUE(BuiltinTypeSpec::is(object.get_typespec()));
    ImportTypeSpec& import = BuiltinTypeSpec::narrow(object.get_typespec()).get_import();
    EXPECT_EQ(import.unwrap(), object.get_declarators().first());
}

TEST(TreePredefined, ObjectResolvesToThePredefinedTypedef) {
    DefinitionList* defs = parser_support::parse("interface I { Object self(); };\n");
    ASSERT_TRUE(defs);
    DeclList* decls = defs->getDeclList();
    Scope scope("FILE");
    int errors = msg::get_error_count();
    decls->resolve_names(scope);
    EXPECT_EQ(msg::get_error_count(), errors);
    Declarator* self = interface(*decls, "I").resolve(Id("self", SrcLoc()));
    ASSERT_TRUE(self);
    Declarator* result = ScopedNameTypeSpec::narrow(self->get_typespec()).get_scoped_name().get_declarator();
    ASSERT_TRUE(SimpleDeclarator::is(*result));
    EXPECT_TRUE(BuiltinTypeSpec::is(result->get_typespec()));
    EXPECT_TRUE(result->is_data_type());
}

TEST(TreePragma, BuiltinWithAndWithoutJavaClass) {
    static const String file("b.idl");
    PragmaBuiltin with("Date", "java.util.Date", SrcLoc(file, 3));
    PragmaBuiltin without("Plain", SrcLoc(file, 4));
    EXPECT_EQ(with.full_text(), "PragmaBuiltin(Date, java.util.Date)");
    EXPECT_EQ(without.full_text(), "PragmaBuiltin(Plain, )");

    Decl* d = with.toDecl(parser_support::reader());
    EXPECT_EQ(d->get_flags(), unsigned(Decl::TYPEDEF));
    ImportTypeSpec& import = BuiltinTypeSpec::narrow(d->get_typespec()).get_import();
    EnvAttr* cls = import.get_declarator().get_env_attr("java_class", 0);
    ASSERT_TRUE(cls);
    EXPECT_EQ(cls->get_value(), "java.util.Date");
    EXPECT_EQ(cls->get_loc().get_line(), 3);

    Decl* p = without.toDecl(parser_support::reader());
    ImportTypeSpec& plain = BuiltinTypeSpec::narrow(p->get_typespec()).get_import();
    EXPECT_EQ(plain.get_declarator().get_env_attr("java_class", 0), nullptr);
    EXPECT_EQ(plain.unwrap(), p->get_declarators().first());
}

TEST(TreePragma, ServerlessMarksNamedInterfacesOnly) {
    DefinitionList* defs = parser_support::parse(
        "module M { interface Quiet {}; interface Loud {}; };\n"
        "#pragma serverless M::Quiet\n"
        "#pragma serverless M::Nobody\n");
    ASSERT_TRUE(defs);
    int errors = msg::get_error_count();
    PragmaServerless::process(*defs);
    EXPECT_EQ(msg::get_error_count(), errors);
    DeclList* decls = defs->getDeclList();
    ModuleTypeSpec& m = ModuleTypeSpec::narrow(find(*decls, "M").get_typespec());
    EXPECT_TRUE(m.resolve(Id("Quiet", SrcLoc()))->get_env_attr("serverless", 0));
    EXPECT_FALSE(m.resolve(Id("Loud", SrcLoc()))->get_env_attr("serverless", 0));
}

TEST(TreeDefinition, PrintingAndNarrowing) {
    DefinitionList* defs = parser_support::parse(
        "#pragma prefix \"acme.com\"\n"
        "#pragma javaPackage com.acme\n"
        "const long N = 3;\n"
        "typedef long A[N][2], B;\n");
    ASSERT_TRUE(defs);
    std::vector<std::string> texts;
    for (DLListIter<Definition> it(*defs); it; it.next()) texts.push_back(it.entry().full_text().str());
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[4], "PragmaPrefixDefinition(#pragma prefix \"acme.com\")");
    EXPECT_EQ(texts[5], "PragmaJavaPackageDefinition(#pragma javaPackage com.acme)");
    EXPECT_EQ(texts[6], "DeclDefinition(const long N = 3)");
    EXPECT_EQ(texts[7], "DeclDefinition(typedef long A[N][2],B)");
    EXPECT_EQ(defs->getDeclList()->length(), 6);
    DLListIter<Definition> it(*defs);
    for (int i = 0; i < 4; ++i) it.next();
    EXPECT_DEATH(DeclDefinition::narrow(it.entry()),
                 "Definition::narrowFault: expecting DeclDefinition, found PragmaPrefixDefinition\\(#pr...");
}
