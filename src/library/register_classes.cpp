// The library's published classes and enumerations, registered once.
#include "command/zyn_command.h"
#include "framework/dispatch.h"
#include "label/zyn_label.h"

namespace ulmaro {

void registerLibraryClasses() {
    static const bool done = [] {
        TypeLibrary& lib = TypeLibrary::instance();
        // Published for the classes that take a check state.
        lib.addEnum(EnumInfo{"CheckBoxValue", {{"Unchecked", 0}, {"Checked", 1}, {"Grayed", 2}}});
        // One line per class; a class brings its enumerations with it.
        lib.addClass(ZynCommand::describe());
        lib.addClass(ZynLabel::describe());
        return true;
    }();
    (void)done;
}

}  // namespace ulmaro
