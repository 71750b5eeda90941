#include "cli/helper_program.h"

#include "cli/command_output.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vorla::cli {
namespace {

// Both ends of a pipe, closed when they go out of scope.
struct Pipe {
    int Read = -1;
    int Write = -1;
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    void CloseRead() {
        if (Read >= 0) {
            ::close(Read);
            Read = -1;
        }
    }
    void CloseWrite() {
        if (Write >= 0) {
            ::close(Write);
            Write = -1;
        }
    }
};

} // namespace

std::string HelperProgramPath(std::string_view name) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || self.empty()) {
        return {};
    }
    return (self.parent_path() / VORLA_HELPERS_FROM_BIN / name).lexically_normal().string();
}

std::optional<std::string> RunHelperProgram(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            const std::string& cannot) {
    // Its messages come back through a pipe, to be reported as vorla's own.
    Pipe messages;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        return cannot + " cannot be started (" + std::strerror(errno) + ").";
    }
    messages.Read = ends[0];
    messages.Write = ends[1];

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, messages.Write, STDERR_FILENO);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = -1;
    const int started =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    messages.CloseWrite();
    if (started != 0) {
        return cannot + " cannot be run (" + std::strerror(started) + ").";
    }

    std::string said;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(messages.Read, buffer, sizeof buffer);
        if (got > 0) {
            said.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return cannot + " did not report how it ended (" + std::strerror(errno) + ").";
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return std::nullopt;
    }
    said = WithoutClosingLineEnds(said);
    if (WIFSIGNALED(status)) {
        return cannot + " was stopped by signal " + std::to_string(WTERMSIG(status)) + " (" +
               strsignal(WTERMSIG(status)) + ")" + (said.empty() ? "." : ": " + said);
    }
    if (said.empty()) {
        return cannot + " failed with exit status " + std::to_string(WEXITSTATUS(status)) + ".";
    }
    return said;
}

} // namespace vorla::cli
