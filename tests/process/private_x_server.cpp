#include "tests/process/private_x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>

namespace testing_support {

PrivateXServer::PrivateXServer(const std::string& screen) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return;
    const int readEnd = pipeEnds[0];
    const int writeEnd = pipeEnds[1];
    // Xvfb writes the display number it took to descriptor 3 once it accepts clients.
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0",
                                 screen},
        std::vector<std::string>{}, [writeEnd] {
            const int quiet = open("/dev/null", O_WRONLY);
            return dup2(writeEnd, 3) == 3 && quiet >= 0 && dup2(quiet, STDERR_FILENO) >= 0;
        });
    close(writeEnd);
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (number.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{readEnd, POLLIN, 0};
        char bytes[16];
        ssize_t got = 0;
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0 ||
            (got = read(readEnd, bytes, sizeof bytes)) <= 0) {
            break;
        }
        number.append(bytes, static_cast<std::size_t>(got));
    }
    close(readEnd);
    if (number.find('\n') != std::string::npos)
        display_ = ":" + number.substr(0, number.find('\n'));
}

}  // namespace testing_support
