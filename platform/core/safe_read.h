#pragma once
// Reading a data file so that no file can hurt the program: only a regular file is read (a
// folder, a FIFO, a device or a symbolic link to one of them is refused before anything is
// read, so the call never blocks), at most a given number of bytes are read, and every failure
// comes back as a value, never as an exception.

#include <cstddef>
#include <filesystem>
#include <string>

namespace chronel {

struct FileText {
    enum class State {
        Missing,     // no such file (or a dangling symbolic link)
        Unreadable,  // exists but cannot be read as a regular file: see problem
        Read,        // text holds the file's first bytes
    };
    State state = State::Missing;
    std::string text;       // with Read: at most the limit's bytes
    bool truncated = false;  // with Read: the file holds more than the limit
    std::string problem;    // with Unreadable: e.g. "is a directory", "Permission denied"
};

// Reads at most maxBytes bytes from the start of the file at path.
FileText ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace chronel
