#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "locations/core/default_city.h"
#include "locations/core/default_city_paths.h"
#include "locations/core/save_default_city.h"
#include "platform/core/data_dir.h"
#include "temp_folder.h"

using namespace chronel;
using chronel::testing_support::ReadFile;
using chronel::testing_support::TempFolder;
using chronel::testing_support::WriteFile;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Runs in another working directory for the life of the object.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const fs::path& dir) : old_(fs::current_path()) {
        fs::current_path(dir);
    }
    ~ScopedWorkingDirectory() { fs::current_path(old_); }

private:
    fs::path old_;
};

// Files in a folder other than the ones named.
int StrayFiles(const fs::path& folder, const std::string& keep) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != keep) ++n;
    return n;
}

TEST(SaveDefaultCity, WritesExactlyTheDigitsOverTheOldFile) {
    TempFolder folder;
    const auto file = folder / "DefaultLoc.txt";
    WriteFile(file, "  132\n");
    for (const int index : {57, 0, -4, 2147483647}) {
        const auto result = WriteDefaultCityFile(file, index);
        EXPECT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(result.reason, "");
        EXPECT_EQ(ReadFile(file), std::to_string(index));
    }
    EXPECT_EQ(StrayFiles(folder.path(), "DefaultLoc.txt"), 0);
    // What was saved is what the next start reads.
    EXPECT_EQ(ReadDefaultCityFile(file).number, 2147483647);
}

TEST(SaveDefaultCity, FolderThatCannotHoldTheFileIsReported) {
    TempFolder folder;
    WriteFile(folder / "Data", "a file where a folder should be");
    const auto result = WriteDefaultCityFile(folder / "Data" / "DefaultLoc.txt", 57);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("Not a directory"), std::string::npos) << result.reason;
    EXPECT_EQ(ReadFile(folder / "Data"), "a file where a folder should be");

    const auto missing = WriteDefaultCityFile(folder / "absent" / "DefaultLoc.txt", 57);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_FALSE(fs::exists(folder / "absent"));
}

TEST(SaveDefaultCity, FailedRenameRemovesTheNewFile) {
    TempFolder folder;
    fs::create_directories(folder / "DefaultLoc.txt" / "inside");  // a folder in the way
    const auto result = WriteDefaultCityFile(folder / "DefaultLoc.txt", 57);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(fs::is_directory(folder / "DefaultLoc.txt" / "inside"));
    EXPECT_EQ(StrayFiles(folder.path(), "DefaultLoc.txt"), 0);
}

TEST(SaveDefaultCity, FullDiskKeepsTheOldNumber) {
    // A file-size limit of 0 makes every write to a regular file fail, as a full disk does
    // (and works for root, unlike a read-only folder).
    TempFolder folder;
    const auto file = folder / "DefaultLoc.txt";
    WriteFile(file, "57");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit none = old;
    none.rlim_cur = 0;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    const auto result = WriteDefaultCityFile(file, 123);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find(file.string()), std::string::npos) << result.reason;
    EXPECT_EQ(ReadFile(file), "57");
    EXPECT_EQ(StrayFiles(folder.path(), "DefaultLoc.txt"), 0);
}

// A kill between writing and renaming leaves ".DefaultLoc.txt.<pid>.<n>.tmp"; the next save
// clears such leftovers, but not a fresh one (a save under way elsewhere) nor other files.
TEST(SaveDefaultCity, RemovesTemporariesLeftByAnInterruptedSave) {
    TempFolder folder;
    const auto target = folder / "DefaultLoc.txt";
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    const struct {
        const char* name;
        bool stale;
        bool removed;
    } files[] = {
        {".DefaultLoc.txt.4242.0.tmp", true, true},
        {".DefaultLoc.txt.x.tmp", true, true},
        {".DefaultLoc.txt.4243.0.tmp", false, false},  // written just now
        {".Other.txt.4242.0.tmp", true, false},
        {"DefaultLoc.txt.4242.0.tmp", true, false},
        {".DefaultLoc.txt.4242.0.tmp.keep", true, false},
    };
    for (const auto& f : files) {
        WriteFile(folder / f.name, "57");
        if (f.stale) fs::last_write_time(folder / f.name, old);
    }
    ASSERT_TRUE(WriteDefaultCityFile(target, 12).ok);
    EXPECT_EQ(ReadFile(target), "12");
    for (const auto& f : files) EXPECT_EQ(fs::exists(folder / f.name), !f.removed) << f.name;
}

TEST(DefaultCityPathChoice, WorkingDataFolderIsUsedForBoth) {
    const auto paths = ChooseDefaultCityPaths(true, "/w/Data", "/home/u/.config/chronel");
    EXPECT_EQ(paths.read, fs::path("/w/Data/DefaultLoc.txt"));
    EXPECT_EQ(paths.write, fs::path("/w/Data/DefaultLoc.txt"));
}

TEST(DefaultCityPathChoice, InstalledDataPrefersTheUsersOwnCopy) {
    TempFolder folder;
    const auto config = folder / "config";
    const auto installed = fs::path("/usr/share/chronel/Data");

    auto paths = ChooseDefaultCityPaths(false, installed, config);
    EXPECT_EQ(paths.read, installed / "DefaultLoc.txt");  // nothing saved yet
    EXPECT_EQ(paths.write, config / "DefaultLoc.txt");

    fs::create_directories(config);
    WriteFile(config / "DefaultLoc.txt", "57");
    paths = ChooseDefaultCityPaths(false, installed, config);
    EXPECT_EQ(paths.read, config / "DefaultLoc.txt");
    EXPECT_EQ(paths.write, config / "DefaultLoc.txt");

    paths = ChooseDefaultCityPaths(false, installed, {});  // no HOME, no XDG_CONFIG_HOME
    EXPECT_EQ(paths.read, installed / "DefaultLoc.txt");
    EXPECT_TRUE(paths.write.empty());
    EXPECT_FALSE(WriteDefaultCityFile(paths.write, 57).ok);
}

TEST(DefaultCityPathChoice, ThisProcessWithAndWithoutADataFolder) {
    TempFolder folder;
    fs::create_directories(folder / "work");
    ScopedWorkingDirectory cwd(folder / "work");
    ScopedEnv xdg("XDG_CONFIG_HOME", (folder / "xdg").string());
    ScopedEnv home("HOME", (folder / "home").string());
    const auto userFile = folder / "xdg" / "chronel" / "DefaultLoc.txt";

    // Installed: read the installed copy until the user saves, then the user's copy.
    ASSERT_FALSE(DataDirIsWorkingDirectory());
    EXPECT_EQ(CurrentDefaultCityPaths().read, DataDir() / "DefaultLoc.txt");
    EXPECT_EQ(CurrentDefaultCityPaths().write, userFile);
    const auto saved = SaveDefaultCity(57);  // creates the configuration folder
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_EQ(ReadFile(userFile), "57");
    EXPECT_EQ(CurrentDefaultCityPaths().read, userFile);

    // Without XDG_CONFIG_HOME the folder is under HOME.
    {
        ScopedEnv noXdg("XDG_CONFIG_HOME", "");
        EXPECT_EQ(CurrentDefaultCityPaths().write,
                  folder / "home" / ".config" / "chronel" / "DefaultLoc.txt");
    }

    // A Data folder in the working directory takes over, for reading and writing.
    fs::create_directories(folder / "work" / "Data");
    const auto dataFile = fs::current_path() / "Data" / "DefaultLoc.txt";
    EXPECT_EQ(CurrentDefaultCityPaths().read, dataFile);
    EXPECT_EQ(CurrentDefaultCityPaths().write, dataFile);
    ASSERT_TRUE(SaveDefaultCity(9).ok);
    EXPECT_EQ(ReadFile(dataFile), "9");
    EXPECT_EQ(ReadFile(userFile), "57");
}

TEST(DefaultCityPathChoice, UnwritableConfigurationFolderIsReported) {
    TempFolder folder;
    fs::create_directories(folder / "work");
    ScopedWorkingDirectory cwd(folder / "work");
    WriteFile(folder / "xdg", "a file where a folder should be");
    ScopedEnv xdg("XDG_CONFIG_HOME", (folder / "xdg").string());
    const auto result = SaveDefaultCity(57);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadFile(folder / "xdg"), "a file where a folder should be");
}

}  // namespace
