// The built program started where no display can be opened: one line that says which, and
// status 1.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/process/child_process.h"

namespace {

using testing_support::ChildProcess;

// This process's environment without any way to a display but DISPLAY, set to the value
// (unset for none), and the platform Qt is told to use (none: its default).
std::vector<std::string> environmentWith(const std::optional<std::string>& display,
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
    const std::string errors = (std::filesystem::temp_directory_path() /
                                ("kestravo-no-display-" + std::to_string(getpid()) + ".txt"))
                                   .string();
    for (const auto& [display, platform, line] : cases) {
        ChildProcess program({KESTRAVO_PROGRAM}, environmentWith(display, platform), [&] {
            const int output = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            return output >= 0 && dup2(output, STDERR_FILENO) >= 0;
        });
        ASSERT_GT(program.pid(), 0);
        const std::optional<int> status = program.endedWithin(std::chrono::seconds(60));
        const std::string description = display.value_or("unset");
        ASSERT_TRUE(status.has_value()) << description << ": the program still runs";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1)
            << description << ": wait status " << *status;
        std::ostringstream written;
        written << std::ifstream(errors).rdbuf();
        EXPECT_EQ(written.str(), line);
    }
    std::filesystem::remove(errors);
}

}  // namespace
