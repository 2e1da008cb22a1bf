#include "external_loader.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace lumora::propeller {

namespace {

constexpr std::size_t kKeptOutput = 4096;

LoadResult Fail(std::string message) {
    LoadResult out;
    out.failure = LoadFailure::kExternalLoaderFailed;
    out.message = std::move(message);
    return out;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string LastLine(const std::string& output) {
    std::size_t end = output.find_last_not_of("\r\n \t");
    if (end == std::string::npos) {
        return {};
    }
    const std::size_t start = output.find_last_of('\n', end);
    return output.substr(start == std::string::npos ? 0 : start + 1,
                         end - (start == std::string::npos ? 0 : start + 1) + 1);
}

class Pipe {
  public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) {
            fds_[0] = fds_[1] = -1;
        }
    }
    ~Pipe() {
        CloseWrite();
        if (fds_[0] >= 0) {
            ::close(fds_[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    bool ok() const { return fds_[0] >= 0; }
    int read() const { return fds_[0]; }
    int write() const { return fds_[1]; }
    void CloseWrite() {
        if (fds_[1] >= 0) {
            ::close(fds_[1]);
            fds_[1] = -1;
        }
    }

  private:
    int fds_[2];
};

// Waits up to waitMs for output and appends what came, keeping only the newest kKeptOutput
// bytes. False once the pipe has ended or failed.
bool ReadNewest(int fd, int waitMs, std::string& kept, bool& ready) {
    pollfd watch{fd, POLLIN, 0};
    ready = ::poll(&watch, 1, waitMs) > 0;
    if (!ready) {
        return true;
    }
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
        kept.append(buffer, static_cast<std::size_t>(n));
        if (kept.size() > kKeptOutput) {
            kept.erase(0, kept.size() - kKeptOutput);
        }
        return true;
    }
    return n < 0 && (errno == EINTR || errno == EAGAIN);
}

}  // namespace

std::optional<std::vector<std::string>> SplitCommandLine(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote == '\'') {
            if (c == '\'') {
                quote = 0;
            } else {
                word += c;
            }
        } else if (quote == '"') {
            if (c == '"') {
                quote = 0;
            } else if (c == '\\' && i + 1 < text.size() &&
                       (text[i + 1] == '"' || text[i + 1] == '\\')) {
                word += text[++i];
            } else {
                word += c;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && i + 1 < text.size()) {
            word += text[++i];
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quote != 0) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<std::vector<std::string>> ExternalLoaderArguments(const ExternalLoad& load) {
    auto words = SplitCommandLine(load.commandLine);
    if (!words || words->empty()) {
        return std::nullopt;
    }
    bool imageNamed = false;
    for (std::string& word : *words) {
        imageNamed = imageNamed || word.find("{image}") != std::string::npos;
        ReplaceAll(word, "{image}", load.imagePath);
        ReplaceAll(word, "{port}", load.port);
        ReplaceAll(word, "{mode}", load.eeprom ? "eeprom" : "ram");
    }
    if (!imageNamed) {
        words->push_back(load.imagePath);
    }
    return words;
}

LoadResult RunExternalLoader(const ExternalLoad& load) {
    const auto arguments = ExternalLoaderArguments(load);
    if (!arguments) {
        return Fail("The external loader's command line \"" + load.commandLine +
                    "\" is empty or leaves a quote open.");
    }
    const std::string& program = arguments->front();
    std::vector<char*> argv;
    for (const std::string& word : *arguments) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);

    Pipe output;
    if (!output.ok()) {
        return Fail("Cannot start the external loader '" + program + "': " + std::strerror(errno) +
                    ".");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output.write(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output.write(), STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group, so that a loader that hangs is stopped with all it started.
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigaddset(&signals, SIGPIPE);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    posix_spawnattr_setsigdefault(&attributes, &signals);

    pid_t pid = 0;
    const int spawned =
        ::posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    output.CloseWrite();
    if (spawned != 0) {
        if (spawned == ENOENT) {
            return Fail("The external loader '" + program + "' was not found.");
        }
        return Fail("Cannot start the external loader '" + program +
                    "': " + std::strerror(spawned) + ".");
    }

    const auto deadline = std::chrono::steady_clock::now() + load.timeout;
    std::string kept;
    bool outputOpen = true;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return Fail("The external loader '" + program + "' did not finish within " +
                        std::to_string((load.timeout.count() + 999) / 1000) +
                        " seconds and was stopped.");
        }
        if (!outputOpen) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        bool ready = false;
        outputOpen = ReadNewest(output.read(), 20, kept, ready);
    }
    // What it wrote just before it ended; whatever it left running keeps the pipe only briefly.
    for (int round = 0; outputOpen && round < 10; ++round) {
        bool ready = false;
        outputOpen = ReadNewest(output.read(), 10, kept, ready) && ready;
    }

    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return LoadResult{};
    }
    std::string reason = WIFEXITED(status)
                             ? "failed (exit status " + std::to_string(WEXITSTATUS(status)) + ")"
                             : "was stopped by signal " + std::to_string(WTERMSIG(status));
    const std::string last = LastLine(kept);
    return Fail("The external loader '" + program + "' " + reason +
                (last.empty() ? std::string(".") : ": " + last));
}

}  // namespace lumora::propeller
