// A double click as the window system reports it: the second press arrives as a double
// click, not as a press, and its release raises no Click.
#include "framework/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ulmaro {
namespace {

// Writes down the pointer notifications it gets.
class PointerRecorder : public Control {
public:
    static ClassInfo describe() { return ClassBuilder<PointerRecorder>("TestPointerRecorder", "records pointer notifications").build(); }
    std::vector<std::string> log;

    void MouseDown(std::int16_t& b, std::int16_t&, float&, float&) override { log.push_back("down" + std::to_string(b)); }
    void MouseUp(std::int16_t& b, std::int16_t&, float&, float&) override { log.push_back("up" + std::to_string(b)); }
    void Click() override { log.push_back("click"); }
    void DblClick() override { log.push_back("dblclick"); }
};

struct DoubleClick : ::testing::Test {
    Form form{100, 60};
    PointerRecorder* rec = nullptr;
    void SetUp() override {
        TypeLibrary::instance().addClass(PointerRecorder::describe());
        rec = static_cast<PointerRecorder*>(&form.place("TestPointerRecorder", "Rec", 10, 10, 40, 20));
    }
    using Log = std::vector<std::string>;
};

// As its parts: the second press alone, then its release (whole, as a script's "dblclick",
// in tests/label/scripts). The next single click is an ordinary one again.
TEST_F(DoubleClick, InTheWindowSystemsOrder) {
    form.mouseDown(1, 20, 15);
    form.mouseUp(1, 20, 15);
    form.dblClickPress(20, 15);
    form.mouseUp(1, 20, 15);
    form.mouseDown(1, 20, 15);
    form.mouseUp(1, 20, 15);
    EXPECT_EQ(rec->log, (Log{"down1", "up1", "click", "dblclick", "up1", "down1", "up1", "click"}));
}

TEST_F(DoubleClick, TheHeldDoubleClickFollowsThePointerOut) {
    // Released outside the control: the control that got the double click hears the release.
    form.dblClickPress(20, 15);
    form.mouseUp(1, 90, 50);
    EXPECT_EQ(rec->log, (Log{"dblclick", "up1"}));
}

}  // namespace
}  // namespace ulmaro
