// A form with labels on it, the events they raise, and ways to look at what they drew.
#pragma once

#include "label/zyn_label.h"

#include "framework/colors.h"
#include "framework/form.h"
#include "framework/std_font.h"

#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ulmaro::test {

using namespace ulmaro::platform;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerLibraryClasses();
        form = std::make_unique<Form>(400, 200);
        form->setEventHandler([this](Control& c, const EventInfo& e, std::vector<Variant>& args) {
            std::string line = c.name() + "." + e.name;
            for (const Variant& a : args) line += " " + (a.type() == VarType::String ? "\"" + a.toString() + "\"" : a.toString());
            events.push_back(line);
            if (onEvent) onEvent(c, e, args);
        });
    }

    // A label on a white background with black text, so that every drawn pixel shows.
    ZynLabel& place(const std::string& name, int left, int top, int width, int height, const std::string& caption = {}) {
        auto& l = static_cast<ZynLabel&>(form->place("ZynLabel", name, left, top, width, height));
        l.setBackColor(kWhite);
        l.setForeColor(kBlack);
        l.setCaption(caption);
        events.clear();
        return l;
    }
    ZynLabel& label(const std::string& caption, int width = 300, int height = 60) {
        return place("Label" + std::to_string(++count_), 0, 0, width, height, caption);
    }

    static PixelView pixels(ZynLabel& l) { return GetWindowSurface(l.surface().hWnd()); }

    // The colours in a rectangle of a label's picture.
    static std::set<COLORREF> colorsIn(ZynLabel& l, RECT r) {
        PixelView v = pixels(l);
        std::set<COLORREF> out;
        for (int y = std::max<LONG>(0, r.top); y < std::min<LONG>(v.height, r.bottom); ++y)
            for (int x = std::max<LONG>(0, r.left); x < std::min<LONG>(v.width, r.right); ++x) out.insert(v.at(x, y));
        return out;
    }

    static bool samePicture(ZynLabel& a, ZynLabel& b) {
        PixelView va = pixels(a), vb = pixels(b);
        return va.width == vb.width && va.height == vb.height &&
               std::equal(va.px, va.px + static_cast<std::size_t>(va.width) * static_cast<std::size_t>(va.height), vb.px);
    }

    // Width of a string in the label's font with the given attributes (the font is left as
    // it was).
    static int widthOf(ZynLabel& l, const std::string& s, bool bold = false, bool italic = false) {
        StdFont& f = *l.surface().Font();
        bool b = f.Bold(), i = f.Italic();
        f.SetBold(bold);
        f.SetItalic(italic);
        int w = static_cast<int>(l.surface().TextWidth(s));
        f.SetBold(b);
        f.SetItalic(i);
        return w;
    }
    static int lineHeight(ZynLabel& l) { return static_cast<int>(l.surface().TextHeight("")); }

    std::unique_ptr<Form> form;
    std::vector<std::string> events;
    Form::EventHandler onEvent;

private:
    int count_ = 0;
};

// A rectangle as its four edges, for comparisons that print well.
using Edges = std::array<long, 4>;
inline Edges edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace ulmaro::test
