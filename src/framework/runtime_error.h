// Run-time errors of the original language, carried as exceptions with their numbers.
#pragma once

#include <stdexcept>
#include <string>

namespace ulmaro {

// The host's standard message for a run-time error number.
std::string runtimeErrorMessage(int number);

struct RuntimeError : std::runtime_error {
    explicit RuntimeError(int n) : std::runtime_error(runtimeErrorMessage(n)), number(n) {}
    RuntimeError(int n, const std::string& message) : std::runtime_error(message), number(n) {}
    int number;
};

namespace errors {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int OutOfStackSpace = 28;
constexpr int ObjectNotSet = 91;
constexpr int InvalidPropertyValue = 380;
constexpr int ObjectRequired = 424;
constexpr int NotSupported = 438;
constexpr int WrongArguments = 450;
constexpr int DuplicateKey = 457;
}  // namespace errors

// Counts how deep a procedure that can call itself (through others) is nested, and stops it
// with run-time error 28 where the original language would have run out of stack, well
// before our own stack does. Nothing a program can observe happens between the levels.
class RecursionGuard {
public:
    explicit RecursionGuard(int& depth, int limit = 256) : depth_(depth) {
        if (depth_ >= limit) throw RuntimeError(errors::OutOfStackSpace);
        ++depth_;
    }
    ~RecursionGuard() { --depth_; }
    RecursionGuard(const RecursionGuard&) = delete;
    RecursionGuard& operator=(const RecursionGuard&) = delete;

private:
    int& depth_;
};

}  // namespace ulmaro
