// ConFile and the Reader's table of files: each file is parsed once, its
// names resolved once, and a failed parse or preprocessor run leaves an
// empty definition list behind a counted error.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "ast/tree/definition.h"
#include "idlgen/driver/Dependent.h"
#include "lib/flag.h"

namespace {

class ConFileTest : public testing::Test {
protected:
    void SetUp() override {
        char dir[] = "/tmp/quorvex_confile_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        root = dir;
    }
    void TearDown() override {
        for (const std::string& f : files) unlink(f.c_str());
        rmdir(root.c_str());
    }
    std::string write(const std::string& name, const std::string& text) {
        std::string path = root + "/" + name;
        std::ofstream(path) << text;
        files.push_back(path);
        return path;
    }

    ConFileTbl confiles;
    EnvFileTbl envfiles;
    Dependent dependent;
    EnvFile env;
    std::string root;
    std::vector<std::string> files;
};

}  // namespace

TEST_F(ConFileTest, FileReadOnceUnderAnyName) {
    Reader reader(confiles, envfiles, dependent);
    std::string path = write("a.idl", "typedef long T;\n");
    int errors = msg::get_error_count();
    ConFile& first = reader.read_con(env, path.c_str());
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_EQ(first.get_definitions().length(), 5);
    EXPECT_EQ(first.get_resolution(), ConFile::done);
    // The final checks run only while no error has been counted in the run.
    EXPECT_EQ(first.is_checked(), msg::get_error_count() == 0);

    std::string other_spelling = root + "/./sub/../a.idl";
    EXPECT_EQ(&reader.read_con(env, other_spelling.c_str()), &first);
    EXPECT_EQ(&reader.import_con(env, root.c_str(), "/", "a.idl"), &first);
    EXPECT_EQ(confiles.length(), 1);
    EXPECT_EQ(dependent.get_names().size(), 1u);
}

TEST_F(ConFileTest, ImportSearchesTheIncludeDirectories) {
    Reader reader(confiles, envfiles, dependent);
    write("b.idl", "typedef long B;\n");
    std::string include = "-I" + root;
    reader.set_cpp_option("-I/nonexistent");
    reader.set_cpp_option(include.c_str());
    ConFile& b = reader.import_con(env, "/elsewhere", "/", "b.idl");
    EXPECT_EQ(b.get_name(), (root + "/b.idl").c_str());
    EXPECT_EQ(b.get_resolution(), ConFile::done);
    EXPECT_FALSE(b.is_checked());  // an import is resolved at once, checked later
    EXPECT_THROW(reader.import_con(env, "/elsewhere", "/", "nothere.idl"), bad_file);
}

TEST_F(ConFileTest, ResolvedAndCheckedOnce) {
    Reader reader(confiles, envfiles, dependent);
    std::string path = write("c.idl", "struct S { long a; };\n");
    File* file = reader.open_file(path.c_str());
    ASSERT_NE(file, nullptr);
    ConFile* con = new ConFile(*new FileInfo("", path.c_str()), *file, reader, env);
    EXPECT_EQ(con->get_resolution(), ConFile::not_yet);
    int errors = msg::get_error_count();
    con->resolve_names();
    con->resolve_names();  // a second resolution would redeclare S
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_EQ(con->get_resolution(), ConFile::done);
    con->final_check();
    con->final_check();
    EXPECT_TRUE(con->is_checked());
    EXPECT_EQ(msg::get_error_count(), errors);
    EXPECT_STREQ(ConFile::resolution_word(7), "bogus");
}

TEST_F(ConFileTest, AbandonedParseLeavesAnEmptyList) {
    Reader reader(confiles, envfiles, dependent);
    std::string path = write("d.idl", "interface I {\n");
    int errors = msg::get_error_count();
    testing::internal::CaptureStderr();
    ConFile& d = reader.read_con(env, path.c_str());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(msg::get_error_count(), errors + 1);
    EXPECT_EQ(d.get_definitions().length(), 0);
    // Files with errors are not resolved.
    EXPECT_EQ(d.get_resolution(), ConFile::not_yet);
}

TEST_F(ConFileTest, FailedPreprocessorIsAnError) {
    Reader reader(confiles, envfiles, dependent);
    std::string path = write("e.idl", "#include \"no_such_file.idl\"\ntypedef long T;\n");
    int errors = msg::get_error_count();
    testing::internal::CaptureStderr();
    reader.read_con(env, path.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_GT(msg::get_error_count(), errors);
    EXPECT_NE(err.find("preprocessing `" + path + "' failed"), std::string::npos) << err;
}

TEST_F(ConFileTest, ParseGivenUpEarlyDoesNotFailThePreprocessor) {
    // The parse stops near the start of a long file; the preprocessor must
    // still be able to write the rest of its output.
    Reader reader(confiles, envfiles, dependent);
    std::string text = "const long C = " + std::string(20000, '(') + "1;\n";
    for (int i = 0; i < 20000; ++i) text += "typedef long T" + std::to_string(i) + ";\n";
    std::string path = write("f.idl", text);
    testing::internal::CaptureStderr();
    ConFile& f = reader.read_con(env, path.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("yacc stack overflow"), std::string::npos) << err;
    EXPECT_EQ(err.find("preprocessing"), std::string::npos) << err;
    EXPECT_EQ(f.get_definitions().length(), 0);
}
