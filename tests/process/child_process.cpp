#include "tests/process/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

namespace testing_support {
namespace {

std::vector<char*> pointersTo(const std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (const std::string& text : texts) pointers.push_back(const_cast<char*>(text.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           const std::vector<std::string>& environment,
                           const std::function<bool()>& prepare) {
    // Everything the child needs is built before the fork.
    const std::string path = findInPath(command.at(0));
    std::vector<char*> arguments = pointersTo(command);
    std::vector<char*> variables = pointersTo(environment);
    pid_ = fork();
    if (pid_ == 0) {
        if (prepare()) execve(path.c_str(), arguments.data(), variables.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ <= 0 || ended()) return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
}

std::optional<int> ChildProcess::ended() {
    int status = 0;
    if (!status_ && pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return status_;
}

std::optional<int> ChildProcess::endedWithin(std::chrono::milliseconds time) {
    const auto deadline = std::chrono::steady_clock::now() + time;
    while (!ended() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ended();
}

std::string findInPath(const std::string& program) {
    if (program.find('/') != std::string::npos) return program;
    const char* const path = std::getenv("PATH");
    std::istringstream directories(path != nullptr ? path : "/usr/bin:/bin");
    for (std::string directory; std::getline(directories, directory, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(directory) / program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

}  // namespace testing_support
