#include "live_window.h"

#include <iostream>

namespace ulmaro::app {

int runLiveWindow(const std::string&, bool, const std::string&, long) {
    std::cerr << "ulmaro: the live window is not available in this build\n";
    return 3;
}

}  // namespace ulmaro::app
