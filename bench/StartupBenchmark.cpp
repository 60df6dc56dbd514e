// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts two programs alternately, each reporting the moment of its first painted frame, and
// prints how long each took from the start of the process (before exec, so loading the shared
// libraries counts) and its peak resident memory.
//
// Usage: bench_startup RUNS PROGRAM BASELINE
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run
{
    double milliseconds;
    double peakMebibytes;
};

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Run runOnce(const char *program)
{
    int output[2];
    if (pipe(output) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }
    close(output[1]);
    std::string reported;
    char buffer[64];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        reported.append(buffer, size_t(n));
    close(output[0]);

    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || reported.empty()) {
        std::fprintf(stderr, "%s did not report a first frame\n", program);
        std::exit(1);
    }
    return {(std::stoll(reported) - start) / 1e6, usage.ru_maxrss / 1024.0};
}

struct Summary
{
    double median, min, max;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char *programs[] = {argv[2], argv[3]};
    std::vector<double> times[2], memory[2];

    runOnce(programs[0]); // warm the file cache for both
    runOnce(programs[1]);
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Run run = runOnce(programs[p]);
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.peakMebibytes);
        }
    }

    std::printf("start-up to first painted frame, %d runs each, alternating\n", runs);
    std::printf("%-10s %10s %10s %10s %14s\n", "", "median ms", "min ms", "max ms", "peak RSS MiB");
    const char *names[] = {"daywright", "baseline"};
    Summary time[2], rss[2];
    for (int p = 0; p < 2; ++p) {
        time[p] = summarise(times[p]);
        rss[p] = summarise(memory[p]);
        std::printf("%-10s %10.1f %10.1f %10.1f %14.1f\n", names[p], time[p].median, time[p].min,
                    time[p].max, rss[p].median);
    }
    std::printf("ratio daywright/baseline: time %.2f, peak RSS %.2f\n",
                time[0].median / time[1].median, rss[0].median / rss[1].median);
    return 0;
}
