#include <gtest/gtest.h>

#include <cerrno>
#include <iostream>
#include <sstream>

#include "lib/msg.h"
#include "ast/tree/printable.h"
#include "lib/flag.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

TEST(Msg, PrefixesAndLabels) {
    String file("a.idl");
    CaptureStderr();
    msg::warn(SrcLoc(file, 12), "look %s", "here");
    msg::inform("plain");
    msg::inform(SrcLoc(), "nowhere");
    EXPECT_EQ(GetCapturedStderr(),
              "a.idl:12: warning: look here\n"
              "quorvex: plain\n"
              ":0: nowhere\n");
}

TEST(Msg, CountedKindsAddToTheErrorCount) {
    int before = msg::get_error_count();
    String file("a.idl");
    CaptureStderr();
    msg::warn("not counted");
    msg::unimpl(SrcLoc(file, 3), "unions");
    msg::error("bad");
    errno = ENOENT;
    msg::ioerror("cannot find file `%s'", "x.idl");
    EXPECT_EQ(GetCapturedStderr(),
              "quorvex: warning: not counted\n"
              "a.idl:3: sorry, not implemented: unions\n"
              "quorvex: bad\n"
              "quorvex: cannot find file `x.idl'; No such file or directory\n");
    EXPECT_EQ(msg::get_error_count(), before + 3);
}

TEST(Msg, LongMessagesAreCutNotOverflowed) {
    std::string big(5000, 'x');
    CaptureStderr();
    msg::inform("%s", big.c_str());
    std::string out = GetCapturedStderr();
    EXPECT_EQ(out, "quorvex: " + std::string(msg::buffer_size - 1, 'x') + "\n");
}

TEST(MsgDeathTest, TheThirtyFirstErrorEndsTheRun) {
    EXPECT_EXIT(
        {
            while (msg::get_error_count() < 30) msg::error("e%d", msg::get_error_count() + 1);
            std::cerr << "still running\n";
            msg::error("one too many");
        },
        testing::ExitedWithCode(1),
        "still running\nquorvex: one too many\nquorvex: fatal error: too many errors\n$");
}

TEST(MsgDeathTest, PanicAsksForAReport) {
    EXPECT_EXIT(msg::panic("X::y: broken"), testing::ExitedWithCode(1),
                "quorvex: PANIC!  internal error: X::y: broken\n"
                "Please report this error to your friendly IDL tools person\n");
}

TEST(Flag, NoPrefixesToggleTheValue) {
    Flag::set("no-no-caseless");
    Flag* f = Flag::first();
    while (f && f->get_name() != "caseless") f = f->get_next();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(int(*f), 1);
    Flag::set("no-caseless");
    EXPECT_EQ(int(*f), 0);
    EXPECT_THROW(Flag::set("no-"), Flag_notfound);
    EXPECT_THROW(Flag::set("Caseless"), Flag_notfound);
}

TEST(Flag, ListingIsSortedAndFiltered) {
    static Flag late("aaa-late", "registered last, listed first");
    std::ostringstream out;
    Flag::list(out, "flags", Regex("debug-.*"), 0);
    std::string text = out.str();
    EXPECT_EQ(text.rfind("flags:\n   -faaa-late ", 0), 0u);
    EXPECT_EQ(text.find("debug-"), std::string::npos);
    EXPECT_NE(text.find("   -fcpp                  (on)   run source through C preprocessor\n"),
              std::string::npos);
    std::ostringstream none;
    testing::internal::CaptureStdout();
    Flag::list(none, "weird", Regex("^zzz"), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "no weird\n");
}

namespace {
struct Text : Printable {
    std::string s;
    explicit Text(std::string t) : s(std::move(t)) {}
    void print(std::ostream& out) const override { out << s; }
};
}  // namespace

TEST(Printable, AbbreviationKeepsTwentyEightCharactersAndDots) {
    EXPECT_EQ(Text(std::string(31, 'a')).abbrev_text(), std::string(31, 'a'));
    EXPECT_EQ(Text(std::string(32, 'a')).abbrev_text(), std::string(28, 'a') + "...");
    EXPECT_EQ(Text("two\nlines").abbrev_text(), "two lines");
    std::ostringstream out;
    out << IntPrintable(0) << " " << IntPrintable(0x21);
    EXPECT_EQ(out.str(), "0 0x21");
}
