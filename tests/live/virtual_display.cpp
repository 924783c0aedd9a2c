#include "virtual_display.h"

#include <poll.h>
#include <unistd.h>

#include <cctype>

namespace ulmaro::test {

bool VirtualDisplay::start(std::string& why) {
    // The server writes its display number to the descriptor once it is ready, having picked
    // a number no other server uses. It must not reset when its last client leaves: the
    // pointer would go back to the middle of the screen between two xdotool calls.
    int fds[2];
    if (pipe(fds) != 0) {
        why = "no pipe";
        return false;
    }
    std::string screen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    bool started = server_.start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"});
    close(fds[1]);
    if (!started) {
        close(fds[0]);
        why = "Xvfb could not be started";
        return false;
    }
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 20000) > 0) {
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n') break;
        number.push_back(c);
    }
    close(fds[0]);
    if (number.empty() || !std::isdigit(static_cast<unsigned char>(number[0]))) {
        server_.stop();
        why = "Xvfb did not report a display";
        return false;
    }
    name_ = ":" + number;
    return true;
}

}  // namespace ulmaro::test
