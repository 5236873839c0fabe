#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A process started with fork and exec, killed and reaped when dropped if it still runs.
class ChildProcess {
  public:
    // Runs command[0] (looked up in PATH) with exactly `environment`. `prepare` runs in the
    // child before the exec and may only make system calls; false from it ends the child.
    ChildProcess(
        const std::vector<std::string>& command, const std::vector<std::string>& environment,
        const std::function<bool()>& prepare = [] { return true; });
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // The wait status once the process has ended; none while it runs.
    std::optional<int> ended();
    // The wait status once the process has ended, waiting for it at most `time`; none if it
    // still runs then.
    std::optional<int> endedWithin(std::chrono::milliseconds time);

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// The full path of a program found in PATH, or empty.
std::string findInPath(const std::string& program);

}  // namespace testing_support
