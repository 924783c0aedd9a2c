// A form file that cannot load says where and what: the line, the control, the property and
// what it takes (the cases are form files with their transcripts in scripts/).
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

// The messages of the loader, one bad form file each, are the form_* transcripts in
// scripts/; here the error is one that stops the load, naming the file as given.
TEST(FormFileErrors, StopTheLoadAndNameTheFile) {
    EXPECT_EQ(loadError(withControl("\"Captoin\": \"x\"")), "f.json:3: control C1: unknown property \"Captoin\" for class ZynCommand");
}
