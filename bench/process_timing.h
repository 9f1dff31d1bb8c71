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
    double seconds = 0;             // from start to exit
    double secondsToFirstOutput = 0;  // from start to the first byte on standard output
    long peakKiB = 0;
};

// Runs argv with stdin from inputPath and stdout read and dropped; returns wall times and peak
// RSS. The time to the first output tells when a program that prints once its window is
// complete got there, without the time it then takes to tear everything down and exit.
inline RunFigures Run(const std::vector<std::string>& argv, const std::string& inputPath) {
    std::fflush(stdout);  // the child must not inherit unwritten output
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!inputPath.empty()) std::freopen(inputPath.c_str(), "r", stdin);
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[4096];
    double toFirstOutput = -1;
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) continue;  // interrupted
        if (toFirstOutput < 0)
            toFirstOutput = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (toFirstOutput < 0) toFirstOutput = seconds;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0].c_str());
        std::exit(1);
    }
    return {seconds, toFirstOutput, usage.ru_maxrss};
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
