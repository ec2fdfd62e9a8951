// The IDL scanner: token boundaries, literal values, comments and
// descriptions, line directives and pragma lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ast/expr/value.h"
#include "ast/input/con_parser.h"
#include "ast/input/conparse.h"
#include "lib/msg.h"
#include "ast/names/id.h"
#include "ast/pragma/pragma.h"

namespace {

struct Token {
    int code;
    ConValue value;
    std::string file;
    int line;
};

// Scans the whole text as the file "main.idl".
std::vector<Token> scan(const std::string& text) {
    std::vector<Token> out;
    static std::vector<std::string*> keep;  // fmemopen needs the buffer alive
    std::string* buffer = new std::string(text);
    keep.push_back(buffer);
    FILE* in = fmemopen(buffer->empty() ? const_cast<char*>(" ") : &(*buffer)[0],
                        buffer->empty() ? 1 : buffer->size(), "r");
    con_lexer_start(in, "main.idl");
    for (int code; (code = con_lex()) != 0;)
        out.push_back(Token{code, con_lval, con_filename->chars(), con_lineno});
    std::fclose(in);
    return out;
}

std::vector<int> codes(const std::string& text) {
    std::vector<int> out;
    for (const Token& t : scan(text)) out.push_back(t.code);
    return out;
}

std::string printed(const Printable& p) { return p.full_text().chars(); }

}  // namespace

TEST(LexerNumbers, IntegerForms) {
    auto t = scan("0X1f");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].code, INTEGER_LITERAL);
    EXPECT_EQ(IntValue::narrow(*t[0].value.value).get_value(), 31);
    EXPECT_EQ(IntValue::narrow(*t[0].value.value).get_radix(), 16);

    // A prefix without digits, an octal run stopped by 8, and a suffix are
    // each split into separate tokens.
    EXPECT_EQ(codes("0x"), (std::vector<int>{INTEGER_LITERAL, IDENTIFIER}));
    t = scan("08");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(IntValue::narrow(*t[0].value.value).get_value(), 0);
    EXPECT_EQ(IntValue::narrow(*t[1].value.value).get_value(), 8);
    EXPECT_EQ(codes("1L"), (std::vector<int>{INTEGER_LITERAL, IDENTIFIER}));
    t = scan("017");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(IntValue::narrow(*t[0].value.value).get_value(), 15);
    EXPECT_EQ(IntValue::narrow(*t[0].value.value).get_radix(), 8);
}

TEST(LexerNumbers, FloatingForms) {
    for (const char* text : {"1.", ".5", "1e+5", "1.5E-3", "2E7", "3.25e-2"}) {
        auto t = scan(text);
        ASSERT_EQ(t.size(), 1u) << text;
        EXPECT_EQ(t[0].code, FLOATING_PT_LITERAL) << text;
    }
    EXPECT_EQ(codes("5e"), (std::vector<int>{INTEGER_LITERAL, IDENTIFIER}));
    EXPECT_EQ(codes("14e"), (std::vector<int>{INTEGER_LITERAL, IDENTIFIER}));
    EXPECT_EQ(codes("1.5.5"), (std::vector<int>{FLOATING_PT_LITERAL, FLOATING_PT_LITERAL}));
}

TEST(LexerNames, KeywordsAndIdentifiers) {
    EXPECT_EQ(codes("interface interfaces TRUE true FALSE Object import long"),
              (std::vector<int>{INTERFACE, IDENTIFIER, TRUE_LITERAL, IDENTIFIER, FALSE_LITERAL, IDENTIFIER,
                                IDENTIFIER, LONG}));
    auto t = scan("a_1B");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(std::string(t[0].value.id->as_charP()), "a_1B");
    // An identifier cannot begin with an underscore.
    EXPECT_EQ(codes("_x"), (std::vector<int>{ERROR, IDENTIFIER}));
    EXPECT_EQ(codes("$ @"), (std::vector<int>{ERROR, ERROR}));
}

TEST(LexerPunctuation, LongestMatch) {
    EXPECT_EQ(codes("<< < >> > :: : = ~ | ^ & % * + - / ( ) { } [ ] , ;"),
              (std::vector<int>{LEFTSHIFT, LT, RIGHTSHIFT, GT, SCOPE, COLON, ASSIGN, BITCOMPL, BITOR, BITXOR,
                                BITAND, MODULUS, MULTIPLY, PLUS, MINUS, DIVIDE, BRA, KET, CURLBRA, CURLKET,
                                SQBRA, SQKET, COMMA, SEMI}));
    EXPECT_EQ(codes(":::"), (std::vector<int>{SCOPE, COLON}));
}

TEST(LexerLiterals, StringsAndCharacters) {
    auto t = scan("\"a\\\"b\" 'x' '\\n' '\\x41' '\\101'");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].code, STRING_LITERAL);
    EXPECT_EQ(printed(*t[0].value.value), "\"a\\\"b\"");
    EXPECT_EQ(CharValue::narrow(*t[1].value.value).get_value(), 'x');
    EXPECT_EQ(CharValue::narrow(*t[2].value.value).get_value(), '\n');
    EXPECT_EQ(CharValue::narrow(*t[3].value.value).get_value(), 'A');
    EXPECT_EQ(CharValue::narrow(*t[4].value.value).get_value(), 'A');
    // A string cannot span lines: the quote is a stray character.
    EXPECT_EQ(codes("\"ab\ncd\""), (std::vector<int>{ERROR, IDENTIFIER, IDENTIFIER, ERROR}));
}

TEST(LexerComments, CommentsAreSkipped) {
    EXPECT_TRUE(codes("// x ; y\n/* a\n * b ; */ /**/ /* ** / */").empty());
    auto t = scan("/* one\ntwo\n*/ x // z\n y");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].line, 3);
    EXPECT_EQ(t[1].line, 4);
}

TEST(LexerComments, DescriptionTokens) {
    auto t = scan("/** some text */");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].code, DESCRIPTION_HEAD);
    EXPECT_EQ(t[1].code, DESCRIPTION_BODY);
    EXPECT_EQ(std::string(t[1].value.text->chars()), " some text ");
    EXPECT_EQ(t[2].code, DESCRIPTION_TAIL);

    // One body per line.
    t = scan("/** first\n second */");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(std::string(t[1].value.text->chars()), " first");
    EXPECT_EQ(std::string(t[2].value.text->chars()), " second ");
    EXPECT_EQ(t[2].line, 2);

    // Stars inside and before the close stay in the text.
    t = scan("/** a*b **/");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(std::string(t[1].value.text->chars()), " a*b *");
    // A banner opening with three stars is a description too.
    EXPECT_EQ(codes("/*****/"), (std::vector<int>{DESCRIPTION_HEAD, DESCRIPTION_BODY, DESCRIPTION_TAIL}));
    t = scan("/***\n***/ x");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(std::string(t[1].value.text->chars()), "*");
    EXPECT_EQ(std::string(t[2].value.text->chars()), "**");
    EXPECT_EQ(t[3].code, DESCRIPTION_TAIL);
}

TEST(LexerLines, LineDirectives) {
    auto t = scan("a\n# 10 \"inc.idl\" 1 3\nb\n# 20 \"\"\nc\n#line 5 \"other.idl\"\nd");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].file, "main.idl");
    EXPECT_EQ(t[0].line, 1);
    EXPECT_EQ(t[1].file, "inc.idl");
    EXPECT_EQ(t[1].line, 10);
    EXPECT_EQ(t[2].file, "main.idl");
    EXPECT_EQ(t[2].line, 20);
    EXPECT_EQ(t[3].file, "other.idl");
    EXPECT_EQ(t[3].line, 5);
    // Locations keep pointing at the right name after later directives.
    EXPECT_EQ(std::string(t[1].value.id->get_loc().get_file().chars()), "inc.idl");
}

TEST(LexerLines, UnreadableDirectiveIsReported) {
    int errors = msg::get_error_count();
    testing::internal::CaptureStderr();
    auto t = scan("# 99999999999 \"a.idl\"\nx");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(msg::get_error_count(), errors + 1);
    EXPECT_NE(err.find("read_srcloc fails: # 99999999999 \"a.idl\""), std::string::npos) << err;
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].file, "main.idl");
}

TEST(LexerPragmas, RecognisedForms) {
    auto t = scan("#pragma prefix \"omg.org\"\n"
                  "   # pragma builtin Foo javaClass = a.b.Foo\n"
                  "#pragma builtin Bar\n"
                  "#pragma serverless M::I\n"
                  "#pragma import Other\n"
                  "#pragma javaPackage org.x\n"
                  "#pragma javaPackage \"org/y\"\n");
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[0].code, PRAGMA_PREFIX);
    EXPECT_EQ(std::string(t[0].value.prefix->get_prefix().chars()), "omg.org");
    EXPECT_EQ(t[1].code, PRAGMA_BUILTIN);
    EXPECT_EQ(std::string(t[1].value.builtin->getName().chars()), "Foo");
    EXPECT_EQ(std::string(t[1].value.builtin->getJavaClass().chars()), "a.b.Foo");
    EXPECT_EQ(t[1].value.builtin->getSrcLoc().get_line(), 2);
    EXPECT_EQ(t[2].code, PRAGMA_BUILTIN);
    EXPECT_TRUE(t[2].value.builtin->getJavaClass().empty());
    EXPECT_EQ(t[3].code, PRAGMA_SERVERLESS);
    EXPECT_EQ(std::string(t[3].value.serverless->get_name().chars()), "M::I");
    EXPECT_EQ(t[4].code, PRAGMA_IMPORT);
    EXPECT_EQ(std::string(t[4].value.id->as_charP()), "Other");
    EXPECT_EQ(t[5].code, PRAGMA_JAVAPACKAGE);
    EXPECT_EQ(std::string(t[5].value.java_package->get_package().chars()), "org.x");
    EXPECT_EQ(t[6].code, PRAGMA_JAVAPACKAGE);
    EXPECT_EQ(std::string(t[6].value.java_package->get_package().chars()), "org/y");
}

TEST(LexerPragmas, OtherDirectivesWarn) {
    int errors = msg::get_error_count();
    testing::internal::CaptureStderr();
    auto t = scan("#pragma ID x \"IDL:x:1.0\"\n#pragma prefix \"\"\nx # y");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_NE(err.find("main.idl:1: warning: unexpected preprocessor directive: #pragma ID x \"IDL:x:1.0\""),
              std::string::npos) << err;
    EXPECT_NE(err.find("main.idl:2: warning: unexpected preprocessor directive: #pragma prefix \"\""),
              std::string::npos) << err;
    // A '#' that does not begin a line is a stray character.
    EXPECT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].code, ERROR);
}

TEST(LexerLimits, LongTokens) {
    std::string fits(con_text_limit, 'a');
    auto t = scan(fits);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].code, IDENTIFIER);

    int errors = msg::get_error_count();
    testing::internal::CaptureStderr();
    t = scan(fits + "b ;\n#pragma prefix \"" + std::string(2000, 'p') + "\"");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(msg::get_error_count(), errors + 2);
    EXPECT_NE(err.find("main.idl:1: Input string too long, limit 1024"), std::string::npos) << err;
    EXPECT_NE(err.find("main.idl:2: Input string too long, limit 1024"), std::string::npos) << err;
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].code, ERROR);
    EXPECT_EQ(t[1].code, SEMI);
    EXPECT_EQ(t[2].code, ERROR);
}
