#pragma once
// Standard output through one growing buffer, written out in large pieces: a century of days
// is millions of small appends.

#include <cstdio>
#include <string>

namespace chronel {

class Output {
public:
    // With no file, everything stays in the buffer (for tests and callers that want the text).
    explicit Output(std::FILE* file = nullptr) : m_file(file) {}
    ~Output() { Flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    std::string& Buffer() { return m_buffer; }
    // Writes the buffer out once it is large; call after each record.
    void MaybeFlush() {
        if (m_file && m_buffer.size() >= kFlushSize) Flush();
    }
    // Writes everything; false when the stream failed (a closed pipe, a full disk).
    bool Flush();

private:
    static constexpr std::size_t kFlushSize = 1 << 20;  // bytes
    std::FILE* m_file;
    std::string m_buffer;
    bool m_failed = false;
};

inline bool Output::Flush() {
    if (!m_file) return true;
    if (!m_buffer.empty() && !m_failed)
        m_failed = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size();
    m_buffer.clear();
    if (!m_failed) m_failed = std::fflush(m_file) != 0;
    return !m_failed;
}

}  // namespace chronel
