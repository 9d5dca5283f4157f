#include "console/printer.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace tv {

namespace {

// What the print command wrote to its error output: the first line, briefly.
std::string first_line(std::string said) {
    said = said.substr(0, said.find('\n'));
    if (said.size() > 60) said = said.substr(0, 57) + "...";
    return said;
}

// Runs `lp -s` with the job on its standard input. Its output is dropped and its
// error output kept for the reason, so that neither draws over the screen. Returns
// "" when lp took the job, otherwise why it did not.
std::string run_lp(const std::string& lp, const std::string& job) {
    std::array<int, 2> in{}, err{};
    if (pipe2(in.data(), O_CLOEXEC) != 0)
        return std::string("no pipe to lp: ") + std::strerror(errno);
    if (pipe2(err.data(), O_CLOEXEC) != 0) {
        const int e = errno;
        close(in[0]);
        close(in[1]);
        return std::string("no pipe from lp: ") + std::strerror(e);
    }
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, in[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&files, err[1], STDERR_FILENO);
    // The program ignores SIGPIPE; lp gets the usual action back.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    std::string name = lp, quiet = "-s";
    char* argv[] = {name.data(), quiet.data(), nullptr};
    pid_t pid = 0;
    const int started = posix_spawn(&pid, lp.c_str(), &files, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attr);
    close(in[0]);
    close(err[1]);
    if (started != 0) {
        close(in[1]);
        close(err[0]);
        return std::string("lp could not be started: ") + std::strerror(started);
    }

    bool stopped_reading = false;
    for (size_t done = 0; done < job.size();) {
        const ssize_t n = write(in[1], job.data() + done, job.size() - done);
        if (n == -1 && errno == EINTR) continue;
        if (n == -1) {
            stopped_reading = true;  // EPIPE: lp went away without reading the copy
            break;
        }
        done += static_cast<size_t>(n);
    }
    close(in[1]);
    std::string said;
    char buf[256];
    for (;;) {
        const ssize_t n = read(err[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (said.size() < 1024) said.append(buf, static_cast<size_t>(n));
    }
    close(err[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }

    std::string why;
    if (WIFSIGNALED(status))
        why = "lp was stopped by signal " + std::to_string(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        why = "lp ended with status " + std::to_string(WEXITSTATUS(status));
    else if (stopped_reading)
        why = "lp stopped reading the copy";
    else
        return "";
    said = first_line(said);
    return said.empty() ? why : why + " (" + said + ")";
}

}  // namespace

SystemPrinter::SystemPrinter(const std::string& path_list) : lp_(find_lp(path_list)) {}

std::string SystemPrinter::find_lp(const std::string& path_list) {
    std::stringstream dirs(path_list);
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (dir.empty()) continue;
        std::error_code ec;
        const auto p = std::filesystem::path(dir) / "lp";
        if (std::filesystem::is_regular_file(p, ec) && access(p.c_str(), X_OK) == 0)
            return p.string();
    }
    return "";
}

std::string SystemPrinter::print(const std::string& document) {
    return lp_.empty() ? "there is no lp command" : run_lp(lp_, document);
}

}  // namespace tv
