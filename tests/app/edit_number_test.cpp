#include "app/core/edit_number.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using chronel::ReadEditDouble;
using chronel::ReadEditInt;

TEST(EditNumber, ReadsLikeScanfAndNeverOverflows) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},         {"abc", 0},          {"  42", 42},        {"+7x", 7},  {"-12", -12},
        {"3.9", 3},      {"1e308", 1},        {"-99999999999", kMin}, {"99999999999", kMax},
        {"- 5", 0},      {"2147483647", kMax}, {"-2147483648", kMin},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadEditInt(c.text, 0, 0, false), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ReadEditInt(std::string(500, '9'), 0, 0, false), kMax);
}

TEST(EditNumber, ClampsMinimumFirstThenMaximum) {
    EXPECT_EQ(ReadEditInt("", 1, 31, true), 1);  // nothing typed: 0, brought up to the minimum
    EXPECT_EQ(ReadEditInt("45", 1, 30, true), 30);
    EXPECT_EQ(ReadEditInt("-3", 0, 365, true), 0);
    EXPECT_EQ(ReadEditDouble("13", -12.0, 12.0, true), 12.0);
    EXPECT_EQ(ReadEditDouble("-5", -12.0, 12.0, true), -5.0);
}

TEST(EditNumber, DoublesReadFiniteValuesOnly) {
    constexpr double kMax = std::numeric_limits<double>::max();
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2451545", 2451545.0}, {" -0.5", -0.5}, {"1e308", 1e308}, {"1e400", kMax}, {"-1e400", -kMax},
        {"1e-400", 0.0},        {"nan", 0.0},    {"inf", 0.0},     {"-inf", 0.0},   {"x1", 0.0},
        {"12.5abc", 12.5},      {"+3", 3.0},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadEditDouble(c.text, 0, 0, false), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ReadEditDouble(std::string(500, '9'), 0, 0, false), kMax);
}

// A sign is read once, in both kinds of field, and a decimal zero never carries a sign: the
// Julian Day and time-zone fields show "%.2f" of it, where -0.0 would show as "-0.00".
TEST(EditNumber, OneSignAndNoNegativeZero) {
    const struct {
        const char* text;
        double asDouble;
        int asInt;
    } cases[] = {
        {"--5", 0.0, 0}, {"+-5", 0.0, 0},  {"-+5", 0.0, 0},     {"++5", 0.0, 0},  {"-", 0.0, 0},
        {"-0", 0.0, 0},  {"-0.0", 0.0, 0}, {"-1e-400", 0.0, -1}, {"- 5", 0.0, 0}, {"-x", 0.0, 0},
    };
    for (const auto& c : cases) {
        const double read = ReadEditDouble(c.text, 0, 0, false);
        EXPECT_EQ(read, c.asDouble) << '"' << c.text << '"';
        EXPECT_FALSE(std::signbit(read)) << '"' << c.text << '"';
        EXPECT_EQ(ReadEditInt(c.text, 0, 0, false), c.asInt) << '"' << c.text << '"';
    }
    // Clamping to a range that holds zero keeps +0.0 as well.
    EXPECT_FALSE(std::signbit(ReadEditDouble("-0", -12.0, 12.0, true)));
    EXPECT_FALSE(std::signbit(ReadEditDouble("-", -12.0, 12.0, true)));
}
