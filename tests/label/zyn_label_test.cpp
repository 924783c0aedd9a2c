// The label control around the pass: property Lets, defaults, change notifications and
// persistence.
#include "label_fixture.h"
#include "support/run_time_error.h"

#include "app/script.h"
#include "framework/form_file.h"

#include <fstream>

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

TEST_F(LabelControl, NewLabelTakesAmbientDefaultsAndRaisesChange) {
    form->setBackColor(0x00C0FFEE);
    form->setForeColor(0x00123456);
    form->font()->SetName("Tahoma");
    auto& l = static_cast<ZynLabel&>(form->place("ZynLabel", "Caption1", 0, 0, 100, 20));
    EXPECT_EQ(events, std::vector<std::string>{"Caption1.Change"});
    EXPECT_EQ(l.Caption(), "Caption1");
    EXPECT_EQ(l.Text(), "Caption1");
    EXPECT_EQ(l.BackColor(), 0x00C0FFEEu);
    EXPECT_EQ(l.ForeColor(), 0x00123456u);
    EXPECT_FALSE(l.AutoSize());
    EXPECT_EQ(l.BackStyle(), 1);
    EXPECT_EQ(l.Appearance(), 1);
    EXPECT_EQ(l.BorderStyle(), 0);
    EXPECT_EQ(l.Font()->Name(), "Tahoma");
    EXPECT_NE(l.Font(), form->font());
    EXPECT_NE(l.hwnd(), 0);
    EXPECT_NE(l.hDc(), 0);
}

TEST_F(LabelControl, CaptionRaisesChangeTextDoesNot) {
    ZynLabel& l = label("");
    l.setCaption("<B>x</B>");
    EXPECT_EQ(events, std::vector<std::string>{"Label1.Change"});
    events.clear();
    l.setText("<B>y</B>");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(l.Caption(), "<B>y</B>");
    EXPECT_EQ(l.Text(), "y");
    ZynLabel& bold = label("y");
    bold.Font()->SetBold(true);
    bold.Refresh();
    EXPECT_TRUE(samePicture(l, bold));
}

TEST_F(LabelControl, AppearanceAndBorderStyleAreSixteenBitOnTheSurface) {
    ZynLabel& l = label("x");
    l.setAppearance(0);
    l.setBorderStyle(1);
    EXPECT_EQ(l.surface().Appearance(), 0);
    EXPECT_EQ(l.surface().BorderStyle(), 1);
    EXPECT_EQ(errorNumber([&] { l.setProperty("Appearance", Variant(std::int32_t{32768})); }), 6);
    EXPECT_EQ(errorNumber([&] { l.setProperty("BorderStyle", Variant(std::int32_t{-32769})); }), 6);
    EXPECT_EQ(l.Appearance(), 0);
    EXPECT_EQ(l.BorderStyle(), 1);
    l.setProperty("BorderStyle", Variant(std::int32_t{-32768}));
    EXPECT_EQ(l.BorderStyle(), -32768);
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

TEST_F(LabelControl, WritesItsPropertiesInOrder) {
    ZynLabel& l = label("<b>hi</b>");
    l.setAutoSize(true);
    l.setBackStyle(0);
    l.setAppearance(0);
    l.setBorderStyle(1);
    PropertyBag bag;
    l.WriteProperties(bag);
    std::string saved;
    for (const auto& [k, v] : bag.entries()) saved += k + "=" + (k == "Font" ? "font" : v.toString()) + " ";
    EXPECT_EQ(saved, "BackColor=16777215 ForeColor=0 Caption=<b>hi</b> AutoSize=True BackStyle=0 Font=font Appearance=0 BorderStyle=1 ");
}

TEST_F(LabelControl, ReadsSavedPropertiesAndDefaultsTheRest) {
    form->setBackColor(0x00ABCDEF);
    PropertyBag bag;
    bag.WriteProperty("Caption", Variant("<i>saved</i>"));
    bag.WriteProperty("BorderStyle", Variant(std::int32_t{1}));
    auto& l = static_cast<ZynLabel&>(form->place("ZynLabel", "Saved", 0, 0, 100, 20, nullptr, &bag));
    EXPECT_EQ(events, std::vector<std::string>{"Saved.Change"});
    EXPECT_EQ(l.Caption(), "<i>saved</i>");
    EXPECT_EQ(l.Text(), "saved");
    EXPECT_EQ(l.BorderStyle(), 1);
    EXPECT_EQ(l.Appearance(), 1);
    EXPECT_EQ(l.BackStyle(), 1);
    EXPECT_EQ(l.BackColor(), 0x00ABCDEFu);
    EXPECT_EQ(l.ForeColor(), 0x80000012u);
    EXPECT_FALSE(l.AutoSize());

    PropertyBag empty;
    auto& d = static_cast<ZynLabel&>(form->place("ZynLabel", "Defaulted", 0, 0, 100, 20, nullptr, &empty));
    EXPECT_EQ(d.Caption(), "Defaulted");
}

TEST_F(LabelControl, FormFileRoundTrip) {
    ZynLabel& l = place("Linky", 5, 6, 120, 30, "<a name=\"x\">link</a>\r\nsecond");
    l.setBackStyle(0);
    l.setAutoSize(true);
    l.Font()->SetItalic(true);
    const std::string text = formToText(*form, "mem.json");
    auto again = loadFormFromText(text, "mem.json");
    auto* copy = dynamic_cast<ZynLabel*>(again->find("Linky"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), l.Caption());
    EXPECT_EQ(copy->BackStyle(), 0);
    EXPECT_TRUE(copy->AutoSize());
    EXPECT_TRUE(copy->Font()->Italic());
    EXPECT_EQ(formToText(*again, "mem.json"), text);
}

TEST_F(LabelControl, AnOutOfRangeSavedAppearanceFailsTheLoad) {
    const std::string text = R"({"Form": {"Width": 100, "Height": 50}, "Controls": [
        {"Class": "ZynLabel", "Name": "Bad", "Left": 0, "Top": 0, "Width": 50, "Height": 20,
         "Properties": {"Appearance": 70000}}]})";
    try {
        loadFormFromText(text, "bad.json");
        ADD_FAILURE() << "loaded";
    } catch (const FormFileError& e) {
        EXPECT_NE(std::string(e.what()).find("error 6"), std::string::npos) << e.what();
    }
}

TEST_F(LabelControl, ExampleFormLoadsRoundTripsAndKeepsItsLinks) {
    const std::string path = std::string(ULMARO_SOURCE_DIR) + "/examples/labels.json";
    std::unique_ptr<Form> example = loadForm(path);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(formToText(*example, path), text.str());
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
