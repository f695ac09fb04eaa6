// SPDX-License-Identifier: MIT
#include <cfloat>
#include <ostream>
#include <string>

#include "testSupport.h"

namespace {

using Calculator::ArithmeticError;
using Calculator::ConvertUnits;
using CalculatorTest::Digits15;
using CalculatorTest::ErrorKindOf;
using Kind = ArithmeticError::Kind;

struct Conversion {
    double value;
    const char* key;
    const char* expected;  // fifteen significant digits
};

void PrintTo(const Conversion& c, std::ostream* os)
{
    *os << c.value << " by " << c.key;
}

class ConvertUnitsTable : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConvertUnitsTable, GivesTheProgramsOwnFactors)
{
    const Conversion& c = GetParam();
    EXPECT_EQ(Digits15(ConvertUnits(c.value, c.key)), c.expected) << c.value << " by " << c.key;
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ConvertUnitsTable,
    ::testing::Values(
        Conversion{1, "inch", "25.4"},
        Conversion{25.4, "mm", "1.00076"},
        Conversion{100, "psi", "6.89655172413793"},
        Conversion{1, "bar", "14.5"},
        Conversion{9, "newtons", "2"},
        Conversion{100, "newtons", "22.2222222222222"},
        Conversion{2, "pounds", "9"},
        Conversion{100, "pounds", "450"},
        Conversion{1, "sqinch", "645.16"},
        Conversion{1, "sqmm", "0.00155"},
        Conversion{212, "f", "100"},
        Conversion{68, "f", "20"},
        Conversion{-40, "f", "-40"},
        Conversion{100, "c", "212"},
        Conversion{20, "c", "68"},
        Conversion{1, "scfm", "28.31685"},
        Conversion{1, "cmps", "0.03531467"},
        Conversion{1, "cinch", "16387"},
        Conversion{16387, "cmm", "0.999607"},
        Conversion{1, "cv", "0.869"},
        Conversion{0.869, "kv", "1"},
        Conversion{1, "kv", "1.15074798619102"},
        Conversion{0, "f", "-17.7777777777778"},
        Conversion{0, "c", "32"}));

// The keys whose conversion is a pure scale keep 0 at 0.
class ConvertUnitsZero : public ::testing::TestWithParam<const char*> {};

TEST_P(ConvertUnitsZero, KeepsZero)
{
    EXPECT_EQ(ConvertUnits(0.0, GetParam()), 0.0);
}

INSTANTIATE_TEST_SUITE_P(ScaleKeys, ConvertUnitsZero,
    ::testing::Values("inch", "mm", "psi", "bar", "newtons", "pounds", "sqinch", "sqmm", "scfm",
                      "cmps", "cinch", "cmm", "cv", "kv"));

// The two keys of a pair are not exact inverses; switching back and forth
// drifts, and that drift is the program's behaviour.
struct RoundTrip {
    const char* there;
    const char* back;
    const char* expected;
};

void PrintTo(const RoundTrip& r, std::ostream* os)
{
    *os << r.there << " then " << r.back;
}

class ConvertUnitsRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(ConvertUnitsRoundTrip, Drifts)
{
    const RoundTrip& r = GetParam();
    EXPECT_EQ(Digits15(ConvertUnits(ConvertUnits(1.0, r.there), r.back)), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Pairs, ConvertUnitsRoundTrip,
    ::testing::Values(RoundTrip{"inch", "mm", "1.00076"},
                      RoundTrip{"sqinch", "sqmm", "0.999998"},
                      RoundTrip{"scfm", "cmps", "1.0000002131895"},
                      RoundTrip{"cinch", "cmm", "0.999607"}));

// Last-bit checks: a constant quotient in brackets is formed before it
// multiplies. For these inputs the other grouping differs in the last bit.
TEST(ConvertUnitsBits, ConstantQuotientIsFormedFirst)
{
    EXPECT_EQ(ConvertUnits(7.0, "newtons"), 1.5555555555555554);     // not 2*7/9
    EXPECT_EQ(ConvertUnits(10.0, "f"), -12.222222222222223);         // not -22*5/9
    EXPECT_EQ(ConvertUnits(13.0, "c"), 55.400000000000006);          // not 9*13/5+32
}

class UnknownUnitKey : public CalculatorTest::MessageCapture,
                       public ::testing::WithParamInterface<std::string> {};

TEST_P(UnknownUnitKey, ShowsTheKeyAsPassedAndGivesZero)
{
    const std::string& key = GetParam();
    EXPECT_EQ(ConvertUnits(25.0, key), 0.0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, "unknown unit type: " + key);
    EXPECT_EQ(shown[0].title, "");  // the application's title
    EXPECT_EQ(shown[0].icon, Calculator::MessageIcon::None);
}

INSTANTIATE_TEST_SUITE_P(Keys, UnknownUnitKey,
    ::testing::Values(std::string("Inch"), std::string("INCH"), std::string("inch "),
                      std::string(" inch"), std::string(""), std::string("in"),
                      std::string("inches"), std::string("inch\0", 5), std::string("Bar"),
                      std::string("kV")));

using KnownUnitKey = CalculatorTest::MessageCapture;

TEST_F(KnownUnitKey, ShowsNothing)
{
    for (const char* key : {"inch", "mm", "psi", "bar", "newtons", "pounds", "sqinch", "sqmm", "f",
                            "c", "scfm", "cmps", "cinch", "cmm", "cv", "kv"})
        ConvertUnits(1.0, key);
    EXPECT_TRUE(shown.empty());
}

TEST(UnknownUnitKeyWithoutHandler, GivesZeroAndDoesNotBlock)
{
    Calculator::SetMessageHandler({});
    EXPECT_EQ(ConvertUnits(25.0, "Inch"), 0.0);
}

TEST(ConvertUnitsOverflow, ResultOutsideTheDoubleRange)
{
    for (const char* key : {"inch", "bar", "pounds", "sqinch", "c", "scfm", "cinch", "kv"})
        EXPECT_EQ(ErrorKindOf([&] { ConvertUnits(DBL_MAX, key); }), Kind::Overflow) << key;
    EXPECT_EQ(ErrorKindOf([] { ConvertUnits(-DBL_MAX, "inch"); }), Kind::Overflow);
    // The shrinking keys stay in range.
    EXPECT_EQ(Digits15(ConvertUnits(DBL_MAX, "mm")), Digits15(DBL_MAX * 0.0394));
    EXPECT_EQ(Digits15(ConvertUnits(DBL_MAX, "psi")), Digits15(DBL_MAX / 14.5));
}

TEST(ArithmeticErrorText, TellsTheKindsApart)
{
    const ArithmeticError overflow(Kind::Overflow);
    const ArithmeticError byZero(Kind::DivisionByZero);
    const ArithmeticError invalid(Kind::InvalidOperation);
    EXPECT_EQ(overflow.kind(), Kind::Overflow);
    EXPECT_EQ(byZero.kind(), Kind::DivisionByZero);
    EXPECT_EQ(invalid.kind(), Kind::InvalidOperation);
    EXPECT_STRNE(overflow.what(), byZero.what());
    EXPECT_STRNE(overflow.what(), invalid.what());
    EXPECT_STRNE(byZero.what(), invalid.what());
}

}  // namespace
