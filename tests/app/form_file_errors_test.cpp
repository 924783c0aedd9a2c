// A form file that cannot load says where and what: the line, the control, the property and
// what it takes. Keys that differ only in letter case, names no script can use, and fonts
// that contradict themselves are refused rather than half taken.
#include "framework/form_file.h"

#include <gtest/gtest.h>

using namespace ulmaro;

namespace {

std::string loadError(const std::string& text) {
    registerLibraryClasses();
    try {
        loadFormFromText(text, "f.json");
    } catch (const FormFileError& e) {
        return e.what();
    }
    return "loaded";
}

// A form with one control whose properties (on line 3) are `props`.
std::string withControl(const std::string& props, const std::string& cls = "ZynCommand", const std::string& name = "C1",
                        const std::string& place = "\"Left\": 0, \"Top\": 0, \"Width\": 75, \"Height\": 23") {
    return "{\"Form\": {\"Width\": 100, \"Height\": 50},\n\"Controls\": [{\"Class\": \"" + cls + "\", \"Name\": \"" + name +
           "\", " + place + ", \"Properties\": {\n" + props + "}}]}";
}

}  // namespace

TEST(FormFileErrors, EachNamesItsLineAndWhatIsWrong) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {withControl("\"BackColor\": \"red\""), "f.json:3: control C1: property \"BackColor\" takes a whole number"},
        {withControl("\"Enabled\": null"), "f.json:3: control C1: property \"Enabled\" takes true or false (Boolean), not null"},
        {withControl("\"Font\": \"Arial\""), "f.json:3: control C1: property \"Font\" takes a font object"},
        {withControl("\"Appearance\": 70000", "ZynLabel"),
         "f.json:3: control C1: property \"Appearance\" has a value of the wrong type or range (error 6: Overflow)"},
        {withControl("\"Captoin\": \"x\""), "unknown property \"Captoin\" for class ZynCommand"},
        {withControl("", "ZynNothing"), "unknown class ZynNothing"},
        {"{\"Form\": {\"Width\": 100, \"Height\": 100}, \"Controls\": [], \"Load\": \"call List1.Clear\"}",
         "f.json:1: \"Load\" must be a list of script lines"},
        {"{\"Form\": {\"Width\": 100, \"Height\": 50},\n\"Controls\": [\n", "f.json:3"},
        {"{\"Form\": {\"Width\": 100, \"Height\": 50},\n\"Controls\": {}}", "f.json:2: \"Controls\" must be a list, not an object"},
        {"{\"Form\": {\"Width\": 200,\n \"Height\": 1E400}, \"Controls\": []}", "f.json:2: the number 1E400 is too large"},
        {"{\"Form\": {\"Width\": 200, \"Height\": \"tall\"}}", "f.json:1: \"Height\" must be a whole number, not the string \"tall\""},
        // Duplicates, in any letter case, name both lines.
        {withControl("\"Checkbox\": true,\n\"CheckBox\": false"), "f.json:4: \"CheckBox\" repeats the key \"Checkbox\" of line 3"},
        {withControl("\"caption\": \"a\", \"CAPTION\": \"b\""), "f.json:3: \"CAPTION\" repeats the key \"caption\" of line 3"},
        {"{\"Form\": {\"Width\": 100, \"Height\": 50, \"width\": 5}}", "\"width\" repeats the key \"Width\""},
        {"{\"Form\": {\"Width\": 100, \"Height\": 50}, \"Controls\": [\n"
         "{\"Class\": \"ZynLabel\", \"Name\": \"Title\", \"Left\": 0, \"Top\": 0, \"Width\": 9, \"Height\": 9},\n"
         "{\"Class\": \"ZynLabel\", \"Name\": \"TITLE\", \"Left\": 0, \"Top\": 0, \"Width\": 9, \"Height\": 9}]}",
         "f.json:3: control TITLE: the name TITLE is taken by the control of line 2"},
        // Names follow the identifier rule.
        {withControl("", "ZynCommand", "X Y"), "f.json:2: control X Y: \"X Y\" is not a control name"},
        {withControl("", "ZynCommand", "1st"), "is not a control name"},
        {withControl("", "ZynCommand", std::string(41, 'a')), "is not a control name"},
        // One size limit, as for new and resize.
        {withControl("", "ZynLabel", "C1", "\"Left\": 0, \"Top\": 0, \"Width\": 8193, \"Height\": 8192"),
         "f.json:2: control C1: 8193 x 8192 is too large"},
        {"{\"Form\": {\"Width\": 9000, \"Height\": 9000}}", "f.json:1: the form's size 9000 x 9000 is too large"},
        {withControl("", "ZynLabel", "C1", "\"Left\": 67108865, \"Top\": 0, \"Width\": 9, \"Height\": 9"),
         "\"Left\" is out of range (67108865; -67108864 to 67108864)"},
        // Bold is a view of Weight: a font that says both must agree.
        {withControl("\"Font\": {\"Name\": \"Tahoma\", \"Bold\": false,\n\"Weight\": 700}"),
         "f.json:4: control C1: font \"Font\": \"Bold\": false contradicts \"Weight\": 700"},
    };
    for (const Case& c : cases) {
        std::string m = loadError(c.text);
        EXPECT_NE(m.find(c.message), std::string::npos) << c.text << "\n -> " << m;
    }
    // What the rule allows loads, and an agreeing font too.
    EXPECT_EQ(loadError(withControl("", "ZynCommand", std::string("Save_2") + std::string(34, 'x'))), "loaded");
    EXPECT_EQ(loadError(withControl("\"Font\": {\"Bold\": true, \"Weight\": 700}")), "loaded");
    EXPECT_EQ(loadError(withControl("", "ZynLabel", "C1", "\"Left\": -50000, \"Top\": 0, \"Width\": 40000, \"Height\": 20")), "loaded");
}
