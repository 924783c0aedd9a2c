// One entry per untrusted input the library reads. Each takes arbitrary bytes, feeds them to
// the reader the way a user's file or script would reach it, and aborts only on a fault:
// a crash, an exception the reader does not document, or a broken invariant (a form that
// saves but does not reload to the same text, a handle left behind). libFuzzer drives
// them (`make fuzz`); tests/fuzz replays the seed corpora and every input that once failed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ulmaro::fuzz {

int FormFile(const std::uint8_t* data, std::size_t size);
int Script(const std::uint8_t* data, std::size_t size);
int Markup(const std::uint8_t* data, std::size_t size);
int Picture(const std::uint8_t* data, std::size_t size);
int Dispatch(const std::uint8_t* data, std::size_t size);
int EditKeys(const std::uint8_t* data, std::size_t size);
int GdiCalls(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string_view name;
    int (*run)(const std::uint8_t*, std::size_t);
};
inline constexpr Target kTargets[] = {
    {"form_file", FormFile}, {"script", Script}, {"markup", Markup}, {"picture", Picture}, {"dispatch", Dispatch},
    {"edit_keys", EditKeys}, {"gdi_calls", GdiCalls},
};

// Stops the run with a message: libFuzzer keeps the input that got here.
[[noreturn]] void Fault(std::string_view what);

}  // namespace ulmaro::fuzz
