// The balloon an edit control shows for EM_SHOWBALLOONTIP: a tracking balloon tip pointing
// at the caret, with the title, text and icon it was given, until the user types, clicks,
// the edit loses the focus or EM_HIDEBALLOONTIP puts it away.
#pragma once

#include <ulmaro/platform/win32.h>

namespace ulmaro::platform::edit {

// Shows the balloon with its point at `at` (the edit's client coordinates); false for a
// record that is missing or too small.
BOOL ShowEditBalloon(HWND edit, POINT at, const EDITBALLOONTIP* tip);
// Hides the edit's balloon, if one shows; true if it did.
BOOL HideEditBalloon(HWND edit);
// The edit goes: its balloon window goes with it.
void ForgetEditBalloon(HWND edit);

}  // namespace ulmaro::platform::edit
