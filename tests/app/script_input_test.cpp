// Script lines a new user writes: junk is shown as it is (names and Long literals are in
// scripts/), and command-line options that make sense.
#include "support/harness.h"

#include <cstdlib>

using namespace ulmaro;
using ulmaro::test::Harness;

TEST(ScriptInput, JunkIsShownAsItIs) {
    Harness h;
    EXPECT_NE(h.runBad(std::string("\x01\xFF" "ab\x7F" "c 1\n")).find("script:1: unknown command \\x01\\xFFab\\x7Fc"), std::string::npos);
}

TEST(ScriptInput, QuitAfterTakesNoNegativeTime) {
    const std::string ulmaro = std::string(ULMARO_BINARY_DIR) + "/ulmaro run --quit-after ";
    for (const char* v : {"-5", "soon", "5ms"})
        EXPECT_EQ(WEXITSTATUS(std::system((ulmaro + v + " 2>/dev/null").c_str())), 2) << v;
}
