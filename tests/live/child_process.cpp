#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace ulmaro::test {

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        std::string full = (dir.empty() ? "." : dir) + "/" + program;
        if (access(full.c_str(), X_OK) == 0) return true;
    }
    return false;
}

namespace {

std::vector<std::string> childEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    for (const std::string& change : changes) {
        std::string name = change.substr(0, change.find('='));
        std::erase_if(env, [&](const std::string& v) { return v.compare(0, name.size() + 1, name + "=") == 0; });
        if (change.find('=') != std::string::npos) env.push_back(change);
    }
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (std::string& s : strings) p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

}  // namespace

bool ChildProcess::start(const std::vector<std::string>& argv, const SpawnOptions& options) {
    stop();
    std::vector<std::string> args = argv, env = childEnvironment(options.env);
    std::vector<char*> argp = pointers(args), envp = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    auto redirect = [&](int fd, const std::string& path) {
        const char* to = path.empty() ? "/dev/null" : path.c_str();
        posix_spawn_file_actions_addopen(&actions, fd, to, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    };
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    redirect(1, options.stdoutPath);
    redirect(2, options.stderrPath);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return false;
    pid_ = pid;
    return true;
}

std::optional<int> ChildProcess::wait(int ms) {
    if (pid_ <= 0) return std::nullopt;
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int status = 0;
        pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (r < 0) {
            pid_ = -1;
            return -1;
        }
        if (std::chrono::steady_clock::now() >= until) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void ChildProcess::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (wait(3000)) return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::optional<int> runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                              int timeoutMs, std::string* out) {
    char tmpl[] = "/tmp/ulmaro-run-XXXXXX";
    int fd = mkstemp(tmpl);
    if (fd < 0) return std::nullopt;
    close(fd);
    ChildProcess child;
    SpawnOptions options;
    options.env = env;
    options.stdoutPath = tmpl;
    std::optional<int> status;
    if (child.start(argv, options)) status = child.wait(timeoutMs);
    child.stop();
    if (out) *out = readFile(tmpl);
    unlink(tmpl);
    return status;
}

}  // namespace ulmaro::test
