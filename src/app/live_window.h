// `ulmaro run`: the form in a real window, fed the window system's input, timers on the
// real clock.
#pragma once

#include <string>

namespace ulmaro::app {

// Opens FORM (or the gallery when empty) in a window, after playing the set-up `script`
// (new objects, properties, calls) when one is named. With `screenshot`, writes the window's
// picture there after `quitAfterMs` milliseconds and exits. Returns the process status.
int runLiveWindow(const std::string& form, bool design, const std::string& screenshot, long quitAfterMs,
                  const std::string& script = {});

}  // namespace ulmaro::app
