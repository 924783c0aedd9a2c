// The library's published classes and enumerations, registered once.
#include "bar/zyn_bar_element.h"
#include "bar/zyn_bar_tool.h"
#include "command/zyn_command.h"
#include "framework/dispatch.h"
#include "label/zyn_label.h"
#include "listbox/zyn_list_box.h"

namespace ulmaro {

void registerLibraryClasses() {
    static const bool done = [] {
        TypeLibrary& lib = TypeLibrary::instance();
        lib.addEnum(EnumInfo{"BackStyleEnum", {{"Transparent", 0}, {"Opaque", 1}}});
        lib.addEnum(EnumInfo{"CheckBoxValue", {{"Unchecked", 0}, {"Checked", 1}, {"Grayed", 2}}});
        lib.addEnum(EnumInfo{"ZynButtonTypes", {{"Windows Xp", 0}, {"Office Xp", 1}}});
        lib.addClass(ZynCommand::describe());
        lib.addEnum(EnumInfo{"AppearanceConstants", {{"Flat", 0}, {"3D", 1}}});
        lib.addEnum(EnumInfo{"BorderStyleConstants", {{"None", 0}, {"Fixed Single", 1}}});
        lib.addClass(ZynLabel::describe());
        lib.addClass(ZynListBox::describe());
        lib.addClass(ZynBarElement::describe());
        lib.addClass(ZynBarTool::describe());
        return true;
    }();
    (void)done;
}

}  // namespace ulmaro
