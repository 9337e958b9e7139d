// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the CPU time a running process has used so far, in nanoseconds. /proc counts CPU time
// in scheduler ticks of 10 ms, and a program woken by a 50 ms timer is charged whole ticks
// according to where its wake-ups fall; the process's CPU clock counts exactly.
// Usage: bench_cpu_clock PID

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_cpu_clock PID\n");
        return 2;
    }
    const auto pid = static_cast<pid_t>(std::strtol(argv[1], nullptr, 10));
    clockid_t clock{};
    timespec used{};
    if (const int error = clock_getcpuclockid(pid, &clock); error != 0) {
        std::fprintf(stderr, "bench_cpu_clock: process %s: %s\n", argv[1], std::strerror(error));
        return 1;
    }
    if (clock_gettime(clock, &used) != 0) {
        std::fprintf(stderr, "bench_cpu_clock: process %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(used.tv_sec) * 1000000000LL + used.tv_nsec);
    return 0;
}
