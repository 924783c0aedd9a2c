// A form file that cannot load says where and what: the line, the control, the property and
// what it takes. The cases are form files with their transcripts in scripts/ (form_*); here
// the error stops the load and names the file as the caller gave it.
#include "framework/form_file.h"

#include <gtest/gtest.h>

using namespace ulmaro;

TEST(FormFileErrors, StopTheLoadAndNameTheFile) {
    registerLibraryClasses();
    try {
        loadFormFromText("{\"Form\": {\"Width\": 100, \"Height\": 50},\n\"Controls\": [{\"Class\": \"ZynCommand\", \"Name\": \"C1\", "
                         "\"Left\": 0, \"Top\": 0, \"Width\": 75, \"Height\": 23, \"Properties\": {\n\"Captoin\": \"x\"}}]}",
                         "f.json");
        ADD_FAILURE() << "loaded";
    } catch (const FormFileError& e) {
        EXPECT_STREQ(e.what(), "f.json:3: control C1: unknown property \"Captoin\" for class ZynCommand");
    }
}
