// The text of an edit control: its characters and where its lines start.
//
// The characters live in a gap buffer, so typing at one place moves nothing but the gap.
// A line ends after each CR LF pair. Line starts are kept in one vector; the starts after
// the last edited line carry a pending shift (applied lazily), so an edit costs time in
// proportion to the lines it touches and to how far it is from the previous edit, not to
// the length of the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ulmaro::platform::edit {

class EditText {
public:
    EditText() = default;
    explicit EditText(std::string_view s) { assign(s); }

    std::size_t length() const { return buf_.size() - gapLength(); }
    char at(std::size_t pos) const { return pos < gapStart_ ? buf_[pos] : buf_[pos + gapLength()]; }
    std::string slice(std::size_t pos, std::size_t count) const;
    std::string str() const { return slice(0, length()); }

    void assign(std::string_view s);
    // Replaces `count` characters at `pos` (both clamped to the text) with `s`.
    void replace(std::size_t pos, std::size_t count, std::string_view s);

    // Lines: at least one. The start of a line past the last is the text length.
    std::size_t lineCount() const { return starts_.size(); }
    std::size_t lineStart(std::size_t line) const;
    // Length of a line without its CR LF.
    std::size_t lineLength(std::size_t line) const;
    std::size_t lineOf(std::size_t pos) const;
    // Whether `pos` falls between the CR and the LF of a line break.
    bool insideBreak(std::size_t pos) const {
        return pos > 0 && pos < length() && at(pos - 1) == '\r' && at(pos) == '\n';
    }

private:
    std::size_t gapLength() const { return gapEnd_ - gapStart_; }
    void moveGap(std::size_t pos);
    void reserveGap(std::size_t need);
    // Moves the point from which the pending shift applies to line index `i`.
    void movePending(std::size_t i);

    std::vector<char> buf_;
    std::size_t gapStart_ = 0, gapEnd_ = 0;
    // starts_[i] + (i >= pendingFrom_ ? pendingShift_ : 0) is where line i starts.
    std::vector<std::size_t> starts_{0};
    std::size_t pendingFrom_ = 1;
    std::ptrdiff_t pendingShift_ = 0;
};

}  // namespace ulmaro::platform::edit
