#include "platform/core/safe_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace chronel {
namespace {

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "is a directory";
    if (S_ISFIFO(mode)) return "is a FIFO";
    if (S_ISCHR(mode)) return "is a character device";
    if (S_ISBLK(mode)) return "is a block device";
    if (S_ISSOCK(mode)) return "is a socket";
    return "is not a regular file";
}

FileText Unreadable(std::string problem) {
    FileText result;
    result.state = FileText::State::Unreadable;
    result.problem = std::move(problem);
    return result;
}

FileText FromErrno(int error) {
    if (error == ENOENT || error == ENOTDIR) return {};
    return Unreadable(std::generic_category().message(error));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileText ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // Looking first keeps a FIFO or a device from being opened at all; O_NONBLOCK covers the
    // file being swapped for one between the look and the open.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FromErrno(errno);
    if (!S_ISREG(info.st_mode)) return Unreadable(KindOf(info.st_mode));

    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) return FromErrno(errno);
    if (::fstat(file.get(), &info) != 0) return FromErrno(errno);
    if (!S_ISREG(info.st_mode)) return Unreadable(KindOf(info.st_mode));

    FileText result;
    result.state = FileText::State::Read;
    const auto expected = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    result.text.reserve(std::min(expected, maxBytes));
    char buffer[65536];
    while (result.text.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - result.text.size());
        const ssize_t got = ::read(file.get(), buffer, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FromErrno(errno);
        if (got == 0) return result;
        result.text.append(buffer, static_cast<std::size_t>(got));
    }
    // At the limit: one more byte tells whether the file goes on.
    char probe = 0;
    ssize_t more = 0;
    do {
        more = ::read(file.get(), &probe, 1);
    } while (more < 0 && errno == EINTR);
    result.truncated = more > 0;
    return result;
}

}  // namespace chronel
