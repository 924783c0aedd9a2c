// The library's published classes and enumerations, registered once.
#include "bar/zyn_bar_element.h"
#include "bar/zyn_bar_tool.h"
#include "checkoption/zyn_check_box.h"
#include "checkoption/zyn_option_button.h"
#include "command/zyn_command.h"
#include "frame/zyn_draw_edge.h"
#include "frame/zyn_frame.h"
#include "framework/dispatch.h"
#include "label/zyn_label.h"
#include "listbox/zyn_list_box.h"
#include "progress/zyn_progress_bar.h"
#include "scrollbar/zyn_scroll_bar.h"
#include "textbox/zyn_text_box.h"
#include "tooltips/zyn_tool_tip.h"
#include "tooltips/zyn_tool_tips.h"

namespace ulmaro {

void registerLibraryClasses() {
    static const bool done = [] {
        TypeLibrary& lib = TypeLibrary::instance();
        // Published for the classes that take a check state.
        lib.addEnum(EnumInfo{"CheckBoxValue", {{"Unchecked", 0}, {"Checked", 1}, {"Grayed", 2}}});
        // One line per class; a class brings its enumerations with it.
        lib.addClass(ZynCommand::describe());
        lib.addClass(ZynLabel::describe());
        lib.addClass(ZynCheckBox::describe());
        lib.addClass(ZynOptionButton::describe());
        lib.addClass(ZynListBox::describe());
        lib.addClass(ZynProgressBar::describe());
        lib.addClass(ZynScrollBar::describe());
        lib.addClass(ZynFrame::describe());
        lib.addEnum(EnumInfo{"Edge_Rect", {{"BF_RIGHT", 4}, {"BF_TOP", 2}, {"BF_BOTTOM", 8}, {"BF_LEFT", 1}, {"BF_RECT", 15}, {"BF_BOTTOM_TOP", 10}}});
        lib.addEnum(EnumInfo{"Edge_Style", {{"EDGE_BUMP", 9}, {"EDGE_ETCHED", 6}, {"EDGE_RAISED", 5}, {"EDGE_SUNKEN", 10}}});
        lib.addClass(ZynDrawEdge::describe());
        lib.addClass(ZynBarElement::describe());
        lib.addClass(ZynBarTool::describe());
        lib.addClass(ZynTextBox::describe());
        lib.addClass(ZynToolTip::describe());
        lib.addClass(ZynToolTips::describe());
        return true;
    }();
    (void)done;
}

}  // namespace ulmaro
