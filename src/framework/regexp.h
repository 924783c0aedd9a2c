// A regular-expression pattern object shaped like the scripting component the host offers:
// Pattern, IgnoreCase, Global and Multiline, with Test, Execute and Replace. Matching is
// leftmost-first with backtracking; a global search finds non-overlapping matches from left
// to right. Strings are single-byte (ANSI) text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ulmaro {

struct Match {
    std::int32_t FirstIndex = 0;  // 0-based position in the source
    std::int32_t Length = 0;
    std::string Value;
    // The capture groups in order; a group that took no part in the match is empty.
    std::vector<std::string> SubMatches;
};

using MatchCollection = std::vector<Match>;

class RegExp {
public:
    RegExp();
    ~RegExp();
    RegExp(const RegExp&) = delete;
    RegExp& operator=(const RegExp&) = delete;

    const std::string& Pattern() const { return pattern_; }
    void SetPattern(const std::string& pattern);
    bool IgnoreCase() const { return ignoreCase_; }
    void SetIgnoreCase(bool on);
    bool Global() const { return global_; }
    void SetGlobal(bool on);
    bool Multiline() const { return multiline_; }
    void SetMultiline(bool on);

    // True if the pattern matches anywhere in source.
    bool Test(const std::string& source);
    // The first match, or with Global every match, from left to right.
    MatchCollection Execute(const std::string& source);
    // Source with the first match (every match with Global) replaced. In the replacement,
    // $1..$99 insert a group, $& the match, $` the text before it, $' the text after it and
    // $$ a dollar sign; any other $ is kept as it is.
    std::string Replace(const std::string& source, const std::string& replacement);

private:
    struct Engine;

    Engine& compiled();
    void changed();
    template <typename OnMatch>
    void scan(const std::string& source, bool all, OnMatch onMatch);

    std::string pattern_;
    bool ignoreCase_ = false;
    bool global_ = false;
    bool multiline_ = false;
    std::shared_ptr<Engine> engine_;  // compiled pattern, found or made on first use after a change
};

}  // namespace ulmaro
