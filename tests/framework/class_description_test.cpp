// A class described once: keys, defaults and generated Lets serve persistence; names the
// class does not publish are refused at once.
#include "framework/control.h"
#include "framework/form.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ulmaro;

namespace {

class Probe : public Control {
public:
    static ClassInfo describe() {
        return ClassBuilder<Probe>("DescriptionProbe", "")
            .field<&Probe::Count_, LetEffect::Store>(3, "Count").keys("Count", "OldCount").byDefault(7)
            .field<&Probe::Shade_, LetEffect::RedrawNotify>(1, "Shade").key().byDefault(SysColor::ButtonFace)
            .property<&Probe::Title, &Probe::setTitle>(2, "Title").key().byDefault(AmbientValue::DisplayName)
            .event(1, "Ping")
            .build();
    }
    void Refresh() { ++refreshes; }
    void InitProperties() override { applyDefaults({"Title", "Count", "Shade"}); }
    void ReadProperties(PropertyBag& bag) override { readFrom(bag, {"Count", "Shade", "Title"}); }
    void WriteProperties(PropertyBag& bag) override { writeTo(bag, {"Shade", "Title", "Count"}); }
    std::string Title() const { return Title_; }
    void setTitle(std::string t) { Title_ = std::move(t); }
    void raise(std::string_view e) { RaiseEvent(e); }
    void changed(std::string_view p) { PropertyChanged(p); }
    // A property without a key cannot be written.
    void writeUnsaved(PropertyBag& bag) { writeTo(bag, {"Colour"}); }

    std::int32_t Count_{};
    OLE_COLOR Shade_{};
    std::string Title_;
    int refreshes = 0;
};

const ClassInfo& probeClass() {
    static const bool added = [] {
        TypeLibrary::instance().addClass(Probe::describe());
        return true;
    }();
    (void)added;
    return *TypeLibrary::instance().findClass("DescriptionProbe");
}

Probe& place(Form& form, PropertyBag* bag = nullptr) {
    probeClass();
    return dynamic_cast<Probe&>(form.place("DescriptionProbe", "Probe1", 0, 0, 10, 10, nullptr, bag));
}

}  // namespace

TEST(ClassDescription, FieldsStartAtTheirDefaultsAndInitUsesAmbientOnes) {
    auto fresh = probeClass().create();
    EXPECT_EQ(static_cast<Probe&>(*fresh).Count_, 7);
    EXPECT_EQ(static_cast<Probe&>(*fresh).Shade_, 0x8000000Fu);
    Form form(50, 50);
    Probe& p = place(form);
    EXPECT_EQ(p.Title(), "Probe1");
    EXPECT_EQ(p.defaultOf("Title").toString(), "Probe1");
}

TEST(ClassDescription, WritesInTheControlsOrderAndReadsFromTheReadKey) {
    Form form(50, 50);
    PropertyBag in;
    in.WriteProperty("oldcount", Variant(std::int32_t{12}));
    in.WriteProperty("Count", Variant(std::int32_t{99}));  // the written key is not read back
    Probe& p = place(form, &in);
    EXPECT_EQ(p.Count_, 12);
    EXPECT_EQ(in.unreadKeys(), std::vector<std::string>{"Count"});
    EXPECT_EQ(p.Shade_, 0x8000000Fu);
    PropertyBag out;
    p.WriteProperties(out);
    ASSERT_EQ(out.entries().size(), 3u);
    EXPECT_EQ(out.entries()[0].first, "Shade");
    EXPECT_EQ(out.entries()[1].first, "Title");
    EXPECT_EQ(out.entries()[2].first, "Count");
}

TEST(ClassDescription, GeneratedLetsStoreAndRedrawAsDeclared) {
    Form form(50, 50);
    Probe& p = place(form);
    int before = p.refreshes;
    p.setProperty("Count", Variant(std::int32_t{5}));
    EXPECT_EQ(p.refreshes, before);
    p.setProperty("Shade", Variant(std::int32_t{255}));
    EXPECT_EQ(p.refreshes, before + 1);
    EXPECT_EQ(p.getProperty("Shade").toInt32(), 255);
}

TEST(ClassDescription, UnpublishedEventsAndPropertiesAreProgrammingErrors) {
    Form form(50, 50);
    Probe& p = place(form);
    EXPECT_NO_THROW(p.raise("ping"));
    EXPECT_THROW(p.raise("Pong"), std::logic_error);
    EXPECT_NO_THROW(p.changed("Shade"));
    EXPECT_THROW(p.changed("Shad"), std::logic_error);
    PropertyBag bag;
    EXPECT_THROW(p.writeUnsaved(bag), std::logic_error);
}

TEST(ClassDescription, RepeatedNamesOrNumbersAreRefused) {
    auto twice = [] {
        return ClassBuilder<Probe>("Bad", "").field<&Probe::Count_>(1, "Count").field<&Probe::Shade_>(1, "Shade").build();
    };
    EXPECT_THROW(twice(), std::logic_error);
    auto sameName = [] {
        return ClassBuilder<Probe>("Bad", "").field<&Probe::Count_>(1, "Count").field<&Probe::Shade_>(2, "count").build();
    };
    EXPECT_THROW(sameName(), std::logic_error);
}
