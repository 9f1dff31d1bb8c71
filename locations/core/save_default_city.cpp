#include "locations/core/save_default_city.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "locations/core/default_city_paths.h"
#include "platform/core/data_dir.h"

namespace chronel {
namespace {

std::string ErrnoText(int error) { return std::generic_category().message(error); }

SaveResult Failure(const std::string& what, const std::filesystem::path& where, int error) {
    const std::string place = where.empty() ? std::string(".") : where.string();
    return {false, what + " " + place + ": " + ErrnoText(error) + "."};
}

// Opens a new, empty file next to target that no other file has the name of.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
    static unsigned counter = 0;
    const auto folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / ("." + target.filename().string() + "." + std::to_string(getpid()) + "." +
                         std::to_string(counter++) + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Removes the temporary files that an interrupted save (a kill between writing and renaming)
// left next to target: ".<name>.<anything>.tmp", regular files, last written over a minute
// ago, so that a save running at this moment in another process keeps its own.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
    const std::string prefix = "." + target.filename().string() + ".";
    const std::string suffix = ".tmp";
    const auto folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const auto cutoff = std::filesystem::file_time_type::clock::now() - kStaleTemporaryAge;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix))
            continue;
        std::error_code entryError;
        if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) continue;
        const auto written = it->last_write_time(entryError);
        if (entryError || written > cutoff) continue;
        std::filesystem::remove(it->path(), entryError);
    }
}

}  // namespace

SaveResult WriteDefaultCityFile(const std::filesystem::path& path, int index) {
    if (path.empty() || !path.has_filename())
        return {false, "There is no folder to save the default location in."};

    RemoveStaleTemporaries(path);
    std::filesystem::path temp;
    const int fd = CreateTemporary(path, temp);
    if (fd < 0) return Failure("Cannot create a file in", path.parent_path(), errno);

    const std::string digits = std::to_string(index);  // the same text as "%d"
    if (!WriteAll(fd, digits) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure("Cannot write", path, error);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failure("Cannot write", path, error);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failure("Cannot replace", path, error);
    }
    SyncFolder(path.parent_path());
    return {true, {}};
}

SaveResult SaveDefaultCity(int index) {
    const auto path = CurrentDefaultCityPaths().write;
    if (path.empty())
        return {false, "There is no configuration folder to save the default location in."};
    if (!DataDirIsWorkingDirectory()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec)
            return {false, "Cannot create the folder " + path.parent_path().string() + ": " +
                               ec.message() + "."};
    }
    return WriteDefaultCityFile(path, index);
}

}  // namespace chronel
