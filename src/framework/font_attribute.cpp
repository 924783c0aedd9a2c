#include "font_attribute.h"

#include "dispatch.h"

namespace ulmaro {

std::optional<Variant> fontAttribute(const StdFont& f, std::string_view a) {
    if (sameName(a, "Name")) return Variant(f.Name());
    if (sameName(a, "Size")) return Variant(f.Size());
    if (sameName(a, "Bold")) return Variant(f.Bold());
    if (sameName(a, "Italic")) return Variant(f.Italic());
    if (sameName(a, "Underline")) return Variant(f.Underline());
    if (sameName(a, "Strikethrough")) return Variant(f.Strikethrough());
    if (sameName(a, "Weight")) return Variant(f.Weight());
    if (sameName(a, "Charset")) return Variant(f.Charset());
    return std::nullopt;
}

bool setFontAttribute(StdFont& f, std::string_view a, const Variant& v) {
    if (sameName(a, "Name")) f.SetName(v.toString());
    else if (sameName(a, "Size")) f.SetSize(v.toDouble());
    else if (sameName(a, "Bold")) f.SetBold(v.toBool());
    else if (sameName(a, "Italic")) f.SetItalic(v.toBool());
    else if (sameName(a, "Underline")) f.SetUnderline(v.toBool());
    else if (sameName(a, "Strikethrough")) f.SetStrikethrough(v.toBool());
    else if (sameName(a, "Weight")) f.SetWeight(v.toInt16());
    else if (sameName(a, "Charset")) f.SetCharset(v.toInt16());
    else return false;
    return true;
}

}  // namespace ulmaro
