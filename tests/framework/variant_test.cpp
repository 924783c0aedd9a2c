// The language's conversion rules: banker's rounding, overflow, Booleans and literals.
#include "framework/variant.h"

#include "support/run_time_error.h"

#include <gtest/gtest.h>

using namespace ulmaro;
using ulmaro::test::errorNumber;


// Integer conversions round halves to even and overflow past their range; Booleans are -1
// and 0; strings convert or are a type mismatch, as Nothing is.
TEST(Variant, ConversionsRoundOverflowAndMismatch) {
    const std::pair<Variant, std::int32_t> toInt16[] = {{Variant(2.5), 2},     {Variant(3.5), 4},   {Variant(-2.5), -2},
                                                        {Variant(32767.4), 32767}, {Variant(true), -1}, {Variant("12"), 12}};
    for (const auto& [v, n] : toInt16) EXPECT_EQ(v.toInt16(), n) << v.toString();
    EXPECT_EQ(Variant(2147483647.0).toInt32(), 2147483647);
    EXPECT_EQ(Variant(false).toInt32(), 0);
    EXPECT_EQ(errorNumber([] { Variant(32767.5).toInt16(); }), 6);
    EXPECT_EQ(errorNumber([] { Variant(static_cast<std::int32_t>(40000)).toInt16(); }), 6);
    EXPECT_EQ(errorNumber([] { Variant(2147483647.5).toInt32(); }), 6);
    EXPECT_EQ(errorNumber([] { Variant("twelve").toInt16(); }), 13);
    EXPECT_EQ(errorNumber([] { Variant::nothing().toInt32(); }), 13);
    EXPECT_TRUE(Variant("True").toBool() && Variant("-3").toBool());
    EXPECT_FALSE(Variant("false").toBool());
    EXPECT_EQ(Variant(true).toString(), "True");
}

TEST(Variant, LiteralsTakeTheLanguagesTypes) {
    Variant v;
    ASSERT_TRUE(parseNumber("&HFFFF", v));
    EXPECT_EQ(v.type(), VarType::Integer);
    EXPECT_EQ(v.toInt16(), -1);
    ASSERT_TRUE(parseNumber("&H8000000F", v));
    EXPECT_EQ(v.type(), VarType::Long);
    EXPECT_EQ(v.toColor(), 0x8000000Fu);
    ASSERT_TRUE(parseNumber("40000", v));
    EXPECT_EQ(v.type(), VarType::Long);
    ASSERT_TRUE(parseNumber("-1.5e2", v));
    EXPECT_EQ(v.toDouble(), -150.0);
    EXPECT_FALSE(parseNumber("1.2.3", v));
    EXPECT_FALSE(parseNumber("&HG", v));
    EXPECT_FALSE(parseNumber("", v));
    // Colours up to &HFFFFFFFF keep their bits; beyond that is an overflow.
    EXPECT_EQ(Variant(4294967295.0).toColor(), 0xFFFFFFFFu);
    EXPECT_EQ(errorNumber([] { Variant(4294967296.0).toColor(); }), 6);
}

TEST(Variant, NumbersPrintLikeTheLanguage) {
    EXPECT_EQ(Variant(2.5f).toString(), "2.5");
    EXPECT_EQ(Variant(1.0f / 3.0f).toString(), "0.3333333");
    EXPECT_EQ(Variant(8.25).toString(), "8.25");
    EXPECT_EQ(Variant(1e20).toString(), "1E+20");
    EXPECT_EQ(Variant(-0.5f).toString(), "-0.5");
    EXPECT_EQ(Variant(static_cast<std::int32_t>(-2147483633)).toString(), "-2147483633");
}
