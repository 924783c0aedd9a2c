// The input-script contract: bad lines stop the script with their line number, and the
// command renders and compares; the transcripts in scripts/ show messages, run-time errors
// (the script goes on), values in their one printed form and event handlers.
#include "support/transcript.h"

#include "app/typelib_text.h"

#include <ulmaro/platform/png.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace ulmaro;
using ulmaro::test::Harness;

TRANSCRIPTS("app");

// A bad line stops the script with its line number (comments count); what each bad line
// says is in scripts/bad_lines.
TEST(Script, BadLinesStopWithTheirLineNumber) {
    Harness h;
    const std::string err = h.runBad("new ZynCommand Command1 0 0 75 23\n# a comment line\njump 1 2\nget Command1.Caption\n");
    EXPECT_EQ(err, "script:3: unknown command jump\n");
    EXPECT_EQ(h.out.str(), "");
    EXPECT_EQ(h.runBad("on Command1.Click Button=\"two\"\ndown 1 1 1\n"), "script:1: Click has no argument Button\n");
}

TEST(Script, TypeLibraryListsMembersKeysDefaultsEventsAndEnumerations) {
    registerLibraryClasses();
    std::ostringstream out;
    app::printTypeLibrary(out);
    for (const char* line : {"class ZynCommand", "interface _ZynCommand", "1 Sub Refresh()", "Property ButtonType As ZynButtonTypes",
                             "Property hwnd As Long (read-only)", "events __ZynCommand\n    1 Click()", "\"Windows Xp\" = 0",
                             "6 Property CheckBox As Boolean  ' key \"Checkbox\", default False\n",
                             "Property BackColor As OLE_COLOR  ' key \"BackColor\", default &H8000000F&\n",
                             "Property Caption As String  ' key \"Caption\", default the ambient DisplayName\n",
                             "Property Text As String (run-time only)\n"})
        EXPECT_NE(out.str().find(line), std::string::npos) << line;
}

TEST(Command, RenderWritesThePictureAndPrintsEvents) {
    std::string dir = ULMARO_BINARY_DIR;
    std::string script = dir + "/cli_script.txt", png = dir + "/cli_out.png", out = dir + "/cli_out.txt";
    std::ofstream(script) << "new ZynCommand Command1 10 10 75 23\nmove 20 20\ndown 1 20 20\nup 1 20 20\n";
    std::string cmd = dir + "/ulmaro render -o " + png + " --script " + script + " > " + out;
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream in(out);
    std::string printed((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(printed, "Command1.Click\n");
    platform::Image img;
    ASSERT_TRUE(platform::ReadPng(png, img));
    EXPECT_EQ(img.width, 640);
    EXPECT_EQ(img.height, 480);
    EXPECT_EQ(img.px[0], platform::RGB(236, 233, 216));
    // A bad script line exits with status 2.
    std::ofstream(script) << "bogus\n";
    EXPECT_EQ(WEXITSTATUS(std::system((cmd + " 2>/dev/null").c_str())), 2);
    // A malformed form file is refused with status 2 and nothing written.
    std::ofstream(dir + "/cli_bad.json") << "{\"Form\": {\"Width\": 10}\n";
    EXPECT_EQ(WEXITSTATUS(std::system((dir + "/ulmaro render " + dir + "/cli_bad.json -o " + dir + "/none.png 2>/dev/null").c_str())), 2);
}

TEST(Command, RenderExpectComparesWithAReferencePicture) {
    const std::string dir = ULMARO_BINARY_DIR;
    const std::string ulmaro = dir + "/ulmaro render ";
    auto status = [](const std::string& cmd) { return WEXITSTATUS(std::system(cmd.c_str())); };
    auto slurp = [](const std::string& path) {
        std::ifstream in(path);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    };
    std::ofstream(dir + "/expect_a.txt") << "new ZynCommand C1 4 4 60 24\nset C1.Caption \"A\"\n";
    std::ofstream(dir + "/expect_b.txt") << "new ZynCommand C1 4 4 60 24\nset C1.Caption \"B\"\n";
    std::remove((dir + "/expect_b.diff.png").c_str());
    ASSERT_EQ(status(ulmaro + "--script " + dir + "/expect_a.txt -o " + dir + "/expect_ref.png"), 0);
    // The same drawing matches its reference; another differs, with a picture of where.
    EXPECT_EQ(status(ulmaro + "--script " + dir + "/expect_a.txt -o " + dir + "/expect_a.png --expect " + dir +
                     "/expect_ref.png > " + dir + "/expect_out.txt"),
              0);
    EXPECT_EQ(slurp(dir + "/expect_out.txt"), "");
    EXPECT_EQ(status(ulmaro + "--script " + dir + "/expect_b.txt -o " + dir + "/expect_b.png --expect " + dir +
                     "/expect_ref.png > " + dir + "/expect_out.txt"),
              1);
    const std::string printed = slurp(dir + "/expect_out.txt");
    EXPECT_NE(printed.find(" pixels differ from " + dir + "/expect_ref.png\n"), std::string::npos) << printed;
    EXPECT_GT(std::stol(printed), 0);
    platform::Image diff;
    ASSERT_TRUE(platform::ReadPng(dir + "/expect_b.diff.png", diff));
    EXPECT_EQ(std::count(diff.px.begin(), diff.px.end(), platform::RGB(255, 0, 0)), std::stol(printed));
    // A reference that cannot be read is an error of its own.
    EXPECT_EQ(status(ulmaro + "--script " + dir + "/expect_a.txt --expect " + dir + "/none.png 2>/dev/null"), 2);
}
