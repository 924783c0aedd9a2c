// Script lines a new user writes: junk is shown as it is, Long literals with their "&",
// names that scripts can use again, and command-line options that make sense.
#include "support/harness.h"

#include <cstdlib>

using namespace ulmaro;
using ulmaro::test::Harness;

TEST(ScriptInput, JunkAndNamesAreRefusedClearly) {
    Harness h;
    EXPECT_NE(h.runBad(std::string("\x01\xFF" "ab\x7F" "c 1\n")).find("script:1: unknown command \\x01\\xFFab\\x7Fc"), std::string::npos);
    for (const char* name : {"X-Y", "1st", "_x", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"}) {
        std::string err = h.runBad("new ZynCommand " + std::string(name) + " 0 0 10 10\n");
        EXPECT_NE(err.find("is not a control name"), std::string::npos) << name << " -> " << err;
    }
    EXPECT_EQ(h.run("new ZynCommand Save_2 0 0 10 10\nnew ZynCommand aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 0 0 10 10\n"), "");
}

TEST(ScriptInput, LongLiteralsKeepTheirTrailingAmpersand) {
    Harness h;
    h.run("new ZynCommand C1 0 0 75 23\n");
    EXPECT_EQ(h.run("set C1.ForeColor &HFFFF&\nget C1.ForeColor\nset C1.ForeColor 255&\nget C1.ForeColor\n"),
              "C1.ForeColor = 65535\nC1.ForeColor = 255\n");
    // Without it, four hexadecimal digits are an Integer.
    EXPECT_EQ(h.run("set C1.Caption &HFFFF\nget C1.Caption\n"), "C1.Caption = \"-1\"\n");
    EXPECT_NE(h.runBad("set C1.ForeColor &HFFFF&&\n").find("not a value"), std::string::npos);
}

TEST(ScriptInput, QuitAfterTakesNoNegativeTime) {
    const std::string ulmaro = std::string(ULMARO_BINARY_DIR) + "/ulmaro run --quit-after ";
    for (const char* v : {"-5", "soon", "5ms"})
        EXPECT_EQ(WEXITSTATUS(std::system((ulmaro + v + " 2>/dev/null").c_str())), 2) << v;
}
