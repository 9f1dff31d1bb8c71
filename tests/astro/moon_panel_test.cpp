#include "astro/core/moon_panel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calendar/day_numbers.h"

namespace chronel {
namespace {

TEST(MoonPanel, PictureAndPhaseTextsOfSampleDays) {
    struct Case {
        double jd;
        const char* day;
        int picture;
        int resource;
        const char* name;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        // Minutes truncated: the new moon falls at 18 h 14.77 min.
        {2451544.5, "1 January 2000", 6, 143, "New Moon", "1/6/2000", "18:14"},
        {2451550.5, "7 January 2000", 0, 133, "First Quarter", "1/14/2000", "13:35"},
        // The picture still shows the first quarter; the texts already name the full moon.
        {2451557.5, "14 January 2000", 2, 140, "Full Moon", "1/21/2000", "04:41"},
        // A phase later on the day shown is named with that same day.
        {2451564.5, "21 January 2000", 4, 136, "Full Moon", "1/21/2000", "04:41"},
        {2454905.5, "15 March 2009", 5, 142, "Last Quarter", "3/18/2009", "17:48"},
        // Before the reform the phase is dated in the Julian calendar, after it in the Gregorian.
        {2299150.5, "5 October 1582 (Gregorian)", 2, 140, "Full Moon", "10/1/1582", "21:01"},
        {2299170.5, "25 October 1582", 0, 133, "New Moon", "10/26/1582", "15:16"},
        {1538798.5, "1 January 500 BC (Julian)", 3, 141, "Full Moon", "1/6/500 BC", "16:01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        const int index = MoonPictureIndex(c.jd);
        EXPECT_EQ(index, c.picture);
        EXPECT_EQ(MoonPictureResource(index), c.resource);
        const MoonPhaseTexts t = ComputeMoonPhaseTexts(c.jd);
        EXPECT_EQ(t.name, c.name);
        EXPECT_EQ(t.date, c.date);
        EXPECT_EQ(t.time, c.time);
    }
}

TEST(MoonPanel, ResourcesOfTheEightPictures) {
    const int expected[] = {133, 138, 140, 141, 136, 142, 143, 144};
    for (int i = 0; i < kMoonPictureCount; ++i) EXPECT_EQ(MoonPictureResource(i), expected[i]);
    EXPECT_EQ(MoonPictureResource(-1), 0);
    EXPECT_EQ(MoonPictureResource(8), 0);
}

TEST(MoonPanel, PicturesFollowEachOtherThroughALunation) {
    // Day by day through two months the index never jumps back except from 7 to 0, and each
    // picture is shown for three or four days (a lunation is 29.53 days in eight steps).
    int previous = MoonPictureIndex(2451544.5);
    int run = 0;
    int changes = 0;
    for (double jd = 2451545.5; jd < 2451545.5 + 59; jd += 1) {
        const int index = MoonPictureIndex(jd);
        if (index == previous) {
            ++run;
            continue;
        }
        EXPECT_EQ(index, (previous + 1) % 8) << "jd " << jd;
        if (changes > 0) {
            EXPECT_GE(run + 1, 3) << "jd " << jd;
            EXPECT_LE(run + 1, 4) << "jd " << jd;
        }
        ++changes;
        run = 0;
        previous = index;
    }
    EXPECT_EQ(changes, 16);
}

TEST(MoonPanel, PictureIndexStaysInRangeOverTheWholeCalendar) {
    const double first = kMinSupportedJD;
    const double last = MaxSupportedJD() + 0.999;
    // A dense walk with a step that is not a fraction of the month, plus fractional days.
    for (double jd = first; jd <= last; jd += 997.3) {
        const int index = MoonPictureIndex(jd);
        ASSERT_GE(index, 0) << std::fixed << jd;
        ASSERT_LE(index, 7) << std::fixed << jd;
    }
    // Every day around both ends and around zero.
    for (double base : {first, -0.5 - 200, last - 200}) {
        for (double jd = base; jd < base + 400; jd += 0.25) {
            const int index = MoonPictureIndex(jd);
            ASSERT_GE(index, 0) << std::fixed << jd;
            ASSERT_LE(index, 7) << std::fixed << jd;
        }
    }
    // Days whose age is the last representable value below a whole month.
    for (double jd : {2451550.1 - 1.8456618033125, 2451550.1 - 1.8456618033125 + 29.530588853}) {
        for (double x = std::nextafter(jd, -1e9), n = 0; n < 64; ++n, x = std::nextafter(x, -1e9)) {
            const int index = MoonPictureIndex(x);
            ASSERT_GE(index, 0) << std::hexfloat << x;
            ASSERT_LE(index, 7) << std::hexfloat << x;
        }
    }
}

TEST(MoonPanel, PictureIndexOfANonFiniteDayIsTheNewMoon) {
    EXPECT_EQ(MoonPictureIndex(NAN), 0);
    EXPECT_EQ(MoonPictureIndex(INFINITY), 0);
    EXPECT_EQ(MoonPictureIndex(-INFINITY), 0);
}

TEST(MoonPanel, PhaseTextsAtTheEndsOfTheCalendar) {
    // The phase after the first and the last supported day can still be dated and timed.
    for (double jd : {kMinSupportedJD, MaxSupportedJD()}) {
        const MoonPhaseTexts t = ComputeMoonPhaseTexts(jd);
        EXPECT_FALSE(t.name.empty()) << jd;
        EXPECT_NE(t.date.find('/'), std::string::npos) << jd;
        ASSERT_EQ(t.time.size(), 5u) << jd;
        EXPECT_EQ(t.time[2], ':') << jd;
    }
    EXPECT_NE(ComputeMoonPhaseTexts(kMinSupportedJD).date.find(" BC"), std::string::npos);
}

}  // namespace
}  // namespace chronel
