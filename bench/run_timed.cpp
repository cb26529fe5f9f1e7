// Runs a command once and prints its whole-process figures on one line, as the kernel
// accounts them when the process is reaped: "WALL_US CPU_US PEAK_KIB" (wall time from the
// start to the reaping, CPU time in user and system mode, peak resident memory). GNU time
// rounds CPU time to 10 ms, too coarse for a start-up of a few tens of milliseconds.
// Usage: pagetint_run_timed OUTPUT COMMAND [ARGUMENT...]; the command's output goes to
// OUTPUT. The exit status is the command's, or 125 when it could not be run.
#include <chrono>
#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long microseconds(const timeval& time)
{
    return static_cast<long long>(time.tv_sec) * 1'000'000 + time.tv_usec;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pagetint_run_timed OUTPUT COMMAND [ARGUMENT...]\n");
        return 125;
    }
    const int output = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (output < 0) {
        std::perror(argv[1]);
        return 125;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 125;
    }
    if (child == 0) {
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        close(output);
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(125);
    }
    close(output);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return 125;
    }
    const auto end = std::chrono::steady_clock::now();
    const auto wall = std::chrono::duration_cast<std::chrono::microseconds>(end - start).count();
    std::printf("%lld %lld %ld\n", static_cast<long long>(wall),
                microseconds(usage.ru_utime) + microseconds(usage.ru_stime), usage.ru_maxrss);
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}
