// ZynCommand's persisted property set: keys, order, defaults, and one redraw per load.
#include "support/harness.h"

#include "command/zyn_command.h"
#include "framework/form_file.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

std::string tempPath(const std::string& name) { return std::string(ULMARO_BINARY_DIR) + "/" + name; }

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(CommandPersistence, WritesEveryKeyInItsOrderWithTheLowerCaseB) {
    Harness h;
    std::string path = tempPath("command_keys.json");
    h.run("new ZynCommand Command1 4 4 75 23\nsave " + path + "\n");
    auto doc = nlohmann::ordered_json::parse(readFile(path));
    std::vector<std::string> keys;
    for (auto it = doc["Controls"][0]["Properties"].begin(); it != doc["Controls"][0]["Properties"].end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"Enabled", "OfficeOverColor", "CenterPicture", "CenterText", "MustDrawFocus",
                                              "UseMask", "Checkbox", "HandPointer", "BackStyle", "Caption", "Font",
                                              "Picture", "BackColor", "MaskColor", "ForeColor", "ButtonType", "Value"}));
    auto props = doc["Controls"][0]["Properties"];
    EXPECT_EQ(props["Caption"], "Command1");  // the ambient display name
    EXPECT_EQ(props["OfficeOverColor"], static_cast<std::int32_t>(0x8000000D));
    EXPECT_EQ(props["ForeColor"], static_cast<std::int32_t>(0x80000012));
    EXPECT_EQ(props["Font"]["Name"], "MS Sans Serif");
    EXPECT_TRUE(props["Picture"].is_null());
}

TEST(CommandPersistence, LoadingThenSavingGivesTheSameFile) {
    Harness h;
    std::string first = tempPath("command_round1.json"), second = tempPath("command_round2.json");
    h.run("new ZynCommand Command1 4 4 75 23\nset Command1.Caption \"&Save \"\"all\"\"\"\nset Command1.ButtonType 1\n"
          "set Command1.CheckBox True\nset Command1.Value True\nset Command1.Font.Bold True\nsave " + first + "\n");
    auto form = loadForm(first);
    saveForm(*form, second);
    EXPECT_EQ(readFile(first), readFile(second));
    auto* c = dynamic_cast<ZynCommand*>(form->find("Command1"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Caption(), "&Save \"all\"");
    EXPECT_TRUE(c->CheckBox());
    EXPECT_TRUE(c->Value());
    EXPECT_TRUE(c->Font()->Bold());
}

TEST(CommandPersistence, ABagWithOnlyCaptionGivesDefaultsAndOneRedraw) {
    registerLibraryClasses();
    Form form(200, 100);
    PropertyBag bag;
    bag.WriteProperty("Caption", Variant("OK"));
    auto& c = dynamic_cast<ZynCommand&>(form.place("ZynCommand", "Command1", 0, 0, 75, 23, nullptr, &bag));
    EXPECT_EQ(c.Caption(), "OK");
    EXPECT_TRUE(c.Enabled());
    EXPECT_TRUE(c.CenterPicture());
    EXPECT_TRUE(c.CenterText());
    EXPECT_TRUE(c.MustDrawFocus());
    EXPECT_TRUE(c.UseMask());
    EXPECT_FALSE(c.CheckBox());
    EXPECT_FALSE(c.HandPointer());
    EXPECT_FALSE(c.Value());
    EXPECT_EQ(c.BackColor(), 0x8000000Fu);
    EXPECT_EQ(c.MaskColor(), 0x8000000Fu);
    EXPECT_EQ(c.ForeColor(), 0x80000012u);
    EXPECT_EQ(c.OfficeOverColor(), 0x8000000Du);
    EXPECT_EQ(c.ButtonType(), 0);
    EXPECT_EQ(c.BackStyle(), 1);
    EXPECT_EQ(c.Picture(), nullptr);
    EXPECT_EQ(c.Font()->Name(), "MS Sans Serif");
    // Loading draws once at its end; the host's Resize, Show and Paint that follow draw too.
    EXPECT_EQ(c.surface().clearCount(), 3);
}

TEST(CommandPersistence, LetsStoreAnyNumberAndHandPointerDoesNotRedraw) {
    Harness h;
    h.run("new ZynCommand Command1 0 0 75 23\n");
    auto& c = dynamic_cast<ZynCommand&>(*h.form->find("Command1"));
    int before = c.surface().clearCount();
    EXPECT_EQ(h.run("set Command1.HandPointer True\nget Command1.HandPointer\n"), "Command1.HandPointer = True\n");
    EXPECT_EQ(c.surface().clearCount(), before);
    EXPECT_EQ(h.run("set Command1.ButtonType 7\nget Command1.ButtonType\nset Command1.BackStyle -3\nget Command1.BackStyle\n"),
              "Command1.ButtonType = 7\nCommand1.BackStyle = -3\n");
    EXPECT_EQ(c.surface().clearCount(), before + 2);
}

TEST(CommandPersistence, AccessKeyFollowsTheCaption) {
    Harness h;
    h.run("new ZynCommand Command1 0 0 75 23\n");
    auto& s = h.form->find("Command1")->surface();
    auto caption = [&](const std::string& text) {
        h.run("set Command1.Caption \"" + text + "\"\n");
        return s.AccessKeys();
    };
    EXPECT_EQ(caption("&Apply"), "A");
    EXPECT_EQ(caption("Fish && Chips"), "");
    EXPECT_EQ(caption("R&&D &Lab"), "L");
    EXPECT_EQ(caption("&Next"), "N");
    EXPECT_EQ(caption("No key"), "N");  // no ampersand: the previous key stays
    EXPECT_EQ(caption("Last&"), "N");   // the ampersand is the last character
}

TEST(CommandPersistence, MalformedFormFilesAreRefusedWithFileLineAndControl) {
    registerLibraryClasses();
    auto message = [](const std::string& text) {
        try {
            loadFormFromText(text, "bad.json");
        } catch (const FormFileError& e) {
            return std::string(e.what());
        }
        return std::string("loaded");
    };
    EXPECT_NE(message("{\"Form\": {\"Width\": 100, \"Height\": 50},\n \"Controls\": [\n").find("bad.json:3"), std::string::npos);
    std::string wrongType =
        "{\"Form\": {\"Width\": 100, \"Height\": 50},\n\"Controls\": [\n"
        "{\"Class\": \"ZynCommand\", \"Name\": \"Command1\", \"Left\": 0, \"Top\": 0, \"Width\": 75, \"Height\": 23},\n"
        "{\"Class\": \"ZynCommand\", \"Name\": \"Command2\", \"Left\": 0, \"Top\": 0, \"Width\": 75, \"Height\": 23,\n"
        " \"Properties\": {\"Enabled\": \"maybe\"}}]}\n";
    std::string m = message(wrongType);
    EXPECT_NE(m.find("bad.json:5: control Command2: property \"Enabled\""), std::string::npos) << m;
    EXPECT_NE(message("{\"Form\": {\"Width\": 100, \"Height\": 50}, \"Controls\": [{\"Class\": \"ZynNothing\", \"Name\": \"X\", "
                      "\"Left\": 0, \"Top\": 0, \"Width\": 1, \"Height\": 1}]}")
                  .find("unknown class ZynNothing"),
              std::string::npos);
    EXPECT_NE(message("{\"Form\": {\"Width\": 100, \"Height\": 50}, \"Controls\": [{\"Class\": \"ZynCommand\", \"Name\": \"X\", "
                      "\"Left\": 0, \"Top\": 0, \"Width\": 1, \"Height\": 1, \"Properties\": {\"Captoin\": \"x\"}}]}")
                  .find("unknown property \"Captoin\""),
              std::string::npos);
}
