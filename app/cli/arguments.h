#pragma once
// Reading the arguments of a subcommand: options with a value ("--days 7" or "--days=7"),
// strict numbers, and usage errors that end the command with status 2.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace chronel {

// A command line that cannot be understood; what() names the problem in one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ArgumentReader {
public:
    explicit ArgumentReader(std::vector<std::string> args) : m_args(std::move(args)) {}
    bool Done() const { return m_next >= m_args.size(); }
    const std::string& Peek() const { return m_args[m_next]; }
    std::string Take() { return m_args[m_next++]; }
    // When the next argument is the option name ("--days" or "--days=..."), takes it and its
    // value; a missing value is a usage error.
    std::optional<std::string> Option(std::string_view name);
    // When the next argument is the flag name, takes it.
    bool Flag(std::string_view name);

private:
    std::vector<std::string> m_args;
    std::size_t m_next = 0;
};

// A finite decimal number, the whole text ("2451545.5", "-0.25", "1e3"); a usage error naming
// what otherwise.
double ParseNumber(const std::string& text, std::string_view what);
// A whole number within [lower, upper], the whole text.
long long ParseInteger(const std::string& text, std::string_view what, long long lower, long long upper);

// One of the given words; a usage error listing them otherwise.
std::string ParseChoice(const std::string& text, std::string_view what, const std::vector<std::string>& choices);

}  // namespace chronel
