// The label control around the pass: property Lets, defaults, change notifications and
// persistence.
#include "label_fixture.h"
#include "support/transcript.h"
#include "support/run_time_error.h"

#include "app/script.h"
#include "framework/form_file.h"


using namespace ulmaro;
using namespace ulmaro::test;

namespace {

// A form that notes every PropertyChanged.
class RecordingForm : public Form {
public:
    using Form::Form;
    void propertyChanged(Control& c, std::string_view p) override {
        changed.push_back(std::string(p));
        Form::propertyChanged(c, p);
    }
    std::vector<std::string> changed;
};

}  // namespace

using LabelControl = LabelTest;

TRANSCRIPTS("label");

// A new label's font is its own copy of the form's (the defaults it takes are in
// scripts/ambient_defaults).
TEST_F(LabelControl, NewLabelHasItsOwnFont) {
    auto& l = static_cast<ZynLabel&>(form->place("ZynLabel", "Caption1", 0, 0, 100, 20));
    EXPECT_NE(l.Font(), form->font());
}

// Text draws its mark-up as Caption does (the transcripts in scripts/ show the events).
TEST_F(LabelControl, TextDrawsItsMarkUp) {
    ZynLabel& l = label("");
    l.setText("<B>y</B>");
    ZynLabel& bold = label("y");
    bold.Font()->SetBold(true);
    bold.Refresh();
    EXPECT_TRUE(samePicture(l, bold));
}

TEST_F(LabelControl, AppearanceAndBorderStyleReachTheSurface) {
    ZynLabel& l = label("x");
    l.setAppearance(0);
    l.setBorderStyle(1);
    EXPECT_EQ(l.surface().Appearance(), 0);
    EXPECT_EQ(l.surface().BorderStyle(), 1);
}

TEST_F(LabelControl, FontIsTheLabelsOwnCopy) {
    ZynLabel& l = label("x");
    auto f = std::make_shared<StdFont>("Tahoma", 12);
    l.setFont(f);
    EXPECT_EQ(l.Font()->Name(), "Tahoma");
    EXPECT_NE(l.Font(), f);
    l.setCaption("<b>x</b>");
    EXPECT_FALSE(f->Bold());
    EXPECT_EQ(errorNumber([&] { l.setFont(nullptr); }), 424);
}

TEST_F(LabelControl, RefreshWithoutClearDrawsOverThePicture) {
    ZynLabel& l = label("x");
    SetPixelV(l.surface().hDC(), 250, 50, 0x0000FF);
    std::vector<Variant> args{Variant(false)};
    l.callMethod("Refresh", args);
    EXPECT_EQ(pixels(l).at(250, 50), 0x0000FFu);
    std::vector<Variant> none;
    l.callMethod("Refresh", none);
    EXPECT_EQ(pixels(l).at(250, 50), kWhite);
}

TEST_F(LabelControl, OnlyBackStyleAndForeColorReportChanges) {
    auto recording = std::make_unique<RecordingForm>(200, 100);
    RecordingForm& f = *recording;
    form = std::move(recording);
    auto& l = static_cast<ZynLabel&>(f.place("ZynLabel", "L", 0, 0, 100, 20));
    f.changed.clear();
    l.setCaption("a");
    l.setText("b");
    l.setBackColor(0xFF);
    l.setAutoSize(true);
    l.setAppearance(0);
    l.setBorderStyle(1);
    l.setFont(StdFont::New());
    l.Refresh();
    // Every pass applies BackStyle again.
    EXPECT_FALSE(f.changed.empty());
    for (const std::string& p : f.changed) EXPECT_EQ(p, "BackStyle");
    f.changed.clear();
    l.setForeColor(0xFF);
    EXPECT_EQ(f.changed, (std::vector<std::string>{"ForeColor", "BackStyle"}));
    f.changed.clear();
    l.setBackStyle(0);
    EXPECT_EQ(f.changed, std::vector<std::string>{"BackStyle"});
}

TEST_F(LabelControl, WritesItsPropertiesInOrderAndRoundTrips) {
    ZynLabel& l = place("Linky", 5, 6, 120, 30, "<a name=\"x\">link</a>\r\nsecond");
    l.setBackStyle(0);
    l.setAutoSize(true);
    l.setAppearance(0);
    l.setBorderStyle(1);
    l.Font()->SetItalic(true);
    PropertyBag bag;
    l.WriteProperties(bag);
    std::string saved;
    for (const auto& [k, v] : bag.entries()) saved += k + (k == "Font" || k == "Caption" ? " " : "=" + v.toString() + " ");
    EXPECT_EQ(saved, "BackColor=16777215 ForeColor=0 Caption AutoSize=True BackStyle=0 Font Appearance=0 BorderStyle=1 ");
    const std::string text = formToText(*form, "mem.json");
    auto again = loadFormFromText(text, "mem.json");
    auto* copy = dynamic_cast<ZynLabel*>(again->find("Linky"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), l.Caption());
    EXPECT_EQ(copy->BorderStyle(), 1);
    EXPECT_TRUE(copy->AutoSize());
    EXPECT_TRUE(copy->Font()->Italic());
    EXPECT_EQ(formToText(*again, "mem.json"), text);
}

TEST_F(LabelControl, ExampleFormKeepsItsLinks) {
    const std::string path = std::string(ULMARO_SOURCE_DIR) + "/examples/labels.json";
    std::unique_ptr<Form> example = loadForm(path);  // it round-trips: tests/app/examples_test.cpp
    int labels = 0;
    for (const auto& c : example->controls()) {
        auto* l = dynamic_cast<ZynLabel*>(c.get());
        if (!l) continue;
        ++labels;
        // Every tag in the example is a token: none is left in the plain text.
        EXPECT_EQ(l->Text().find('<'), std::string::npos) << l->name();
    }
    EXPECT_GE(labels, 8);
    auto& links = dynamic_cast<ZynLabel&>(*example->find("Links"));
    std::vector<std::string> names;
    for (std::size_t i = 1; i < links.links().size(); ++i) names.push_back(links.links()[i].Name);
    EXPECT_EQ(names, (std::vector<std::string>{"home", "help", "bold"}));
    // The auto-sized label is exactly as large as its two lines of text.
    auto& sized = dynamic_cast<ZynLabel&>(*example->find("Sized"));
    EXPECT_TRUE(sized.AutoSize());
    EXPECT_EQ(sized.surface().ScaleHeight(), 2 * lineHeight(sized));
}
