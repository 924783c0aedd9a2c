#include "framework/regexp.h"

#include "framework/numeric.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <map>
#include <utility>

#include <algorithm>
#include <cctype>

namespace ulmaro {

namespace {

constexpr int kRegExpSyntaxError = 5017;
constexpr int kOutOfStackSpace = 28;

// Enough for any backtracking the controls' patterns need over a 32 767-character text,
// while still stopping a runaway pattern.
constexpr std::uint32_t kMatchLimit = 100'000'000;
constexpr std::size_t kJitStackStart = 32 * 1024;
constexpr std::size_t kJitStackMax = 4 * 1024 * 1024;
constexpr std::size_t kCachedPatterns = 32;

}  // namespace

// The compiled pattern with what matching it needs; everything freed together.
struct RegExp::Engine {
    pcre2_code* code = nullptr;
    pcre2_match_data* data = nullptr;
    pcre2_match_context* context = nullptr;
    pcre2_jit_stack* jitStack = nullptr;
    std::uint32_t groups = 0;

    ~Engine() {
        pcre2_jit_stack_free(jitStack);
        pcre2_match_context_free(context);
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
};

RegExp::RegExp() = default;
RegExp::~RegExp() = default;

void RegExp::changed() { engine_.reset(); }

void RegExp::SetPattern(const std::string& pattern) {
    if (pattern == pattern_) return;
    pattern_ = pattern;
    changed();
}

void RegExp::SetIgnoreCase(bool on) {
    if (on == ignoreCase_) return;
    ignoreCase_ = on;
    changed();
}

void RegExp::SetMultiline(bool on) {
    if (on == multiline_) return;
    multiline_ = on;
    changed();
}

// Global only changes how many matches are looked for, not the compiled pattern.
void RegExp::SetGlobal(bool on) { global_ = on; }

RegExp::Engine& RegExp::compiled() {
    if (engine_) return *engine_;

    // Options that make the engine behave like the scripting component's: a back reference
    // to a group that did not take part matches the empty string, \u and \x take the
    // component's fixed-length forms, and without Multiline a $ matches only at the very
    // end. Lines end at CR, LF or CR LF.
    std::uint32_t options = PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALT_BSUX;
    if (ignoreCase_) options |= PCRE2_CASELESS;
    options |= multiline_ ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;

    // Compiling (to machine code) costs far more than a typical match, and callers such as
    // the label create a fresh pattern object for every layout pass: keep a few compiled
    // patterns for reuse. Matching never runs two searches on one engine at once.
    using Key = std::pair<std::string, std::uint32_t>;
    static std::map<Key, std::shared_ptr<Engine>> cache;
    Key key{pattern_, options};
    if (auto it = cache.find(key); it != cache.end()) {
        engine_ = it->second;
        return *engine_;
    }

    pcre2_compile_context* cc = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(cc, PCRE2_NEWLINE_ANYCRLF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern_.data()), pattern_.size(), options, &error,
                                     &errorOffset, cc);
    pcre2_compile_context_free(cc);
    if (!code) throw RuntimeError(kRegExpSyntaxError);

    auto engine = std::make_shared<Engine>();
    engine->code = code;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &engine->groups);
    engine->data = pcre2_match_data_create_from_pattern(code, nullptr);
    engine->context = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(engine->context, kMatchLimit);
    // Compiled to machine code where the engine supports it; otherwise it interprets.
    if (pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) == 0) {
        engine->jitStack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
        pcre2_jit_stack_assign(engine->context, nullptr, engine->jitStack);
    }
    if (cache.size() >= kCachedPatterns) cache.clear();
    cache.emplace(std::move(key), engine);
    engine_ = std::move(engine);
    return *engine_;
}

// Calls onMatch(ovector) for the first match, or for every match when `all`: the search
// resumes where a match ended, or one character further after an empty match, so an empty
// match is never found twice at the same place.
template <typename OnMatch>
void RegExp::scan(const std::string& source, bool all, OnMatch onMatch) {
    Engine& e = compiled();
    auto subject = reinterpret_cast<PCRE2_SPTR>(source.data());
    PCRE2_SIZE start = 0;
    while (start <= source.size()) {
        int rc = pcre2_match(e.code, subject, source.size(), start, 0, e.data, e.context);
        if (rc == PCRE2_ERROR_NOMATCH) return;
        // The engine gave up (a runaway backtracking pattern): the component runs out of
        // stack on such patterns.
        if (rc < 0) throw RuntimeError(kOutOfStackSpace);
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(e.data);
        onMatch(ov);
        if (!all) return;
        start = ov[1] > ov[0] ? ov[1] : ov[0] + 1;
    }
}

bool RegExp::Test(const std::string& source) {
    bool found = false;
    scan(source, false, [&](const PCRE2_SIZE*) { found = true; });
    return found;
}

MatchCollection RegExp::Execute(const std::string& source) {
    MatchCollection matches;
    std::uint32_t groups = compiled().groups;
    scan(source, global_, [&](const PCRE2_SIZE* ov) {
        Match m;
        m.FirstIndex = static_cast<std::int32_t>(ov[0]);
        m.Length = static_cast<std::int32_t>(ov[1] - ov[0]);
        m.Value = source.substr(ov[0], ov[1] - ov[0]);
        m.SubMatches.reserve(groups);
        for (std::uint32_t g = 1; g <= groups; ++g) {
            PCRE2_SIZE from = ov[2 * g], to = ov[2 * g + 1];
            m.SubMatches.push_back(from == PCRE2_UNSET ? std::string() : source.substr(from, to - from));
        }
        matches.push_back(std::move(m));
    });
    return matches;
}

namespace {

// Appends the replacement for one match, expanding its $ sequences.
void expand(const std::string& replacement, const std::string& source, const Match& m, std::string& out) {
    std::size_t groups = m.SubMatches.size();
    std::size_t n = replacement.size();
    auto digit = [&](std::size_t i) { return i < n && std::isdigit(static_cast<unsigned char>(replacement[i])); };
    for (std::size_t i = 0; i < n;) {
        char c = replacement[i];
        char next = i + 1 < n ? replacement[i + 1] : '\0';
        if (c != '$' || i + 1 == n) {
            out += c;
            ++i;
        } else if (next == '$') {
            out += '$';
            i += 2;
        } else if (next == '&') {
            out += m.Value;
            i += 2;
        } else if (next == '`') {
            out.append(source, 0, static_cast<std::size_t>(m.FirstIndex));
            i += 2;
        } else if (next == '\'') {
            out.append(source, static_cast<std::size_t>(m.FirstIndex + m.Length));
            i += 2;
        } else if (digit(i + 1)) {
            // Two digits name a group if there is one of that number; else one digit does.
            std::size_t one = static_cast<std::size_t>(next - '0');
            std::size_t two = digit(i + 2) ? one * 10 + static_cast<std::size_t>(replacement[i + 2] - '0') : 0;
            if (two >= 1 && two <= groups) {
                out += m.SubMatches[two - 1];
                i += 3;
            } else if (one >= 1 && one <= groups) {
                out += m.SubMatches[one - 1];
                i += 2;
            } else {
                out += '$';
                ++i;
            }
        } else {
            out += '$';
            ++i;
        }
    }
}

}  // namespace

std::string RegExp::Replace(const std::string& source, const std::string& replacement) {
    std::string out;
    std::size_t copied = 0;
    for (const Match& m : Execute(source)) {
        out.append(source, copied, static_cast<std::size_t>(m.FirstIndex) - copied);
        expand(replacement, source, m, out);
        copied = static_cast<std::size_t>(m.FirstIndex + m.Length);
    }
    out.append(source, copied);
    return out;
}

}  // namespace ulmaro
