// The host's standard font object. Controls, surfaces and ambient properties hand fonts
// around by reference (StdFontPtr), so a change made through one holder is seen by all;
// Clone() makes an independent copy.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <memory>
#include <string>

namespace ulmaro {

class StdFont;
using StdFontPtr = std::shared_ptr<StdFont>;

class StdFont {
public:
    // A new font is the host's default form font: "MS Sans Serif", 8.25 points, regular.
    StdFont() = default;
    StdFont(std::string name, double size);

    static StdFontPtr New() { return std::make_shared<StdFont>(); }
    StdFontPtr Clone() const { return std::make_shared<StdFont>(*this); }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Points, held like the host's Currency type: to four decimal places.
    double Size() const { return static_cast<double>(sizeTenThousandths_) / 10000.0; }
    void SetSize(double points);

    // Bold is a view of Weight: setting it picks the regular or the bold weight.
    bool Bold() const { return weight_ >= kBoldFrom; }
    void SetBold(bool bold) { weight_ = static_cast<std::int16_t>(bold ? platform::FW_BOLD : platform::FW_NORMAL); }
    std::int16_t Weight() const { return weight_; }
    void SetWeight(std::int16_t weight) { weight_ = weight; }

    bool Italic() const { return italic_; }
    void SetItalic(bool on) { italic_ = on; }
    bool Underline() const { return underline_; }
    void SetUnderline(bool on) { underline_ = on; }
    bool Strikethrough() const { return strikethrough_; }
    void SetStrikethrough(bool on) { strikethrough_ = on; }

    std::int16_t Charset() const { return charset_; }
    void SetCharset(std::int16_t charset) { charset_ = charset; }

    // Same face (the platform ignores letter case in face names), size and attributes.
    bool operator==(const StdFont& other) const;

    // The platform's description of this font on the 96 dpi screen.
    platform::LOGFONTA ToLogFont() const;

    // A new platform font for this description; the caller deletes it with DeleteObject.
    platform::HFONT CreateHandle() const;

private:
    // Weights from semi-bold up read as bold.
    static constexpr int kBoldFrom = 600;

    std::string name_ = "MS Sans Serif";
    std::int64_t sizeTenThousandths_ = 82500;
    std::int16_t weight_ = static_cast<std::int16_t>(platform::FW_NORMAL);
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    std::int16_t charset_ = platform::ANSI_CHARSET;
};

}  // namespace ulmaro
