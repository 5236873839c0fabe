#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Ended {
    int status;  // as waitpid gives it
    std::string errors;
};

// This process's environment without any way to a display but DISPLAY, set to the value
// (unset for none), and the platform Qt is told to use (none: its default).
std::vector<std::string> environmentWithDisplay(const std::optional<std::string>& display,
                                                const std::optional<std::string>& platform) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        const std::string_view name = entry.substr(0, entry.find('='));
        if (name != "DISPLAY" && name != "QT_QPA_PLATFORM" && name != "WAYLAND_DISPLAY" &&
            name != "XDG_SESSION_TYPE") {
            variables.emplace_back(entry);
        }
    }
    if (display) variables.push_back("DISPLAY=" + *display);
    if (platform) variables.push_back("QT_QPA_PLATFORM=" + *platform);
    return variables;
}

// Runs the real program with DISPLAY and the platform as given and returns what it wrote to
// standard error once it ended. A program that has not ended within the deadline is killed.
Ended runProgramWithDisplay(const std::optional<std::string>& display,
                            const std::optional<std::string>& platform) {
    std::vector<std::string> variables = environmentWithDisplay(display, platform);
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    char name[] = "kestravo";
    char* argv[] = {name, nullptr};

    int errors[2];
    if (pipe2(errors, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, KESTRAVO_PROGRAM, &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(errors[1]);
    if (spawned != 0) throw std::runtime_error("cannot start " KESTRAVO_PROGRAM);

    Ended ended{};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    pollfd readable{errors[0], POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        if (poll(&readable, 1, 1000) <= 0) continue;
        char chunk[512];
        const ssize_t got = read(errors[0], chunk, sizeof chunk);
        if (got <= 0) break;
        ended.errors.append(chunk, static_cast<std::size_t>(got));
    }
    close(errors[0]);
    if (std::chrono::steady_clock::now() >= deadline) kill(pid, SIGKILL);
    waitpid(pid, &ended.status, 0);
    return ended;
}

// A display number with no server behind it.
std::string absentDisplay() {
    int number = 4711;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) ++number;
    return ":" + std::to_string(number);
}

struct NoDisplayCase {
    std::optional<std::string> display;
    std::optional<std::string> platform;
    std::string line;
};

TEST(NoDisplay, TheProgramSaysWhichDisplayInOneLineAndEndsWithStatusOne) {
    const std::string absent = absentDisplay();
    const NoDisplayCase cases[] = {
        {absent, std::nullopt, "KESTRAVO: cannot open display \"" + absent + "\"\n"},
        {std::nullopt, std::nullopt, "KESTRAVO: cannot open a display: DISPLAY is not set\n"},
        // DISPLAY names no server either way: the line names what the user chose.
        {absent, "nonesuch",
         "KESTRAVO: cannot open a display: the platform \"nonesuch\" (QT_QPA_PLATFORM) did not "
         "start\n"},
    };
    for (const auto& [display, platform, line] : cases) {
        const Ended ended = runProgramWithDisplay(display, platform);
        EXPECT_TRUE(WIFEXITED(ended.status) && WEXITSTATUS(ended.status) == 1)
            << display.value_or("unset") << ": status " << ended.status;
        EXPECT_EQ(ended.errors, line);
    }
}

}  // namespace
