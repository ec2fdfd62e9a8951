// The environment-file scanner and parser: tokens, comments, line
// directives, and the entries built from a file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ast/env/env_parser.h"
#include "ast/env/envattr.h"
#include "ast/env/envattrentry.h"
#include "ast/env/enventry.h"
#include "ast/env/envimportentry.h"
#include "ast/env/envparse.h"
#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "lib/File.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

struct Token {
    int code;
    std::string text;  // for identifiers and strings
    std::string file;
    int line;
};

// Scans the whole text as the file "main.env".
std::vector<Token> scan(const std::string& text) {
    static std::vector<std::string*> keep;  // fmemopen needs the buffer alive
    std::string* buffer = new std::string(text.empty() ? " " : text);
    keep.push_back(buffer);
    FILE* in = fmemopen(&(*buffer)[0], buffer->size(), "r");
    env_lexer_start(in, "main.env");
    std::vector<Token> out;
    for (int code; (code = env_lex()) != 0;) {
        Token t{code, "", env_filename->chars(), env_lineno};
        if (code == ENV_IDENTIFIER || code == ENV_STRING) {
            t.text = env_lval.token->text.chars();
            t.file = env_lval.token->file->chars();
            t.line = env_lval.token->line;
        }
        out.push_back(t);
    }
    std::fclose(in);
    return out;
}

std::vector<int> codes(const std::string& text) {
    std::vector<int> out;
    for (const Token& t : scan(text)) out.push_back(t.code);
    return out;
}

// Parses the text as the environment file "main.env".
EnvEntryList* parse(const std::string& text) {
    char path[] = "/tmp/quorvex_env_XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) std::abort();
    if (!text.empty() && write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::abort();
    lseek(fd, 0, SEEK_SET);
    unlink(path);
    File file(fd, io_read);
    EnvEntryList* entries = parse_env_file("main.env", file);
    file.finish();
    return entries;
}

std::vector<EnvEntry*> entries_of(EnvEntryList* list) {
    std::vector<EnvEntry*> out;
    for (DLListIter<EnvEntry> e(*list); e; e.next()) out.push_back(e.ptr());
    return out;
}

std::vector<EnvAttr*> attrs_of(EnvAttrEntry& entry) {
    std::vector<EnvAttr*> out;
    for (DLListIter<EnvAttr> a(entry.get_attrs()); a; a.next()) out.push_back(a.ptr());
    return out;
}

}  // namespace

TEST(EnvLexer, TokenCodes) {
    EXPECT_EQ(codes(": = :: ; import x \"s\" ?"),
              (std::vector<int>{257, 258, 259, 260, 261, 262, 263, 264}));
}

TEST(EnvLexer, IdentifierForms) {
    // '$' only begins an identifier; an identifier cannot begin with an
    // underscore or a digit; "import" is a keyword only on its own.
    auto t = scan("$coll a$b _a 9x imports import_x Import");
    std::vector<std::string> texts;
    std::vector<int> kinds;
    for (const Token& k : t) {
        kinds.push_back(k.code);
        texts.push_back(k.text);
    }
    EXPECT_EQ(kinds, (std::vector<int>{ENV_IDENTIFIER, ENV_IDENTIFIER, ENV_IDENTIFIER, ENV_ERROR, ENV_IDENTIFIER,
                                       ENV_ERROR, ENV_IDENTIFIER, ENV_IDENTIFIER, ENV_IDENTIFIER, ENV_IDENTIFIER}));
    EXPECT_EQ(texts, (std::vector<std::string>{"$coll", "a", "$b", "", "a", "", "x", "imports", "import_x",
                                               "Import"}));
}

TEST(EnvLexer, ScopeAndColonsTakeTheLongestMatch) {
    EXPECT_EQ(codes(":::"), (std::vector<int>{ENV_SCOPE, ENV_COLON}));
    EXPECT_EQ(codes("a::b:"), (std::vector<int>{ENV_IDENTIFIER, ENV_SCOPE, ENV_IDENTIFIER, ENV_COLON}));
}

TEST(EnvLexer, StringsHaveNoEscapesAndEndAtTheLine) {
    auto t = scan("\"a b\\\" \"\"");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "a b\\");  // the backslash is an ordinary character
    EXPECT_EQ(t[1].text, "");
    // An unterminated string is not a string: the quote is a stray character.
    EXPECT_EQ(codes("\"abc\nx"), (std::vector<int>{ENV_ERROR, ENV_IDENTIFIER, ENV_IDENTIFIER}));
}

TEST(EnvLexer, CommentsAndLineCounting) {
    auto t = scan("a // b\n/* c\n * d **/ e /* / */\n\nf /* /* */ g");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text + "@" + std::to_string(t[0].line), "a@1");
    EXPECT_EQ(t[1].text + "@" + std::to_string(t[1].line), "e@3");
    EXPECT_EQ(t[2].text + "@" + std::to_string(t[2].line), "f@5");
    EXPECT_EQ(t[3].text + "@" + std::to_string(t[3].line), "g@5");  // comments do not nest
    // A '#' after the start of a line is a stray character.
    EXPECT_EQ(codes("a #"), (std::vector<int>{ENV_IDENTIFIER, ENV_ERROR}));
}

TEST(EnvLexer, OtherDirectivesAreReportedAndSkipped) {
    int errors = msg::get_error_count();
    CaptureStderr();
    auto t = scan("a\n#pragma x\n# 5\n#line 9\nb\n");
    EXPECT_EQ(GetCapturedStderr(),
              "main.env:2: unexpected preprocessor directive\n"
              "main.env:3: unexpected preprocessor directive\n"
              "main.env:4: unexpected preprocessor directive\n");
    EXPECT_EQ(msg::get_error_count(), errors + 3);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].line, 5);
}

TEST(EnvLexer, OversizedLineNumberIsNotADirective) {
    CaptureStderr();
    auto t = scan("# 99999999999999999999 \"f\"\nb\n");
    EXPECT_EQ(GetCapturedStderr(), "main.env:1: unexpected preprocessor directive\n");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].file + ":" + std::to_string(t[0].line), "main.env:2");
}

TEST(EnvParser, AttributeEntryWithThreeKindsOfAttribute) {
    EnvEntryList* list = parse("// header\nM::I : serverless javaPackage = pkg note = \"two words\";\n");
    ASSERT_NE(list, nullptr);
    auto entries = entries_of(list);
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_TRUE(entries[0]->is_attrEntry());
    EXPECT_FALSE(entries[0]->is_importEntry());
    EnvAttrEntry& entry = EnvAttrEntry::narrow(*entries[0]);
    EXPECT_EQ(entry.get_key().length(), 2);
    EXPECT_FALSE(entry.get_key().is_global());
    EXPECT_EQ(std::string(entry.get_key().full_text().chars()), "M::I");
    auto attrs = attrs_of(entry);
    ASSERT_EQ(attrs.size(), 3u);
    EXPECT_EQ(std::string(attrs[0]->get_key()), "serverless");
    EXPECT_EQ(std::string(attrs[0]->get_value()), "");
    EXPECT_EQ(std::string(attrs[1]->get_value()), "pkg");
    EXPECT_EQ(std::string(attrs[2]->get_value()), "two words");
    EXPECT_EQ(std::string(attrs[2]->get_loc().get_file()), "main.env");
    EXPECT_EQ(attrs[2]->get_loc().get_line(), 2);
    EXPECT_EQ(std::string(attrs[0]->full_text()), "serverless");
    EXPECT_EQ(std::string(attrs[2]->full_text()), "note=two words");
}

TEST(EnvParser, EntryWithoutAttributesAndImports) {
    EnvEntryList* list = parse("a : ;\nimport \"other.env\";\n");
    ASSERT_NE(list, nullptr);
    auto entries = entries_of(list);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(EnvAttrEntry::narrow(*entries[0]).get_attrs().length(), 0);
    ASSERT_TRUE(entries[1]->is_importEntry());
    EXPECT_FALSE(entries[1]->is_attrEntry());
    EnvImportEntry& import = EnvImportEntry::narrow(*entries[1]);
    EXPECT_EQ(std::string(import.get_file_name()), "other.env");
    EXPECT_EQ(import.get_loc().get_line(), 2);
}

TEST(EnvParser, SyntaxErrorAbandonsTheFile) {
    int errors = msg::get_error_count();
    CaptureStderr();
    EXPECT_EQ(parse("a : b;\nc : d = \"open;\ne : f;\n"), nullptr);
    EXPECT_EQ(GetCapturedStderr(), "main.env:2: syntax error\n");
    EXPECT_EQ(msg::get_error_count(), errors + 1);

    // An unterminated comment runs to the end of the file; the next file
    // starts outside any comment.
    EnvEntryList* open = parse("a : b; /* x =");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->length(), 1);
    EnvEntryList* next = parse("x : y;");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->length(), 1);
}

TEST(EnvParser, ExhaustedStackIsReportedInTheParsersOwnWords) {
    CaptureStderr();
    env_lexer_start(stdin, "main.env");
    env_error("memory exhausted");
    EXPECT_EQ(GetCapturedStderr(), "main.env:1: yacc stack overflow\n");
}
