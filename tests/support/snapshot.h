// Reference pictures: a drawing compared pixel for pixel with
// tests/snapshots/<group>/<state>.png. On a mismatch the reference, the new picture and a
// diff (differing pixels red over a faded copy) are written to <build>/snapshots/<group>/
// as STATE.png, STATE.new.png and STATE.diff.png, and the test fails with the count of
// differing pixels. ULMARO_UPDATE_SNAPSHOTS=1 rewrites the references instead.
#pragma once

#include "harness.h"

#include "app/picture_diff.h"

#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace ulmaro::test {

inline bool updatingSnapshots() {
    const char* v = std::getenv("ULMARO_UPDATE_SNAPSHOTS");
    return v && *v && std::string(v) != "0";
}

// A copy of part of a picture (the whole of it by default).
inline platform::Image cropPicture(const platform::PixelView& v, int x = 0, int y = 0, int w = -1, int h = -1) {
    if (w < 0) w = v.width - x;
    if (h < 0) h = v.height - y;
    platform::Image img;
    img.width = w;
    img.height = h;
    img.px.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) img.px.push_back(v.at(col, row));
    return img;
}

// Returns the number of differing pixels (or -1 for a missing or differently sized
// reference), writing the files a person needs to see the difference.
inline long compareWithSnapshot(const std::string& group, const std::string& state, const platform::Image& ours,
                                std::string* message) {
    namespace fs = std::filesystem;
    const fs::path ref = fs::path(ULMARO_SOURCE_DIR) / "tests/snapshots" / group / (state + ".png");
    if (updatingSnapshots()) {
        fs::create_directories(ref.parent_path());
        platform::WritePng(ref.string(), ours.view(), message);
        return 0;
    }
    const fs::path out = fs::path(ULMARO_BINARY_DIR) / "snapshots" / group;
    fs::create_directories(out);
    platform::Image expected;
    std::string error;
    long differing = -1;
    if (!platform::ReadPng(ref.string(), expected, &error)) {
        *message = "no reference picture " + ref.string() + " (" + error +
                   "); run the tests with ULMARO_UPDATE_SNAPSHOTS=1 to write it, then look at it";
    } else {
        app::PictureDifference d = app::comparePictures(expected, ours);
        *message = app::describeDifference(d, expected, ours, ref.string());
        if (message->empty()) return 0;
        differing = d.sameSize ? d.differing : -1;
        if (d.sameSize) platform::WritePng((out / (state + ".diff.png")).string(), d.marked.view());
    }
    platform::WritePng((out / (state + ".new.png")).string(), ours.view());
    if (differing >= 0) platform::WritePng((out / (state + ".png")).string(), expected.view());
    *message += " (see " + out.string() + ")";
    return differing;
}

// Fails the current test, naming the state, when `picture` differs from its reference.
inline void expectSnapshot(const std::string& group, const std::string& state, const platform::Image& picture) {
    std::string message;
    if (compareWithSnapshot(group, state, picture, &message) != 0) ADD_FAILURE() << group << "/" << state << ": " << message;
}

// The pixels a device context draws on.
inline platform::Image dcPicture(platform::HDC dc) { return cropPicture(platform::GetDcPixels(dc)); }

// The composed form of a harness, or the part of it under a control.
inline platform::Image formPicture(Harness& h) {
    std::vector<platform::COLORREF> px = h.form->compose();
    return cropPicture(platform::PixelView{px.data(), h.form->width(), h.form->height(), false});
}
inline platform::Image controlPicture(Harness& h, const std::string& name) {
    std::vector<platform::COLORREF> px = h.form->compose();
    platform::RECT r = h.form->boundsOf(*h.form->find(name));
    return cropPicture(platform::PixelView{px.data(), h.form->width(), h.form->height(), false}, r.left, r.top,
                       r.right - r.left, r.bottom - r.top);
}

}  // namespace ulmaro::test
