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
constexpr int ObjectNotSet = 91;
constexpr int InvalidPropertyValue = 380;
constexpr int ObjectRequired = 424;
constexpr int NotSupported = 438;
constexpr int WrongArguments = 450;
constexpr int DuplicateKey = 457;
}  // namespace errors

}  // namespace ulmaro
