// One size limit for new, resize, form files and auto-sized labels: whatever a label grows
// to is saved and loads again, and a size the host cannot give ends the label's pass.
#include "support/harness.h"

#include "framework/form_file.h"
#include "framework/size_limit.h"

#include <filesystem>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

platform::RECT boundsOf(const Form& f, const char* name) { return f.boundsOf(*f.find(name)); }

}  // namespace

TEST(SizeLimit, AutoSizedLabelsPastTheHostEndTheirPass) {
    std::string lines;
    for (int i = 0; i < 1000; ++i) lines += "<br>W";
    for (const std::string& c : {"set L1.Font.Size 1000\nset L1.Caption \"" + std::string(60, 'W') + "\"\n",
                                 "set L1.Caption \"" + std::string(6000, 'W') + "\"\n", "set L1.Caption \"" + lines + "\"\n"}) {
        Harness h;
        h.run("new ZynLabel L1 0 0 100 20\n" + c + "set L1.AutoSize True\n");
        platform::RECT b = boundsOf(*h.form, "L1");
        EXPECT_TRUE(sizeFits(b.right - b.left, b.bottom - b.top)) << c.substr(0, 40);
        // The label still sizes itself afterwards.
        h.run("set L1.Font.Size 8\nset L1.Caption \"Wx\"\n");
        EXPECT_LT(boundsOf(*h.form, "L1").right, 100) << c.substr(0, 40);
    }
}

TEST(SizeLimit, WhatALabelGrowsToIsSavedAndLoadsAgain) {
    Harness h;
    const std::string path = std::string(ULMARO_BINARY_DIR) + "/size_limit_wide.json";
    h.run("new ZynLabel L1 0 0 100 20\nset L1.Caption \"" + std::string(3000, 'W') + "\"\nset L1.AutoSize True\nsave " + path + "\n");
    const platform::RECT wide = boundsOf(*h.form, "L1");
    EXPECT_GT(wide.right, 30000);
    std::unique_ptr<Form> again;
    ASSERT_NO_THROW(again = loadForm(path));
    EXPECT_EQ(boundsOf(*again, "L1").right, wide.right);
    std::filesystem::remove(path);
}

TEST(SizeLimit, NewAndResizeShareTheLimit) {
    Harness h;
    h.run("new ZynLabel C1 0 0 40000 20\nnew ZynLabel C2 -50000 50000 0 0\nresize C2 67108864 0\n");
    EXPECT_EQ(boundsOf(*h.form, "C1").right, 40000);
    EXPECT_EQ(boundsOf(*h.form, "C2").right - boundsOf(*h.form, "C2").left, 67108864);
}
