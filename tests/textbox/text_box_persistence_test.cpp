// What a text box saves: its keys in their order with their defaults, values that come back
// after a save and load (the stored legend type winning over the one Legend derives; values
// out of range are in scripts/out_of_range).
#include <nlohmann/json.hpp>

#include "framework/form_file.h"
#include "text_box_support.h"

using namespace ulmaro;
using ulmaro::test::TextBoxForm;

namespace {

nlohmann::ordered_json propertiesOf(Form& form, std::size_t index) {
    return nlohmann::ordered_json::parse(formToText(form, "form.json"))["Controls"][index]["Properties"];
}

}  // namespace

TEST(TextBoxPersistence, DefaultsAsWritten) {
    TextBoxForm f;
    f.run("new ZynTextBox Text1 10 10 200 21\n");
    auto p = propertiesOf(*f.h.form, 0);
    EXPECT_EQ(p["Text"], "Text1");
    EXPECT_EQ(p["LegendMousePointer"], 32512);
    EXPECT_EQ(p["FocusBackColor"], static_cast<std::int32_t>(0x80000018));
    EXPECT_EQ(p["LegendWidth"], 30);  // as set, not the auto-sized width LegendWidth reports
    EXPECT_EQ(p["LegendAlignment"], 37);
}

TEST(TextBoxPersistence, ValuesComeBackAfterSaveAndLoad) {
    TextBoxForm f;
    f.run(
        "new ZynTextBox Text1 10 10 200 80\nset Text1.Multiline True\nset Text1.Legend \"Notes\"\n"
        "set Text1.LegendType 2\nset Text1.Round 3\nset Text1.Roundness 10\nset Text1.TabSize 8\n"
        "set Text1.FilterAllow \"abc\"\nset Text1.Filter True\nset Text1.ScrollBars 2\nset Text1.Text \"x\"\n"
        "set Text1.Font.Bold True\nset Text1.LegendWidth 44\nset Text1.LegendAutoSize False\n");
    const std::string saved = formToText(*f.h.form, "form.json");
    auto loaded = loadFormFromText(saved, "form.json");
    auto& t = dynamic_cast<ZynTextBox&>(*loaded->find("Text1"));
    EXPECT_TRUE(t.Multiline());
    EXPECT_EQ(t.LegendType(), 2);  // Legend would have made it 1
    EXPECT_EQ(t.Round(), 3);
    EXPECT_EQ(t.Roundness(), 10);
    EXPECT_EQ(t.TabSize(), 8);
    EXPECT_EQ(t.ScrollBars(), 2);
    EXPECT_TRUE(t.Font()->Bold());
    EXPECT_EQ(t.LegendWidth(), 44);
    EXPECT_EQ(t.Text(), "x");
    EXPECT_EQ(formToText(*loaded, "form.json"), saved);
}
