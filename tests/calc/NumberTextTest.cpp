#include "calc/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

struct FormatCase
{
    double value;
    const char* shown;
};

// The display is exactly the C library's "%.15g".
const FormatCase kFormatCases[] = {
    {0.0, "0"},
    {-0.0, "-0"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 3.0, "0.333333333333333"},
    {-2.0 / 3.0, "-0.666666666666667"},
    {123456789012345.0, "123456789012345"},
    {1234567890123456.0, "1.23456789012346e+15"},
    {1e21, "1e+21"},
    {1e-5, "1e-05"},
    {0.0001, "0.0001"},
    {5e-324, "4.94065645841247e-324"},
    {1.5e308, "1.5e+308"},
    // A tie at the 16th digit rounds to even, as the C library does.
    {590490000000000.5, "590490000000000"},
    {590490000000001.5, "590490000000002"},
    {-590490000000000.5, "-590490000000000"},
    {std::numeric_limits<double>::infinity(), "inf"},
    {-std::numeric_limits<double>::infinity(), "-inf"},
    {std::numeric_limits<double>::quiet_NaN(), "nan"},
    {-std::numeric_limits<double>::quiet_NaN(), "-nan"},
};

} // namespace

TEST(NumberText, FormatIsTheCLibrarysFifteenDigitG)
{
    for (const FormatCase& c : kFormatCases)
        EXPECT_EQ(NumberText::format(c.value).toStdString(), c.shown) << c.shown;
}

TEST(NumberText, WhatFormatWritesReadsBack)
{
    for (const FormatCase& c : kFormatCases) {
        const std::optional<double> back = NumberText::read(NumberText::format(c.value));
        ASSERT_TRUE(back.has_value()) << c.shown;
        if (std::isnan(c.value)) {
            EXPECT_TRUE(std::isnan(*back)) << c.shown;
        } else {
            EXPECT_EQ(std::signbit(*back), std::signbit(c.value)) << c.shown;
            EXPECT_EQ(NumberText::format(*back).toStdString(), c.shown);
        }
    }
}
