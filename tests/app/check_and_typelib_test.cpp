// `ulmaro check` reports every problem of a form file, not just the first, and `ulmaro
// typelib --json` publishes the same table the loader and the scripts use.
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    int status;
    std::string out;
};

Outcome ulmaro(const std::string& args) {
    const std::string cmd = std::string(ULMARO_BINARY_DIR) + "/ulmaro " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    return Outcome{WEXITSTATUS(pclose(p)), out};
}

}  // namespace

TEST(Check, ReportsEveryProblemWithItsLineAndGoesOnPastEachOne) {
    const std::string path = std::string(ULMARO_BINARY_DIR) + "/check_bad.json";
    std::ofstream(path) << "{\n"
                           "  \"Form\": {\"Width\": 200, \"Height\": 100, \"Colour\": 3},\n"
                           "  \"Controls\": [\n"
                           "    {\"Class\": \"ZynCommand\", \"Name\": \"C1\", \"Left\": 0, \"Top\": 0, \"Width\": 50, \"Height\": 20,\n"
                           "     \"Properties\": {\"BackColor\": \"red\", \"Nope\": 1}},\n"
                           "    {\"Class\": \"ZynNothing\", \"Name\": \"X\", \"Left\": 0, \"Top\": 0, \"Width\": 5, \"Height\": 5},\n"
                           "    {\"Class\": \"ZynLabel\", \"Name\": \"L1\", \"Left\": 0, \"Top\": 30, \"Width\": 50, \"Height\": 20},\n"
                           "    {\"Class\": \"ZynLabel\", \"Name\": \"l1\", \"Left\": 0, \"Top\": 30, \"Width\": 50, \"Height\": 20}\n"
                           "  ]\n"
                           "}\n";
    const Outcome r = ulmaro("check " + path);
    EXPECT_EQ(r.status, 2);
    for (const char* expected : {":2: unknown form key \"Colour\"", ":5: control C1: property \"BackColor\" takes",
                                 ":5: control C1: unknown property \"Nope\"", ":6: control X: unknown class ZynNothing",
                                 ":8: control l1: the name l1 is taken by the control of line 7"})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;

    const Outcome clean = ulmaro("check " ULMARO_SOURCE_DIR "/examples/gallery.json " ULMARO_SOURCE_DIR "/examples/labels.json");
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(ulmaro("check " + path + " " ULMARO_SOURCE_DIR "/examples/labels.json").status, 2);
    EXPECT_NE(ulmaro("check /nonexistent.json").out.find("cannot open"), std::string::npos);
}

TEST(TypelibJson, CarriesKeysDefaultsEventsAndEnumerations) {
    const Outcome r = ulmaro("typelib --json");
    ASSERT_EQ(r.status, 0);
    const auto lib = nlohmann::json::parse(r.out);
    auto cls = [&](const std::string& name) {
        for (const auto& c : lib["classes"])
            if (c["name"] == name) return c;
        return nlohmann::json();
    };
    auto member = [](const nlohmann::json& c, const std::string& name) {
        for (const auto& m : c["members"])
            if (m["name"] == name) return m;
        return nlohmann::json();
    };
    const auto list = cls("ZynListBox");
    EXPECT_EQ(member(list, "AutoSize")["key"], "AutoSize");
    EXPECT_EQ(member(list, "AutoSize")["readKey"], "autosize");
    EXPECT_EQ(member(list, "ListIndex")["default"], -1);
    const auto command = cls("ZynCommand");
    EXPECT_EQ(member(command, "CheckBox")["key"], "Checkbox");
    EXPECT_EQ(member(command, "BackColor")["default"], static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(member(command, "Caption")["ambientDefault"], "DisplayName");
    EXPECT_TRUE(member(command, "hwnd")["runtimeOnly"].get<bool>());
    bool mouseDown = false;
    const auto label = cls("ZynLabel");
    for (const auto& e : label["events"])
        if (e["name"] == "MouseDown")
            mouseDown = e["number"] == 2 && e["params"].size() == 4 && e["params"][0]["byRef"].get<bool>() && e["params"][3]["type"] == "Single";
    EXPECT_TRUE(mouseDown);
    bool edgeEnum = false;
    for (const auto& e : lib["enums"])
        if (e["name"] == "Edge_Rect") edgeEnum = e["values"]["BF_RECT"] == 15;
    EXPECT_TRUE(edgeEnum);
}
