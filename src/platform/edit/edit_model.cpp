#include "edit_model.h"

#include <algorithm>

namespace ulmaro::platform::edit {

std::size_t EditModel::clampPos(std::size_t pos) const {
    pos = std::min(pos, length());
    // The caret never sits between the CR and the LF of a line break.
    if (text_.insideBreak(pos)) --pos;
    return pos;
}

void EditModel::select(std::size_t anchor, std::size_t caret) {
    anchor_ = clampPos(anchor);
    caret_ = clampPos(caret);
}

void EditModel::moveTo(std::size_t pos, bool extend) {
    caret_ = clampPos(pos);
    if (!extend) anchor_ = caret_;
}

void EditModel::setText(std::string_view s) {
    text_.assign(s);
    anchor_ = caret_ = 0;
    undo_ = Undo{};
}

bool EditModel::edit(std::size_t pos, std::size_t count, std::string_view s, UndoKind kind) {
    if (count == 0 && s.empty()) return false;
    std::string removed = text_.slice(pos, count);
    const bool merges =
        (kind == UndoKind::Typing && undo_.kind == kind && count == 0 && pos == undo_.pos + undo_.inserted.size()) ||
        (kind == UndoKind::BackDelete && undo_.kind == kind && s.empty() && pos + count == undo_.pos) ||
        (kind == UndoKind::ForwardDelete && undo_.kind == kind && s.empty() && pos == undo_.pos);
    if (!merges) {
        undo_ = Undo{kind, pos, removed, std::string(s)};
    } else if (kind == UndoKind::Typing) {
        undo_.inserted += s;
    } else if (kind == UndoKind::BackDelete) {
        undo_.removed.insert(0, removed);
        undo_.pos = pos;
    } else {
        undo_.removed += removed;
    }
    text_.replace(pos, count, s);
    anchor_ = caret_ = pos + s.size();
    return true;
}

bool EditModel::replaceSelection(std::string_view s, bool canUndo) {
    if (!multiline_) s = s.substr(0, std::min(s.find('\r'), s.find('\n')));
    const std::size_t selLen = selEnd() - selStart();
    const std::size_t kept = length() - selLen;
    const std::size_t room = limit_ > kept ? limit_ - kept : 0;
    if (s.size() > room) {
        s = s.substr(0, room);
        // A line break is not cut in half.
        if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    }
    const bool changed = edit(selStart(), selLen, s, UndoKind::Other);
    if (!canUndo) undo_ = Undo{};
    return changed;
}

bool EditModel::type(std::string_view chars) {
    if (readOnly_) return false;
    const std::size_t selLen = selEnd() - selStart();
    if (length() - selLen + chars.size() > limit_) return false;
    return edit(selStart(), selLen, chars, UndoKind::Typing);
}

bool EditModel::deleteBack() {
    if (readOnly_) return false;
    if (hasSelection()) return edit(selStart(), selEnd() - selStart(), {}, UndoKind::BackDelete);
    if (caret_ == 0) return false;
    const std::size_t n = caret_ >= 2 && text_.at(caret_ - 1) == '\n' && text_.at(caret_ - 2) == '\r' ? 2 : 1;
    return edit(caret_ - n, n, {}, UndoKind::BackDelete);
}

bool EditModel::deleteForward() {
    if (readOnly_) return false;
    if (hasSelection()) return edit(selStart(), selEnd() - selStart(), {}, UndoKind::ForwardDelete);
    if (caret_ >= length()) return false;
    const std::size_t n = caret_ + 1 < length() && text_.at(caret_) == '\r' && text_.at(caret_ + 1) == '\n' ? 2 : 1;
    return edit(caret_, n, {}, UndoKind::ForwardDelete);
}

bool EditModel::undo() {
    if (undo_.kind == UndoKind::None) return false;
    Undo u = undo_;
    text_.replace(u.pos, u.inserted.size(), u.removed);
    undo_ = Undo{UndoKind::Other, u.pos, u.inserted, u.removed};
    select(u.pos, u.pos + u.removed.size());
    return true;
}

void EditModel::moveLeft(bool extend) {
    if (!extend && hasSelection()) return moveTo(selStart(), false);
    if (caret_ == 0) return moveTo(0, extend);
    moveTo(caret_ >= 2 && text_.insideBreak(caret_ - 1) ? caret_ - 2 : caret_ - 1, extend);
}

void EditModel::moveRight(bool extend) {
    if (!extend && hasSelection()) return moveTo(selEnd(), false);
    moveTo(text_.insideBreak(caret_ + 1) ? caret_ + 2 : caret_ + 1, extend);
}

bool EditModel::isSpace(std::size_t pos) const {
    const char c = text_.at(pos);
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t EditModel::wordStartBefore(std::size_t pos) const {
    while (pos > 0 && isSpace(pos - 1)) --pos;
    while (pos > 0 && !isSpace(pos - 1)) --pos;
    return pos;
}

std::size_t EditModel::wordStartAfter(std::size_t pos) const {
    while (pos < length() && !isSpace(pos)) ++pos;
    while (pos < length() && isSpace(pos)) ++pos;
    return pos;
}

void EditModel::moveWordLeft(bool extend) { moveTo(wordStartBefore(caret_), extend); }
void EditModel::moveWordRight(bool extend) { moveTo(wordStartAfter(caret_), extend); }

void EditModel::moveLineHome(bool extend) { moveTo(text_.lineStart(text_.lineOf(caret_)), extend); }

void EditModel::moveLineEnd(bool extend) {
    const std::size_t line = text_.lineOf(caret_);
    moveTo(text_.lineStart(line) + text_.lineLength(line), extend);
}

std::pair<std::size_t, std::size_t> EditModel::wordAt(std::size_t pos) const {
    pos = std::min(pos, length());
    if (pos == length() && pos > 0) --pos;
    if (pos >= length()) return {pos, pos};
    const char c = text_.at(pos);
    if (c == '\r' || c == '\n') return {pos, pos};
    const bool space = isSpace(pos);
    auto same = [&](std::size_t p) {
        const char d = text_.at(p);
        return d != '\r' && d != '\n' && isSpace(p) == space;
    };
    std::size_t first = pos, last = pos + 1;
    while (first > 0 && same(first - 1)) --first;
    while (last < length() && same(last)) ++last;
    return {first, last};
}

}  // namespace ulmaro::platform::edit
