// The era and year-style catalogues and the region name table.

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/core/local_date.h"
#include "history/core/region_names.h"
#include "history_test_util.h"

using namespace chronel;
using namespace chronel::testing_history;

namespace {

TEST(Catalogues, FillAppendsEveryEntryAtTheIndexItNames) {
    std::vector<CEra> eras(1);  // a list that already holds something keeps it
    FillEraList(eras);
    ASSERT_EQ(eras.size(), 1 + kEraCount);
    for (std::size_t i = 0; i < kEraCount; ++i) EXPECT_EQ(eras[1 + i].m_number, static_cast<int>(i));

    std::vector<CYearStyle> styles(1);
    FillStyleList(styles);
    ASSERT_EQ(styles.size(), 1 + kStyleCount);
    for (std::size_t i = 0; i < kStyleCount; ++i) EXPECT_EQ(styles[1 + i].m_number, static_cast<int>(i));
}

TEST(Catalogues, BeforeChristAndAnnoDominiDifferOnlyInName) {
    const Catalogues c;
    const CEra& bc = c.eras[kBeforeChrist];
    const CEra& ad = c.eras[kAnnoDomini];
    EXPECT_NE(bc.m_name, ad.m_name);
    EXPECT_EQ(bc.m_yearOffset, ad.m_yearOffset);
    EXPECT_EQ(bc.m_startDay, ad.m_startDay);
    EXPECT_EQ(bc.m_startMonth, ad.m_startMonth);
}

// The year numbers of AD 1 after 1 January (New Style) name each era's epoch.
TEST(Catalogues, YearOfAD1UnderEveryEra) {
    const Catalogues c;
    const int expected[kEraCount] = {5509, 754, -283, 1, 1, 5510, 777};
    for (int era = 0; era < static_cast<int>(kEraCount); ++era) {
        SCOPED_TRACE(c.eras[static_cast<std::size_t>(era)].m_name);
        const CRegion r = Region({Jul(era, kNewStyle, 1, 1, -4713)});
        const LocalDate d = ComputeLocalDate(r, OnJulian(1, 7, 1), c.eras, c.styles);
        ASSERT_EQ(d.reckoning, LocalReckoning::Julian);
        EXPECT_EQ(d.year, expected[era]);
        EXPECT_EQ(d.eraName, c.eras[static_cast<std::size_t>(era)].m_name);
    }
}

// After a switch the row names era 4 and style 1 with literal texts; they must be the same.
TEST(Catalogues, GregorianRowNamesAreThoseOfAnnoDominiAndNewStyle) {
    const Catalogues c;
    const CRegion r = Region({Jul(kAnnoMundi, kMarchStyle, 1, 1, 1000), Switch(4, 10, 1582, kByzantine, kOldStyle)});
    const LocalDate d = ComputeLocalDate(r, OnGregorian(1, 1, 2000), c.eras, c.styles);
    ASSERT_EQ(d.reckoning, LocalReckoning::Gregorian);
    EXPECT_EQ(d.eraName, c.eras[kAnnoDomini].m_name);
    EXPECT_EQ(d.styleName, c.styles[kNewStyle].m_name);
}

TEST(RegionNames, SeventySixDistinctNamesWithTheUmlautQuotesWhereExpected) {
    const std::set<std::string_view> distinct(g_regionNames.begin(), g_regionNames.end());
    EXPECT_EQ(distinct.size(), kRegionCount);
    const std::set<std::size_t> withQuote = {57, 59, 61, 65, 72};
    for (std::size_t i = 0; i < kRegionCount; ++i) {
        const std::string_view name = g_regionNames[i];
        const auto quote = name.find('"');
        EXPECT_EQ(quote != std::string_view::npos, withQuote.count(i) == 1) << name;
        if (quote != std::string_view::npos) {
            ASSERT_GT(quote, 0u);
            EXPECT_NE(std::string_view("aeiou").find(name[quote - 1]), std::string_view::npos) << name;
        }
    }
    EXPECT_EQ(g_regionNames[2], "Russia");
    EXPECT_EQ(g_regionNames[53], "Diocese of Augsburg");
    EXPECT_EQ(g_regionNames[72], "Diocese of Osnabru\"ck");
}

// The window's lists sort the names without regard to case and start on positions 58 and 18.
TEST(RegionNames, CaseInsensitiveOrderPutsTheStartSelectionsAt58And18) {
    std::vector<std::string> sorted(g_regionNames.begin(), g_regionNames.end());
    const auto lower = [](std::string s) {
        for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    std::sort(sorted.begin(), sorted.end(),
              [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    EXPECT_EQ(sorted[58], "Russia");
    EXPECT_EQ(sorted[18], "Diocese of Augsburg");
}

}  // namespace
