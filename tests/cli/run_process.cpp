#include "run_process.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(what);
    }
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input, const std::vector<std::string>& environment) {
    int in[2], out[2], err[2];
    Check(pipe(in) == 0 && pipe(out) == 0 && pipe(err) == 0, "pipe");
    const pid_t child = fork();
    Check(child >= 0, "fork");
    if (child == 0) {
        // The parent ignores SIGPIPE (below) and ignored signals survive exec; the program
        // under test must meet a closed pipe as it would anywhere else.
        std::signal(SIGPIPE, SIG_DFL);
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
            close(fd);
        }
        unsetenv("VELLUMARK_CODE");
        for (const std::string& entry : environment) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execvp(program.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    // A program that exits without reading all of its input (a usage error, say) closes the
    // pipe under our feet; the write must then fail with EPIPE instead of killing the tests.
    std::signal(SIGPIPE, SIG_IGN);

    // Feed and drain at once, so a large text cannot block either side on a full pipe.
    ProcessResult result;
    std::size_t written = 0;
    int inFd = in[1];
    if (input.empty()) {
        close(inFd);
        inFd = -1;
    }
    bool outOpen = true, errOpen = true;
    while (outOpen || errOpen) {
        pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {inFd, POLLOUT, 0}};
        Check(poll(fds, inFd >= 0 ? 3 : 2, 10000) > 0, "poll timed out");
        char buffer[65536];
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents != 0) {
                const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
                if (n <= 0) {
                    (i == 0 ? outOpen : errOpen) = false;
                    fds[i].fd = -1;
                } else {
                    (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
                }
            }
        }
        if (inFd >= 0 && fds[2].revents != 0) {
            const ssize_t n = write(inFd, input.data() + written, input.size() - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
            }
            if (n <= 0 || written == input.size()) {
                close(inFd);
                inFd = -1;
            }
        }
        if (!outOpen) {
            out[0] = -1;
        }
        if (!errOpen) {
            err[0] = -1;
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
