// SPDX-License-Identifier: MIT
// Runs start-up probes in turn and prints the median start-up time and peak memory of the
// first as ratios to the others, with the targets against the first two references (bench/run
// passes the empty window, then the window with a menu bar and a label).
// Usage: startup_bench RUNS PROBE REFERENCE [REFERENCE...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Highest ratios to a reference; 0 where there is none. Against the window with a menu bar and a
// label, the program may take half as long again: it links all it uses (Qt Network for the link
// between copies, gensio for network ports) and sets its window up before the first frame.
struct Targets {
    double time;
    double memory;
};
constexpr Targets kTargets[] = {{1.5, 1.3}, {1.5, 0}};

struct Sample {
    double milliseconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

Sample runOnce(const std::string& program) {
    Sample sample;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) return sample;
    if (child == 0) {
        // The offscreen platform's notices would drown the figures.
        if (std::freopen("/dev/null", "w", stderr) == nullptr) ::_exit(126);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) return sample;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    sample.milliseconds = elapsed.count();
    sample.peakKilobytes = usage.ru_maxrss;
    sample.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return sample;
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    std::string program;
    std::vector<double> milliseconds;
    std::vector<long> peakKilobytes;
};

std::string baseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROBE REFERENCE [REFERENCE...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Series> series;
    for (int i = 2; i < argc; ++i) series.push_back({argv[i], {}, {}});

    // One untimed run each, so that all start from warm caches; then the runs in turn, so that
    // a busy machine weighs on all alike.
    for (Series& s : series) {
        if (!runOnce(s.program).ok) {
            std::fprintf(stderr, "startup_bench: %s did not run to its end; no figures\n",
                         s.program.c_str());
            return 1;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (Series& s : series) {
            const Sample sample = runOnce(s.program);
            if (!sample.ok) {
                std::fprintf(stderr, "startup_bench: %s failed in run %d; no figures\n",
                             s.program.c_str(), run + 1);
                return 1;
            }
            s.milliseconds.push_back(sample.milliseconds);
            s.peakKilobytes.push_back(sample.peakKilobytes);
        }
    }

    std::printf("start-up to the main window shown (process start to end), median of %d runs\n",
                runs);
    for (const Series& s : series) {
        std::printf("  %-24s %7.1f ms   peak RSS %7ld KiB\n", baseName(s.program).c_str(),
                    median(s.milliseconds), median(s.peakKilobytes));
    }
    const Series& probe = series.front();
    for (std::size_t i = 1; i < series.size(); ++i) {
        const Series& reference = series[i];
        const double time = median(probe.milliseconds) / median(reference.milliseconds);
        const double memory = static_cast<double>(median(probe.peakKilobytes)) /
                              static_cast<double>(median(reference.peakKilobytes));
        std::printf("  against %-24s time %.2fx   RSS %.2fx", baseName(reference.program).c_str(),
                    time, memory);
        if (i <= std::size(kTargets)) {
            const Targets& target = kTargets[i - 1];
            std::printf("   (target: time <= %.2fx %s", target.time,
                        time <= target.time ? "met" : "missed");
            if (target.memory > 0) {
                std::printf(", RSS <= %.2fx %s", target.memory,
                            memory <= target.memory ? "met" : "missed");
            }
            std::printf(")");
        }
        std::printf("\n");
    }
    return 0;
}
