// The example form: its load lines fill the lists when it opens, and it round-trips with
// them.
#include "list_fixture.h"

#include "app/script.h"
#include "framework/form_file.h"

using namespace ulmaro;

TEST(ListExample, LoadLinesFillTheListsAndAreSavedBack) {
    registerLibraryClasses();
    const std::string path = ULMARO_SOURCE_DIR "/examples/listbox.json";
    std::unique_ptr<Form> form = loadForm(path);
    auto* tasks = dynamic_cast<ZynListBox*>(form->find("TaskList"));
    ASSERT_NE(tasks, nullptr);
    EXPECT_EQ(tasks->ListCount(), 0);  // items are not saved with the control
    std::ostringstream out, err;
    app::ScriptRunner runner(form, out);
    ASSERT_EQ(runner.runFormLoad(path, err), 0) << err.str();
    EXPECT_EQ(tasks->ListCount(), 5);
    EXPECT_EQ(tasks->Text(), "Write the report");
    EXPECT_TRUE(tasks->Selected(2));
    EXPECT_EQ(dynamic_cast<ZynListBox*>(form->find("FileList"))->ListIndex(), 4);
    EXPECT_NE(formToText(*form, path).find("\"Load\": [\n    \"call TaskList.AddItem"), std::string::npos);
}

TEST(ListExample, ABadLoadLineIsRefusedWithItsLine) {
    registerLibraryClasses();
    const std::string head = "{\"Form\": {\"Width\": 100, \"Height\": 100}, \"Controls\": [], \"Load\": ";
    std::unique_ptr<Form> form = loadFormFromText(head + "[\"call Nobody.Clear\"]}", "bad.json");
    std::ostringstream out, err;
    app::ScriptRunner runner(form, out);
    EXPECT_EQ(runner.runFormLoad("bad.json", err), 2);
    EXPECT_EQ(err.str(), "bad.json (Load):1: no control named Nobody\n");
}
