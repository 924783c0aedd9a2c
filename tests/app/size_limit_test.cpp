// One size limit for new, resize, form files and auto-sized labels: whatever a label grows
// to is saved and loads again, and a size the host cannot give ends the label's pass.
#include "support/harness.h"

#include "framework/form_file.h"
#include "framework/size_limit.h"

#include <filesystem>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

std::string loadError(const std::string& text) {
    try {
        loadFormFromText(text, "size.json");
    } catch (const FormFileError& e) {
        return e.what();
    }
    return "loaded";
}

int widthOf(Harness& h, const char* name) {
    platform::RECT b = h.form->boundsOf(*h.form->find(name));
    return b.right - b.left;
}

}  // namespace

TEST(SizeLimit, AutoSizedLabelsPastTheHostEndTheirPass) {
    // Each of these outgrows what the host gives a control; the pass ends with the size it
    // could get, and the script goes on.
    const std::string cases[] = {
        "set L1.Font.Size 1000\nset L1.Caption \"" + repeat("W", 60) + "\"\n",
        "set L1.Caption \"" + repeat("W", 6000) + "\"\n",
        "set L1.Caption \"" + repeat("<br>W", 1000) + "\"\n",
        "set L1.Font.Size 2160\nset L1.Caption \"" + repeat("W<br>", 60) + "\"\n",
    };
    for (const std::string& c : cases) {
        Harness h;
        h.run("new ZynLabel L1 0 0 100 20\n" + c + "set L1.AutoSize True\nset L1.Font.Size 8\nset L1.Caption \"Wx\"\n");
        platform::RECT b = h.form->boundsOf(*h.form->find("L1"));
        EXPECT_TRUE(sizeFits(b.right - b.left, b.bottom - b.top)) << c.substr(0, 40);
        // Still sizes itself afterwards.
        EXPECT_LT(b.right - b.left, 100) << c.substr(0, 40);
    }
}

TEST(SizeLimit, WhatALabelGrowsToIsSavedAndLoadsAgain) {
    Harness h;
    const std::string path = std::string(ULMARO_BINARY_DIR) + "/size_limit_wide.json";
    h.run("new ZynLabel L1 0 0 100 20\nset L1.Caption \"" + repeat("W", 3000) + "\"\nset L1.AutoSize True\nsave " + path + "\n");
    const int wide = widthOf(h, "L1");
    EXPECT_GT(wide, 30000);
    std::unique_ptr<Form> again;
    ASSERT_NO_THROW(again = loadForm(path));
    platform::RECT b = again->boundsOf(*again->find("L1"));
    EXPECT_EQ(b.right - b.left, wide);
    std::filesystem::remove(path);
}

TEST(SizeLimit, NewResizeAndFormFilesShareOneLimit) {
    Harness h;
    h.run("new ZynLabel C1 0 0 40000 20\nnew ZynLabel C2 -50000 50000 0 0\nresize C2 67108864 0\n");
    EXPECT_EQ(widthOf(h, "C1"), 40000);
    EXPECT_EQ(widthOf(h, "C2"), 67108864);
    for (const char* line : {"new ZynLabel C3 0 0 8193 8192", "resize C1 8193 8192", "resize C1 67108865 0"}) {
        std::string err = h.runBad(std::string(line) + "\n");
        EXPECT_TRUE(err.find("too large") != std::string::npos || err.find("out of range") != std::string::npos)
            << line << " -> " << err;
    }
    auto control = [](const std::string& size) {
        return "{\"Form\": {\"Width\": 100, \"Height\": 100}, \"Controls\": [\n{\"Class\": \"ZynCommand\", \"Name\": \"C1\", "
               "\"Left\": -50000, \"Top\": 0, " + size + "}]}";
    };
    EXPECT_EQ(loadError(control("\"Width\": 40000, \"Height\": 20")), "loaded");
    EXPECT_NE(loadError(control("\"Width\": 8193, \"Height\": 8192")).find("size.json:2: control C1: 8193 x 8192 is too large"),
              std::string::npos);
    EXPECT_NE(loadError("{\"Form\": {\"Width\": 9000, \"Height\": 9000}}").find("size.json:1: the form's size 9000 x 9000 is too large"),
              std::string::npos);
}
