#pragma once

#include <QApplication>
#include <memory>
#include <string_view>

namespace runtime::qt {

// The program's QApplication. Qt reads options of its own from the command line (a window
// title, a style sheet, another platform); the program takes none, so Qt is given the
// program's name alone. Where the platform cannot start for want of a display, the process
// says so in one line, without Qt's own messages, and ends with status 1.
class Application {
  public:
    Application(int argc, char** argv, std::string_view applicationName);

  private:
    int argc_;  // Qt keeps a reference to it for the application's life
    std::unique_ptr<QApplication> application_;
};

}  // namespace runtime::qt
