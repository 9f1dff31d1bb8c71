#include "app/core/command_line.h"

#include <gtest/gtest.h>

using namespace chronel;

TEST(CommandLine, ProgramAndDriverOptions) {
    EXPECT_TRUE(ParseCommandLine({"--help"}, false).help);
    EXPECT_TRUE(ParseCommandLine({"--version"}, false).version);
    EXPECT_TRUE(ParseCommandLine({"--trace"}, false).trace);
    EXPECT_FALSE(ParseCommandLine({"--today", "2000-01-01"}, false).error.empty());  // the driver's only
    EXPECT_FALSE(ParseCommandLine({"script.txt"}, false).error.empty());

    const CommandLine driver = ParseCommandLine({"--today", "2000-02-29", "--trace", "script.txt"}, true);
    EXPECT_TRUE(driver.error.empty());
    EXPECT_EQ(driver.today, (CalendarDate{29, 2, 2000}));
    EXPECT_EQ(driver.files, std::vector<std::string>{"script.txt"});
    EXPECT_FALSE(ParseCommandLine({"--today"}, true).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--bogus"}, true).error.empty());
}

TEST(CommandLine, TodayMustBeARealDate) {
    EXPECT_EQ(ParseIsoDate("-44-03-15"), (CalendarDate{15, 3, -44}));
    for (const char* bad : {"2001-02-29", "2000-13-01", "2000-00-10", "2000-1-32", "2000-01-01x", "yesterday", ""})
        EXPECT_FALSE(ParseIsoDate(bad).has_value()) << bad;
}
