// Single and Double properties can hold infinities and NaN, which JSON cannot: form files
// write them by name, and read the names back only where a number is expected.
#include "support/harness.h"

#include "framework/form_file.h"

#include <cmath>

using namespace ulmaro;
using ulmaro::test::Harness;

TEST(FormFileNumbers, InfinitiesAndNanSaveByNameAndReload) {
    Harness h(200, 100);
    h.run("new ZynScrollBar S 0 0 17 90\nnew ZynLabel L 20 0 60 20\nset L.Caption \"NaN\"\n");
    Control& s = *h.form->find("S");
    s.setProperty("Max", Variant(std::numeric_limits<double>::infinity()));
    s.setProperty("Change", Variant(std::nan("")));
    const std::string saved = formToText(*h.form, "f.json");
    EXPECT_NE(saved.find("\"Max\": \"Infinity\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"Change\": \"NaN\""), std::string::npos) << saved;
    std::unique_ptr<Form> again = loadFormFromText(saved, "f.json");
    EXPECT_TRUE(std::isinf(again->find("S")->getProperty("Max").toDouble()));
    EXPECT_TRUE(std::isnan(again->find("S")->getProperty("Change").toDouble()));
    EXPECT_EQ(again->find("L")->getProperty("Caption").toString(), "NaN");
    EXPECT_EQ(formToText(*again, "f.json"), saved);
    // Where a whole number is expected the names are refused like any other string.
    std::string bad = saved;
    bad.replace(bad.find("15594226"), 8, "\"-Infinity\"");
    EXPECT_THROW(loadFormFromText(bad, "f.json"), FormFileError);
}
