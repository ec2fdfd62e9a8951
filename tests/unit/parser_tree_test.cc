// The IDL grammar's actions: the tree built for each construct, the shared
// null objects for empty parts, attribute words, type tags and expressions.
#include <gtest/gtest.h>

#include <string>

#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "ast/input/description.h"
#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/pragma/repositorydirective.h"
#include "ast/tree/types.h"
#include "lib/flag.h"
#include "parser_support.h"

using parser_support::parse;

namespace {

// The n-th definition after the four predefined ones.
const Definition& own(const DefinitionList& list, int n) {
    DLListIter<Definition> it(list);
    for (int i = 0; i < 4 + n; ++i) it.next();
    return it.entry();
}

Decl& own_decl(const DefinitionList& list, int n) { return DeclDefinition::narrow(own(list, n)).getDecl(); }

Decl& nth(const DeclList& list, int n) {
    DLListIter<Decl> it(list);
    for (int i = 0; i < n; ++i) it.next();
    return it.entry();
}

Declarator& first_declarator(const Decl& d) { return *d.get_declarators().first(); }

std::string text(const Printable& p) { return p.full_text().chars(); }

}  // namespace

TEST(ParserTree, PredefinedNamesComeFirst) {
    DefinitionList* list = parse("const long N = 1;");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->length(), 5);
    const char* names[] = {"Principal", "TypeCode", "any", "Object"};
    DLListIter<Definition> it(*list);
    for (const char* name : names) {
        Decl& d = DeclDefinition::narrow(it.entry()).getDecl();
        EXPECT_EQ(std::string(first_declarator(d).get_name().as_charP()), name);
        EXPECT_EQ(d.get_flags(), 0x40u);
        EXPECT_EQ(d.get_typespec().get_tag(), Builtin_TypeSpecTag);
        it.next();
    }
}

TEST(ParserTree, EmptyPartsAreTheSharedNulls) {
    DefinitionList* list = parse("interface A {};\n"
                                 "exception E {};\n"
                                 "interface B : A { void f(); };\n");
    ASSERT_NE(list, nullptr);
    const InterfaceTypeSpec& a = InterfaceTypeSpec::narrow(own_decl(*list, 0).get_typespec());
    EXPECT_EQ(&a.get_exports(), &DeclList::null);
    EXPECT_EQ(&a.get_bases(), &ScopedNameList::null);
    EXPECT_EQ(&a.get_desc(), &Description::null);
    const ExceptionTypeSpec& e = ExceptionTypeSpec::narrow(own_decl(*list, 1).get_typespec());
    EXPECT_EQ(&e.get_members(), &DeclList::null);
    const InterfaceTypeSpec& b = InterfaceTypeSpec::narrow(own_decl(*list, 2).get_typespec());
    EXPECT_EQ(b.get_bases().length(), 1);
    ASSERT_EQ(b.get_exports().length(), 1);
    const OpDeclarator& f = OpDeclarator::narrow(first_declarator(nth(b.get_exports(), 0)));
    EXPECT_EQ(&f.get_raises(), &ScopedNameList::null);
    EXPECT_EQ(&f.get_context(), &StringValueList::null);
    EXPECT_EQ(f.get_params().length(), 0);
    EXPECT_NE(&f.get_params(), &DeclList::null);  // "()" makes a fresh empty list
}

TEST(ParserTree, BaseTypeTags) {
    DefinitionList* list = parse("struct S {\n"
                                 "  boolean a; char b; double c; float d; octet e; any f;\n"
                                 "  short g; long h; long\nlong i;\n"
                                 "  unsigned short j; unsigned long k; unsigned long long l;\n"
                                 "};");
    ASSERT_NE(list, nullptr);
    const StructTypeSpec& s = StructTypeSpec::narrow(own_decl(*list, 0).get_typespec());
    ASSERT_EQ(s.get_members().length(), 12);
    for (int i = 0; i < 12; ++i) {
        const BaseTypeSpec& t = BaseTypeSpec::narrow(nth(s.get_members(), i).get_typespec());
        EXPECT_EQ(static_cast<int>(t.get_base_tag()), i);
    }
    // long long is one type, located at its first "long".
    EXPECT_EQ(nth(s.get_members(), 8).get_typespec().get_loc().get_line(), 3);
    EXPECT_EQ(text(nth(s.get_members(), 11).get_typespec()), "unsigned long long");
}

TEST(ParserTree, AttributesAndParameters) {
    int errors = msg::get_error_count();
    testing::internal::CaptureStderr();
    DefinitionList* list = parse("interface I {\n"
                                 "  readonly attribute long a, b;\n"
                                 "  attribute string c;\n"
                                 "  oneway void f(in long x, out long y, inout long z, borrow long w);\n"
                                 "  long g(frob long v) raises (E1, M::E2) context (\"a\", \"b\");\n"
                                 "};");
    std::string err = testing::internal::GetCapturedStderr();
    ASSERT_NE(list, nullptr);
    // An unknown parameter attribute is reported and parsing goes on.
    EXPECT_EQ(msg::get_error_count(), errors + 1);
    EXPECT_NE(err.find("frob is not a parameter attribute"), std::string::npos) << err;

    const DeclList& ex = InterfaceTypeSpec::narrow(own_decl(*list, 0).get_typespec()).get_exports();
    ASSERT_EQ(ex.length(), 4);
    EXPECT_EQ(nth(ex, 0).get_flags(), 0x21u);
    EXPECT_EQ(nth(ex, 0).get_declarators().length(), 2);
    EXPECT_EQ(nth(ex, 1).get_flags(), 0x1u);
    EXPECT_EQ(nth(ex, 2).get_flags(), 0x10u);
    EXPECT_EQ(nth(ex, 2).get_typespec().get_tag(), Void_TypeSpecTag);
    const OpDeclarator& f = OpDeclarator::narrow(first_declarator(nth(ex, 2)));
    ASSERT_EQ(f.get_params().length(), 4);
    unsigned words[] = {0x10000, 0x10001, 0x10002, 0x10003};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(nth(f.get_params(), i).get_flags(), words[i]);
    const OpDeclarator& g = OpDeclarator::narrow(first_declarator(nth(ex, 3)));
    EXPECT_EQ(nth(g.get_params(), 0).get_flags(), 0u);
    EXPECT_EQ(g.get_raises().length(), 2);
    EXPECT_EQ(text(*g.get_raises().last()), "M::E2");
    EXPECT_EQ(g.get_context().length(), 2);
}

TEST(ParserTree, ConstantExpressions) {
    DefinitionList* list = parse("const long A = (1 + 2) * 3;\n"
                                 "const long B = -(~(+4));\n"
                                 "const long C = 1 | 2 ^ 3 & 4 << 5 >> 6 + 7 - 8 * 9 / 10 % 11;\n"
                                 "const boolean D = TRUE;\n"
                                 "const string E = \"s\";\n"
                                 "const M::T F = ::X::Y;\n");
    ASSERT_NE(list, nullptr);
    Decl& a = own_decl(*list, 0);
    EXPECT_EQ(a.get_flags(), 0x2u);
    // Parentheses leave no node.
    const BinaryOpExpr& prod = BinaryOpExpr::narrow(InitDeclarator::narrow(first_declarator(a)).get_expr());
    EXPECT_EQ(prod.get_op(), 0);
    EXPECT_EQ(BinaryOpExpr::narrow(prod.get_left()).get_op(), 3);
    EXPECT_EQ(text(prod), "(1 + 2) * 3");

    const UnaryOpExpr& b =
        UnaryOpExpr::narrow(InitDeclarator::narrow(first_declarator(own_decl(*list, 1))).get_expr());
    EXPECT_EQ(b.get_op(), 1);
    EXPECT_EQ(UnaryOpExpr::narrow(b.get_operand()).get_op(), 3);
    EXPECT_EQ(UnaryOpExpr::narrow(UnaryOpExpr::narrow(b.get_operand()).get_operand()).get_op(), 0);

    // Precedence from "|" (loosest) to "*" "/" "%" (tightest), all
    // left-associative.
    const Expr& c = InitDeclarator::narrow(first_declarator(own_decl(*list, 2))).get_expr();
    EXPECT_EQ(BinaryOpExpr::narrow(c).get_op(), 9);
    EXPECT_EQ(text(c), "1 | 2 ^ 3 & (4 << 5) >> (6 + 7) - ((8 * 9) / 10) % 11");

    const Expr& d = InitDeclarator::narrow(first_declarator(own_decl(*list, 3))).get_expr();
    EXPECT_EQ(BoolValue::narrow(ValueExpr::narrow(d).get_value()).get_value(), 1);
    EXPECT_EQ(own_decl(*list, 4).get_typespec().get_tag(), String_TypeSpecTag);
    Decl& f = own_decl(*list, 5);
    EXPECT_EQ(text(f.get_typespec()), "M::T");
    const ScopedNameExpr& y = ScopedNameExpr::narrow(InitDeclarator::narrow(first_declarator(f)).get_expr());
    EXPECT_EQ(y.get_name().is_global(), 1);
    EXPECT_EQ(y.get_name().length(), 2);
}

TEST(ParserTree, TypesAndDeclarators) {
    DefinitionList* list = parse("typedef sequence<long> L, M[2][3];\n"
                                 "typedef sequence<sequence<octet, 4> > Q;\n"
                                 "typedef string<8> S8;\n"
                                 "enum Color { red, green, blue };\n"
                                 "union U switch (enum K { ka, kb }) {\n"
                                 "  case ka: case kb: long x;\n"
                                 "  default: string y[4];\n"
                                 "};\n"
                                 "module Mod { interface F; struct T { U u; }; };\n");
    ASSERT_NE(list, nullptr);
    Decl& l = own_decl(*list, 0);
    EXPECT_EQ(l.get_flags(), 0x40u);
    EXPECT_FALSE(SequenceTypeSpec::narrow(l.get_typespec()).is_bounded());
    ASSERT_EQ(l.get_declarators().length(), 2);
    const ArrayDeclarator& m = ArrayDeclarator::narrow(*l.get_declarators().last());
    EXPECT_EQ(m.get_sizes().length(), 2);
    EXPECT_EQ(SimpleDeclarator::narrow(*l.get_declarators().first()).get_tag(), Simple_DeclaratorTag);

    const SequenceTypeSpec& q = SequenceTypeSpec::narrow(own_decl(*list, 1).get_typespec());
    const SequenceTypeSpec& inner = SequenceTypeSpec::narrow(q.get_element_type());
    EXPECT_TRUE(inner.is_bounded());
    EXPECT_EQ(text(inner.get_upper_bound()), "4");
    EXPECT_TRUE(StringTypeSpec::narrow(own_decl(*list, 2).get_typespec()).is_bounded());

    Decl& color = own_decl(*list, 3);
    EXPECT_EQ(color.get_declarators().length(), 0);
    EXPECT_EQ(text(EnumTypeSpec::narrow(color.get_typespec()).get_enumerators()), "red, green, blue");

    const UnionTypeSpec& u = UnionTypeSpec::narrow(own_decl(*list, 4).get_typespec());
    EXPECT_EQ(u.get_switch_type().get_tag(), Enum_TypeSpecTag);
    ASSERT_EQ(u.get_cases().length(), 2);
    EXPECT_EQ(u.get_cases().first()->get_labels().length(), 2);
    const UnionCase& dflt = *u.get_cases().last();
    EXPECT_TRUE(DefaultExpr::is(*dflt.get_labels().first()));
    EXPECT_TRUE(ArrayDeclarator::is(first_declarator(dflt.get_element())));

    const ModuleTypeSpec& mod = ModuleTypeSpec::narrow(own_decl(*list, 5).get_typespec());
    EXPECT_EQ(mod.get_definitions().length(), 2);
    DLListIter<Definition> it(mod.get_definitions());
    EXPECT_EQ(DeclDefinition::narrow(it.entry()).getDecl().get_typespec().get_tag(), Forward_TypeSpecTag);
}

TEST(ParserTree, PragmasStayInPlace) {
    DefinitionList* list = parse("#pragma prefix \"omg.org\"\n"
                                 "module A { const long x = 1; };\n"
                                 "#pragma javaPackage org.a\n"
                                 "#pragma serverless A::I\n"
                                 "#pragma import Other\n"
                                 "#pragma builtin Thing javaClass = x.Thing\n");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->length(), 4 + 6);
    EXPECT_EQ(own(*list, 0).getTag(), PragmaPrefix_DefinitionTag);
    EXPECT_EQ(own(*list, 1).getTag(), Decl_DefinitionTag);
    EXPECT_EQ(own(*list, 2).getTag(), PragmaJavaPackage_DefinitionTag);
    EXPECT_EQ(own(*list, 3).getTag(), PragmaServerless_DefinitionTag);
    Decl& import = own_decl(*list, 4);
    EXPECT_EQ(import.get_typespec().get_tag(), Import_TypeSpecTag);
    EXPECT_EQ(std::string(import.get_typespec().get_name().as_charP()), "Other");
    Decl& builtin = own_decl(*list, 5);
    EXPECT_EQ(builtin.get_flags(), 0x40u);
    EXPECT_EQ(builtin.get_typespec().get_tag(), Builtin_TypeSpecTag);
    EXPECT_EQ(std::string(first_declarator(builtin).get_name().as_charP()), "Thing");
}

TEST(ParserTree, DescriptionsJoinTheirLines) {
    DefinitionList* list = parse("struct S /** one\n two */ { long m /**x*/; };\n"
                                 "const long C = 1 /** c */;\n"
                                 "interface I : S /** i */ { void f() /** op */; };\n");
    ASSERT_NE(list, nullptr);
    const StructTypeSpec& s = StructTypeSpec::narrow(own_decl(*list, 0).get_typespec());
    EXPECT_EQ(std::string(s.get_desc().get_text().chars()), " one two ");
    EXPECT_EQ(s.get_desc().get_loc().get_line(), 1);
    EXPECT_EQ(text(s.get_desc()), "{* one two *}");
    EXPECT_EQ(std::string(first_declarator(nth(s.get_members(), 0)).get_desc().get_text().chars()), "x");
    EXPECT_EQ(text(first_declarator(own_decl(*list, 1)).get_desc()), "{* c *}");
    const InterfaceTypeSpec& i = InterfaceTypeSpec::narrow(own_decl(*list, 2).get_typespec());
    EXPECT_EQ(text(i.get_desc()), "{* i *}");
    EXPECT_EQ(text(first_declarator(nth(i.get_exports(), 0)).get_desc()), "{* op *}");
}

TEST(ParserTree, PrintedForms) {
    DefinitionList* list = parse("#pragma prefix \"example.org\"\n"
                                 "#pragma javaPackage org.example\n"
                                 "#pragma serverless M::D\n"
                                 "#pragma builtin Clock javaClass = java.util.Date\n"
                                 "#pragma import Elsewhere\n"
                                 "const long P = (1 + 2) * 3 /** three */;\n"
                                 "const string<4> S = \"ab\";\n"
                                 "typedef sequence<long, 10> Seq, Arr[2][3];\n"
                                 "enum Color { red, green };\n"
                                 "struct Pt /** pt */ { long x; float y, z[4]; };\n"
                                 "union U switch (Color) { case red: case green: long a; default: string s; };\n"
                                 "exception E { long code; };\n"
                                 "interface Fwd;\n"
                                 "interface B { readonly attribute long ro; attribute string rw; };\n"
                                 "interface D : B, ::Fwd { oneway void f(in long a, out string b, inout any c, "
                                 "borrow long d) raises (E) context (\"x\", \"y\"); unsigned long long g(); };\n"
                                 "module M /** m */ { typedef char C; };\n");
    ASSERT_NE(list, nullptr);
    const char* expected[] = {
        "PragmaPrefixDefinition(#pragma prefix \"example.org\")",
        "PragmaJavaPackageDefinition(#pragma javaPackage org.example)",
        "PragmaServerlessDefinition(#pragma serverless M::D)",
        "DeclDefinition(typedef [[BUILTIN]] Clock)",
        "DeclDefinition(import Elsewhere)",
        "DeclDefinition(const long P = (1 + 2) * 3)",
        "DeclDefinition(const string<4> S = \"ab\")",
        "DeclDefinition(typedef sequence <long, 10> Seq,Arr[2][3])",
        "DeclDefinition(enum Color { red, green })",
        "DeclDefinition(struct Pt { long x; float y,z[4];  })",
        "DeclDefinition(union U switch (Color) { case red:case green: long a; default: string s;  })",
        "DeclDefinition(exception E { long code;  })",
        "DeclDefinition(interface Fwd)",
        "DeclDefinition(interface B { long ro; string rw;  })",
        "DeclDefinition(interface D: B, ::Fwd { oneway void f(in long a, out string b, inout any c, borrow long d) "
        "raises (E) context (\"x\", \"y\"); unsigned long long g();  })",
        "DeclDefinition(module M { DeclDefinition(typedef char C);  })",
    };
    ASSERT_EQ(list->length(), 4 + 16);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(text(own(*list, i)), expected[i]);
}

// Under -fcorba3: local interfaces (forward too), a boxed value type, and a
// module holding only a typeprefix, which is recorded with its scope.
TEST(ParserTree, LaterCorbaForms) {
    Flag::set("corba3");
    DefinitionList* list = parse("local interface L;\n"
                                 "local interface L { };\n"
                                 "valuetype SV sequence<long>;\n"
                                 "module M { typeprefix M \"example.org\"; };\n");
    Flag::set("no-corba3");
    ASSERT_NE(list, nullptr);
    // With -fcorba3 `any` is only the keyword and `ValueBase` is one: four
    // predefined names still.
    ASSERT_EQ(list->length(), 4 + 4);
    EXPECT_EQ(text(own(*list, 0)), "DeclDefinition(local interface L)");
    EXPECT_TRUE(ForwardTypeSpec::narrow(own_decl(*list, 0).get_typespec()).is_local());
    EXPECT_EQ(text(own(*list, 1)), "DeclDefinition(local interface L {  })");
    EXPECT_TRUE(InterfaceTypeSpec::narrow(own_decl(*list, 1).get_typespec()).is_local());
    EXPECT_EQ(text(own(*list, 2)), "DeclDefinition(valuetype SV sequence <long>)");
    const ValueBoxTypeSpec& box = ValueBoxTypeSpec::narrow(own_decl(*list, 2).get_typespec());
    EXPECT_TRUE(SequenceTypeSpec::is(box.get_boxed()));
    EXPECT_EQ(box.get_name().as_String(), String("SV"));
    EXPECT_EQ(text(own(*list, 3)), "DeclDefinition(module M {  })");
    const std::vector<RepositoryDirective>* directives = RepositoryDirectives::of(*list);
    ASSERT_NE(directives, nullptr);
    ASSERT_EQ(directives->size(), 1u);
    EXPECT_EQ((*directives)[0].kind, RepositoryDirective::prefix);
    EXPECT_EQ((*directives)[0].name, "M");
    EXPECT_EQ((*directives)[0].value, "example.org");
    EXPECT_EQ(RepositoryDirectives::scope_path((*directives)[0].scope), std::vector<std::string>{"M"});
}

// Under -fcorba3: value types of every form (forward, abstract, custom,
// truncatable, supports, state, initializer, operation) and an abstract
// interface, as the tree prints and answers them.
TEST(ParserTree, ValueTypes) {
    Flag::set("corba3");
    DefinitionList* list = parse("abstract interface A { string nm(); };\n"
                                 "interface I { };\n"
                                 "valuetype V;\n"
                                 "abstract valuetype AV { void f(); };\n"
                                 "valuetype V : AV supports A, I { public long x; private string s, t;\n"
                                 "    factory make(in long x); long g(); };\n"
                                 "valuetype W : truncatable V { public V next; };\n"
                                 "custom valuetype C { public long n; };\n");
    Flag::set("no-corba3");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->length(), 4 + 7);
    EXPECT_EQ(text(own(*list, 0)), "DeclDefinition(abstract interface A { string nm();  })");
    EXPECT_TRUE(InterfaceTypeSpec::narrow(own_decl(*list, 0).get_typespec()).is_abstract());
    EXPECT_FALSE(InterfaceTypeSpec::narrow(own_decl(*list, 1).get_typespec()).is_abstract());
    EXPECT_EQ(text(own(*list, 2)), "DeclDefinition(valuetype V)");
    EXPECT_EQ(ForwardTypeSpec::narrow(own_decl(*list, 2).get_typespec()).get_kind(), Value_TypeSpecTag);
    EXPECT_EQ(text(own(*list, 3)), "DeclDefinition(abstract valuetype AV { void f();  })");
    EXPECT_EQ(text(own(*list, 4)),
              "DeclDefinition(valuetype V: AV supports A, I { public long x; private string s,t; "
              "factory void make(in long x); long g();  })");
    const ValueTypeSpec& v = ValueTypeSpec::narrow(own_decl(*list, 4).get_typespec());
    EXPECT_FALSE(v.is_abstract_value() || v.is_custom() || v.is_truncatable());
    EXPECT_EQ(v.get_state().length(), 2);
    EXPECT_EQ(v.get_supports().length(), 2);
    const ValueTypeSpec& w = ValueTypeSpec::narrow(own_decl(*list, 5).get_typespec());
    EXPECT_TRUE(w.is_truncatable());
    EXPECT_EQ(text(own(*list, 5)), "DeclDefinition(valuetype W: truncatable V { public V next;  })");
    EXPECT_TRUE(ValueTypeSpec::narrow(own_decl(*list, 6).get_typespec()).is_custom());
    EXPECT_TRUE(ValueTypeSpec::narrow(own_decl(*list, 3).get_typespec()).is_abstract_value());
}
