// What an edit control edits, without any window: the text, the selection, one level of
// undo and the rules for typing, deleting and moving the caret by characters, words and
// lines. The window (edit_control.h) adds geometry, drawing and messages on top.
#pragma once

#include "edit_text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ulmaro::platform::edit {

// The platform's limits: 30 000 characters until the owner says otherwise, and the
// largest limit a program can ask for.
constexpr std::size_t kDefaultLimit = 30000;
constexpr std::size_t kMaxLimit = 0x7FFFFFFE;

class EditModel {
public:
    explicit EditModel(bool multiline = false) : multiline_(multiline) {}

    const EditText& text() const { return text_; }
    std::string str() const { return text_.str(); }
    std::size_t length() const { return text_.length(); }
    bool multiline() const { return multiline_; }

    // ---- Selection: the anchor stays, the caret moves. -------------------------------------
    std::size_t anchor() const { return anchor_; }
    std::size_t caret() const { return caret_; }
    std::size_t selStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::size_t selEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool hasSelection() const { return anchor_ != caret_; }
    std::string selectedText() const { return text_.slice(selStart(), selEnd() - selStart()); }
    // Both ends are clamped to the text and kept out of the middle of a line break.
    void select(std::size_t anchor, std::size_t caret);
    void selectAll() { select(0, length()); }

    // ---- Limits ------------------------------------------------------------------------------
    std::size_t limit() const { return limit_; }
    void setLimit(std::size_t n) { limit_ = n; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }

    // ---- Editing. Each returns true when the text changed. -----------------------------------
    // Replaces the whole text: no limit applies, the selection goes to the start, undo is
    // forgotten.
    void setText(std::string_view s);
    // A typed character (Enter is typed as CR LF by the window). Typed runs undo as one.
    bool type(std::string_view chars);
    // Replaces the selection with `s`, cut to fit the limit; a single-line text takes only
    // the part of `s` before its first line break. `canUndo` false forgets undo instead.
    bool replaceSelection(std::string_view s, bool canUndo = true);
    // Backspace and Delete: the selection, else the character (line break) before / after.
    bool deleteBack();
    bool deleteForward();
    // Swaps the text back to before the last edit; the restored text comes back selected.
    // Undoing again redoes.
    bool undo();
    bool canUndo() const { return undo_.kind != UndoKind::None; }
    void emptyUndo() { undo_ = Undo{}; }

    // ---- Caret moves; `extend` keeps the anchor (Shift). --------------------------------------
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void moveWordLeft(bool extend);
    void moveWordRight(bool extend);
    void moveLineHome(bool extend);
    void moveLineEnd(bool extend);
    void moveTextHome(bool extend) { moveTo(0, extend); }
    void moveTextEnd(bool extend) { moveTo(length(), extend); }
    void moveTo(std::size_t pos, bool extend);

    // Words: runs of characters other than blanks, tabs and line breaks.
    std::size_t wordStartBefore(std::size_t pos) const;
    std::size_t wordStartAfter(std::size_t pos) const;
    // The word around `pos` (for a double click): [first, last).
    std::pair<std::size_t, std::size_t> wordAt(std::size_t pos) const;

private:
    enum class UndoKind { None, Typing, BackDelete, ForwardDelete, Other };
    struct Undo {
        UndoKind kind = UndoKind::None;
        std::size_t pos = 0;
        std::string removed;   // what the edit took away
        std::string inserted;  // what it put in its place
    };
    bool isSpace(std::size_t pos) const;
    std::size_t clampPos(std::size_t pos) const;
    bool edit(std::size_t pos, std::size_t count, std::string_view s, UndoKind kind);

    EditText text_;
    bool multiline_;
    std::size_t anchor_ = 0, caret_ = 0;
    std::size_t limit_ = kDefaultLimit;
    bool readOnly_ = false;
    Undo undo_;
};

}  // namespace ulmaro::platform::edit
