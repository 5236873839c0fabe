#pragma once

#include <memory>
#include <string>

#include "tests/process/child_process.h"

namespace testing_support {

// An Xvfb of its own on a display number it picks itself, so that tests running at the same
// time never share one. Stopped when dropped.
class PrivateXServer {
  public:
    // `screen` as Xvfb takes it, e.g. "1600x1200x24".
    explicit PrivateXServer(const std::string& screen);

    // ":N", or empty when the server did not come up.
    const std::string& display() const { return display_; }

  private:
    std::unique_ptr<ChildProcess> server_;
    std::string display_;
};

}  // namespace testing_support
