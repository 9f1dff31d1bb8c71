#pragma once
// Timing whole processes for the benchmarks: wall time and peak memory of one run, medians.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace chronel::bench {

struct RunFigures {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs argv with stdin from inputPath and stdout discarded; returns wall time and peak RSS.
inline RunFigures Run(const std::vector<std::string>& argv, const std::string& inputPath) {
    std::fflush(stdout);  // the child must not inherit unwritten output
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!inputPath.empty()) std::freopen(inputPath.c_str(), "r", stdin);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0].c_str());
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

inline double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, static_cast<std::size_t>(p * v.size()))];
}

inline std::string WriteTemp(const std::string& text) {
    char path[] = "/tmp/chronel-bench-XXXXXX";
    const int fd = mkstemp(path);
    close(fd);
    std::ofstream(path) << text;
    return path;
}

}  // namespace chronel::bench
