#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace lumora::propellent {

namespace {

using Clock = std::chrono::steady_clock;

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

  private:
    int fd_;
};

// Reads what is there without blocking; false at end of file.
bool Drain(int fd, ProcessResult& result, std::size_t limit) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            const std::size_t room =
                limit > result.output.size() ? limit - result.output.size() : 0;
            const std::size_t keep = std::min(room, static_cast<std::size_t>(n));
            result.output.append(buffer, keep);
            if (keep < static_cast<std::size_t>(n)) {
                result.outputCut = true;
            }
            continue;
        }
        if (n == 0) {
            return false;
        }
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDir, const ProcessLimits& limits) {
    ProcessResult result;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return result;
    }
    Fd readEnd(pipeFds[0]);
    Fd writeEnd(pipeFds[1]);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), 1);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), 2);
    if (!workingDir.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A group of its own, so that a timeout also stops whatever the compiler started.
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    writeEnd.Close();
    if (spawned != 0) {
        return result;
    }
    ::fcntl(readEnd.Get(), F_SETFL, ::fcntl(readEnd.Get(), F_GETFL) | O_NONBLOCK);

    const Clock::time_point deadline = Clock::now() + limits.timeout;
    bool open = true;
    int status = 0;
    bool exited = false;
    while (!exited) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            break;
        }
        if (open) {
            pollfd watch{readEnd.Get(), POLLIN, 0};
            const int wait = static_cast<int>(std::min<long long>(left.count(), 50));
            if (::poll(&watch, 1, wait) > 0) {
                open = Drain(readEnd.Get(), result, limits.maxOutput);
            }
        } else {
            ::usleep(10000);
        }
        // WNOWAIT leaves the child unreaped, so its group id cannot be reused before the kill.
        siginfo_t info{};
        exited = ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                 info.si_pid == pid;
    }
    if (exited && open) {
        // What the compiler wrote just before it ended; a child it left running keeps the
        // pipe open, so this reads only what is there.
        Drain(readEnd.Get(), result, limits.maxOutput);
    }
    ::kill(-pid, SIGKILL);
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!exited) {
        result.end = ProcessResult::End::kTimedOut;
        return result;
    }
    if (WIFEXITED(status)) {
        result.end = ProcessResult::End::kExited;
        result.status = WEXITSTATUS(status);
    } else {
        result.end = ProcessResult::End::kSignalled;
        result.status = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    return result;
}

}  // namespace lumora::propellent
