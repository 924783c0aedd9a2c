// The persisted property sets of the check box and the option button: defaults from the
// ambient properties, and values that come back after a save and load.
#include "support/transcript.h"

#include "checkoption/zyn_check_box.h"
#include "checkoption/zyn_option_button.h"
#include "framework/form_file.h"

#include <nlohmann/json.hpp>

#include <fstream>

using namespace ulmaro;
using ulmaro::test::Harness;

TRANSCRIPTS("checkoption");

namespace {

std::string tempPath(const std::string& name) { return std::string(ULMARO_BINARY_DIR) + "/" + name; }

nlohmann::ordered_json savedProperties(Harness& h, const std::string& file, std::size_t index) {
    const std::string path = tempPath(file);
    h.run("save " + path + "\n");
    std::ifstream in(path, std::ios::binary);
    return nlohmann::ordered_json::parse(in)["Controls"][index]["Properties"];
}

}  // namespace

TEST(CheckOptionPersistence, DefaultsTakeTheAmbientValues) {
    Harness h;
    h.run("new ZynCheckBox Check1 4 4 100 17\nnew ZynOptionButton Option1 4 24 100 17\n");
    auto check = savedProperties(h, "checkoption_keys.json", 0);
    EXPECT_EQ(check["Caption"], "Check1");
    EXPECT_EQ(check["Value"], 0);
    EXPECT_EQ(check["BackStyle"], 1);
    EXPECT_EQ(check["BackColor"], static_cast<std::int32_t>(0x8000000F));  // the form's colours
    EXPECT_EQ(check["ForeColor"], static_cast<std::int32_t>(0x80000012));
    auto option = savedProperties(h, "checkoption_keys.json", 1);
    EXPECT_EQ(option["Group"], 0);
}

TEST(CheckOptionPersistence, SavedValuesComeBack) {
    Harness h;
    h.run("new ZynCheckBox Check1 4 4 100 17\nset Check1.Value 2\nset Check1.Enabled False\n"
          "set Check1.Caption \"&Grey\"\nset Check1.BackStyle 0\n"
          "new ZynOptionButton Option1 4 24 100 17\nset Option1.Group -3\nset Option1.Value 1\n"
          "set Option1.BackColor 255\nset Option1.Font.Bold True\n");
    const std::string path = tempPath("checkoption_roundtrip.json");
    h.run("save " + path + "\n");
    std::unique_ptr<Form> loaded = loadForm(path);
    auto* check = dynamic_cast<ZynCheckBox*>(loaded->find("Check1"));
    auto* option = dynamic_cast<ZynOptionButton*>(loaded->find("Option1"));
    ASSERT_TRUE(check && option);
    EXPECT_EQ(check->Value(), 2);
    EXPECT_FALSE(check->Enabled());
    EXPECT_EQ(check->ForeColor(), 0x80000011u);  // disabling saved the gray text colour
    EXPECT_EQ(check->Caption(), "&Grey");
    EXPECT_EQ(check->surface().AccessKeys(), "G");
    EXPECT_EQ(check->BackStyle(), 0);
    EXPECT_EQ(check->GlyphIndex(), 3);
    EXPECT_EQ(option->Group(), -3);
    EXPECT_EQ(option->Value(), 1);
    EXPECT_EQ(option->BackColor(), 255u);
    EXPECT_TRUE(option->Font()->Bold());
}
