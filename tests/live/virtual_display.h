// A virtual X server (Xvfb) for the length of a test, on a display number it picks itself.
#pragma once

#include "child_process.h"

#include <string>

namespace ulmaro::test {

class VirtualDisplay {
public:
    // Starts the server and waits until it accepts clients. False, with the reason, if it
    // does not come up.
    bool start(std::string& why);
    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }
    std::string env() const { return "DISPLAY=" + name_; }

    static constexpr int kScreenWidth = 1280;
    static constexpr int kScreenHeight = 1024;

private:
    ChildProcess server_;
    std::string name_;
};

}  // namespace ulmaro::test
