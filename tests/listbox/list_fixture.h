// A form with one list box, driven through input scripts, with the list's inner state at
// hand for the checks scripts cannot make.
#pragma once

#include "support/harness.h"

#include "listbox/zyn_list_box.h"

#include <string>

namespace ulmaro::test {

// List1 sits at (10, 10), 150 x 120 pixels, captioned "List1" in the form's 8.25-point font:
// a 20-pixel title, 16-pixel rows, six whole rows, and a scroll bar from the seventh item.
struct ListForm {
    Harness h{400, 300};
    ZynListBox* list;

    explicit ListForm(int items = 0, const std::string& extra = {})
        : list(&h.place<ZynListBox>("new ZynListBox List1 10 10 150 120")) {
        h.run(extra);
        add(items);
    }
    void add(int items) {
        std::string s;
        for (int i = 0; i < items; ++i) s += "call List1.AddItem \"Item " + std::to_string(i) + "\"\n";
        h.run(s);
    }
    std::string get(const std::string& what) { return h.run("get List1." + what + "\n"); }
    // Form coordinates of the middle of visible row `row`.
    static int rowY(int row) { return 10 + 20 + 16 * row + 8; }
    // Which items are selected, as a string of 0s and 1s over the slots.
    std::string selection() const {
        std::string s;
        for (std::size_t i = 0; i < list->slotCount(); ++i) s += list->Selected(static_cast<std::int32_t>(i)) ? '1' : '0';
        return s;
    }
};

}  // namespace ulmaro::test
