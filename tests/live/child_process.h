// Programs the live-window tests start: the ulmaro command, a virtual X server, xdotool.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace ulmaro::test {

// Whether `program` is an executable on PATH.
bool onPath(const std::string& program);

struct SpawnOptions {
    // "NAME=VALUE" sets a variable for the child, "NAME" removes it.
    std::vector<std::string> env;
    std::string stdoutPath;  // empty: /dev/null
    std::string stderrPath;  // empty: /dev/null
};

// A child process that is always ended and reaped when the object goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `argv[0]` (looked up on PATH). False if it could not be started. The child
    // inherits the descriptors that are not close-on-exec.
    bool start(const std::vector<std::string>& argv, const SpawnOptions& options = {});
    // Waits up to `ms` for the child to end: its exit status (128 + signal if killed), or
    // nothing if it is still running.
    std::optional<int> wait(int ms);
    // Asks the child to end, then forces it; reaps it.
    void stop();
    bool running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
};

// Runs a program to its end (at most `timeoutMs`) and returns its exit status, or nothing
// on a time-out; what it printed goes to `out` if given.
std::optional<int> runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                              int timeoutMs, std::string* out = nullptr);

std::string readFile(const std::string& path);

}  // namespace ulmaro::test
