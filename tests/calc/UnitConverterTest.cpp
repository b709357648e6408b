#include "calc/NumberText.h"
#include "calc/UnitConverter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

int categoryIndex(const UnitConverter& c, const QString& name)
{
    for (int i = 0; i < c.categories().size(); ++i)
        if (c.categories().at(i).name == name)
            return i;
    return -1;
}

double convert(const QString& category, const QString& from, const QString& to, double value)
{
    UnitConverter c;
    c.selectCategory(category);
    const UnitCategory* cat = c.currentCategory();
    EXPECT_NE(cat, nullptr) << category.toStdString();
    if (!cat)
        return NAN;
    const int fromIndex = int(cat->units.indexOf(from));
    const int toIndex = int(cat->units.indexOf(to));
    EXPECT_GE(fromIndex, 0) << from.toStdString();
    EXPECT_GE(toIndex, 0) << to.toStdString();
    c.setFromValue(value);
    c.setFromIndex(fromIndex);
    c.setToIndex(toIndex);
    return c.toValue();
}

TEST(UnitConverter, HoldsThirtyEightCategoriesWithSixHundredFiftyTwoUnits)
{
    UnitConverter c;
    ASSERT_EQ(c.categories().size(), 38);
    qsizetype units = 0;
    for (const UnitCategory& cat : c.categories()) {
        units += cat.size();
        EXPECT_EQ(cat.factors.size(), cat.size() * cat.size()) << cat.name.toStdString();
    }
    EXPECT_EQ(units, 652);
    EXPECT_EQ(c.categories().first().name, QStringLiteral("Acceleration"));
    EXPECT_EQ(c.categories().last().name, QStringLiteral("Luminance"));
    EXPECT_EQ(c.categoryIndex(), -1);
}

TEST(UnitConverter, NamesAreKeptAsStored)
{
    UnitConverter c;
    const struct {
        const char16_t* category;
        const char16_t* unit;
        int index;
    } names[] = {
        {u"Force", u"\tMilliNewton", 18},
        {u"Volume", u"Fluid Ounce ", 26},
        {u"Heat Capacity", u"oule/kilogram \u00b0C", 9},
        {u"Temperature", u"Rankine", 4},
        {u"Torque", u"KilogramForceCentimete", 6},
    };
    for (const auto& n : names) {
        const int i = categoryIndex(c, QString::fromUtf16(n.category));
        ASSERT_GE(i, 0);
        EXPECT_EQ(c.categories().at(i).units.indexOf(QString::fromUtf16(n.unit)), n.index)
            << QString::fromUtf16(n.unit).toStdString();
    }
}

TEST(UnitConverter, OpensOnTheFirstCategoryWithTheFirstUnitOnBothSides)
{
    UnitConverter c;
    c.selectCategory(0);
    ASSERT_NE(c.currentCategory(), nullptr);
    EXPECT_EQ(c.currentCategory()->name, QStringLiteral("Acceleration"));
    EXPECT_EQ(c.fromIndex(), 0);
    EXPECT_EQ(c.toIndex(), 0);
    EXPECT_EQ(c.currentCategory()->units.at(0), QStringLiteral("Mile/sq.second"));
    EXPECT_EQ(c.fromValue(), 1.0);
    EXPECT_EQ(c.toValue(), 1.0);
}

struct Conversion
{
    const char16_t* category;
    const char16_t* from;
    const char16_t* to;
    double value;
    const char* shown;
};

class Conversions : public ::testing::TestWithParam<Conversion>
{
};

TEST_P(Conversions, GiveTheShownResult)
{
    const Conversion& k = GetParam();
    const double result = convert(QString::fromUtf16(k.category), QString::fromUtf16(k.from),
                                  QString::fromUtf16(k.to), k.value);
    EXPECT_EQ(NumberText::format(result).toStdString(), k.shown)
        << QString::fromUtf16(k.from).toStdString() << " -> " << QString::fromUtf16(k.to).toStdString();
}

const Conversion kConversions[] = {
    {u"Length/Distance", u"League", u"Nautical Mile", 1, "3"},
    {u"Length/Distance", u"Nautical Mile", u"League", 3, "1"},
    {u"Computer Storage", u"ExaByte", u"PetaByte", 1, "1024"},
    {u"Computer Storage", u"KiloBit", u"Byte", 1, "128"},
    {u"Sound", u"Decibel", u"Bel", 10, "1"},
    {u"Sound", u"Bel", u"Decibel", 1, "10"},
    {u"Sound", u"Nepe", u"Decibel", 1, "8.68605974271891"},
    {u"Temperature", u"Celsius (C)", u"Fahrenheit (F)", 100, "212"},
    {u"Temperature", u"Kelvin (K)", u"Celsius (C)", 0, "-273.15"},
    {u"Temperature", u"Fahrenheit (F)", u"Rankine", 32, "491.67"},
    {u"Temperature", u"Reaumur (R)", u"Celsius (C)", 80, "100"},
    {u"Temperature", u"Fahrenheit (F)", u"Celsius (C)", 212, "100"},
    {u"Temperature", u"Rankine", u"Kelvin (K)", 491.67, "273.15"},
    {u"Temperature", u"Celsius (C)", u"Celsius (C)", 37.5, "37.5"},
    {u"Weight/Mass", u"Kilogram", u"Kilogram", 2.5, "2.5"},
    {u"Volume", u"Liter", u"Milliliter", 1, "1000"},
    {u"Date/Time", u"Century", u"Year", 1, "100"},
    {u"Capacitance", u"Farad", u"Attofarad", 1e300, "inf"},
};

INSTANTIATE_TEST_SUITE_P(Tables, Conversions, ::testing::ValuesIn(kConversions));

TEST(UnitConverter, EveryPairConvertsThereAndBack)
{
    UnitConverter c;
    const double values[] = {1.0, 123.456, -0.0375};
    for (int k = 0; k < c.categories().size(); ++k) {
        c.selectCategory(k);
        const UnitCategory& cat = *c.currentCategory();
        for (int a = 0; a < cat.size(); ++a) {
            for (int b = 0; b < cat.size(); ++b) {
                for (double v : values) {
                    c.setFromValue(v);
                    c.setFromIndex(a);
                    c.setToIndex(b);
                    const double there = c.toValue();
                    c.setFromValue(there);
                    c.setFromIndex(b);
                    c.setToIndex(a);
                    const double back = c.toValue();
                    EXPECT_EQ(QString::asprintf("%.12g", back), QString::asprintf("%.12g", v))
                        << cat.name.toStdString() << ": " << cat.units.at(a).toStdString() << " <-> "
                        << cat.units.at(b).toStdString() << " at " << v;
                }
            }
        }
    }
}

// The same temperature in Reaumur, Celsius, Fahrenheit, Kelvin and Rankine:
// every formula, from each unit to each other one, gives it.
TEST(UnitConverter, EveryTemperatureFormulaGivesTheSameTemperature)
{
    const struct {
        double value[5];
        const char* shown[5];
    } same[] = {
        {{80, 100, 212, 373.15, 671.67}, {"80", "100", "212", "373.15", "671.67"}},
        {{-32, -40, -40, 233.15, 419.67}, {"-32", "-40", "-40", "233.15", "419.67"}},
        {{0, 0, 32, 273.15, 491.67}, {"0", "0", "32", "273.15", "491.67"}},
    };
    UnitConverter c;
    c.selectCategory(QString::fromUtf16(UnitTables::temperatureName));
    ASSERT_NE(c.currentCategory(), nullptr);
    ASSERT_EQ(c.currentCategory()->size(), 5);
    for (const auto& t : same) {
        for (int from = 0; from < 5; ++from) {
            for (int to = 0; to < 5; ++to) {
                c.setFromValue(t.value[from]);
                c.setFromIndex(from);
                c.setToIndex(to);
                EXPECT_EQ(NumberText::format(c.toValue()).toStdString(), t.shown[to])
                    << c.currentCategory()->units.at(from).toStdString() << " " << t.value[from] << " -> "
                    << c.currentCategory()->units.at(to).toStdString();
            }
        }
    }
}

TEST(UnitConverter, LaterToEarlierUsesTheReciprocal)
{
    UnitConverter c;
    for (const UnitCategory& cat : c.categories()) {
        if (cat.name == u"Temperature")
            continue;
        for (int i = 0; i < cat.size(); ++i) {
            EXPECT_EQ(cat.factor(i, i), 1.0);
            for (int j = i + 1; j < cat.size(); ++j)
                EXPECT_EQ(cat.factor(j, i), 1.0 / cat.factor(i, j));
        }
    }
}

TEST(UnitConverter, TheFromFieldTakesOnlyNumbers)
{
    const std::pair<const char*, bool> texts[] = {
        {"2.5", true}, {" 12 ", true}, {"1.", true}, {".5", true}, {"-3e2", true}, {"+4", true},
        {"", false},   {"-", false},   {".", false}, {"abc", false}, {"1,5", false}, {"0x10", false},
        {"1e", false}, {"2 3", false},
    };
    for (const auto& [text, ok] : texts) {
        UnitConverter c;
        c.selectCategory(0);
        EXPECT_EQ(c.setFromText(QString::fromUtf8(text)), ok) << text;
        if (!ok) {
            EXPECT_EQ(c.fromValue(), 1.0) << text;
        }
    }
}

TEST(UnitConverter, SelectingAnUnknownCategoryChangesNothing)
{
    UnitConverter c;
    c.selectCategory(QStringLiteral("Speed"));
    const int speed = c.categoryIndex();
    EXPECT_GE(speed, 0);
    c.selectCategory(QStringLiteral("Nothing"));
    EXPECT_EQ(c.categoryIndex(), speed);
}

} // namespace
