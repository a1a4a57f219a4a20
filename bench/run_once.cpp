#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstring>

extern char** environ;

// Runs a program once, in this environment, and prints its wall time from start to end in
// microseconds and its peak resident set in KiB: `41250 38512`. Fails when the program
// cannot be started or does not end with status 0.
int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: bench-run-once PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ)) {
        std::fprintf(stderr, "bench-run-once: cannot start %s: %s\n", argv[1],
                     std::strerror(error));
        return 1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("bench-run-once: wait4");
        return 1;
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench-run-once: %s did not end with status 0\n", argv[1]);
        return 1;
    }
    std::printf("%lld %ld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()),
                usage.ru_maxrss);
    return 0;
}
