// The forms that ship in examples/ load, draw, and round-trip: loading then saving gives
// the same file byte for byte.
#include "framework/form_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ulmaro;

TEST(Examples, EveryShippedFormLoadsAndRoundTrips) {
    registerLibraryClasses();
    int forms = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(ULMARO_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() != ".json") continue;
        ++forms;
        std::string path = entry.path().string();
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::unique_ptr<Form> form;
        ASSERT_NO_THROW(form = loadForm(path)) << path;
        EXPECT_FALSE(form->controls().empty()) << path;
        EXPECT_EQ(formToText(*form, path), text.str()) << path << " does not round-trip";
    }
    EXPECT_GE(forms, 3);
}
