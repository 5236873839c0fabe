#include "runtime/qt/application.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "runtime/qt/start_room.h"

namespace runtime::qt {
namespace {

std::string_view valueOf(const char* variable) {
    const char* const value = std::getenv(variable);
    return value != nullptr ? value : "";
}

// Qt's messages while the platform starts: held back, so that a start that fails for want of
// a display is said in one line of our own. Otherwise they go out as Qt would have written
// them, once the platform is up or just before another fatal error ends the process.
class PlatformStart {
  public:
    explicit PlatformStart(std::string_view applicationName)
        : applicationName_(applicationName), previous_(qInstallMessageHandler(hold)) {
        active = this;
    }
    ~PlatformStart() {
        qInstallMessageHandler(previous_);
        passOnHeld();
        active = nullptr;
    }
    PlatformStart(const PlatformStart&) = delete;
    PlatformStart& operator=(const PlatformStart&) = delete;

  private:
    struct Held {
        QtMsgType type;
        const char* file;
        int line;
        const char* function;
        const char* category;
        QString message;
    };

    // Qt's message handler is a plain function: it reaches the start in progress here.
    static inline PlatformStart* active = nullptr;

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        PlatformStart& start = *active;
        if (type == QtFatalMsg) {
            // Qt cannot start without its platform, and the platform needs a display.
            if (message.contains(QLatin1String("platform plugin"))) start.sayNoDisplay();
            start.passOnHeld();
            start.previous_(type, context, message);
            return;
        }
        const std::lock_guard lock(start.mutex_);
        start.held_.push_back(
            {type, context.file, context.line, context.function, context.category, message});
    }

    void passOnHeld() {
        const std::lock_guard lock(mutex_);
        for (const Held& held : std::exchange(held_, {})) {
            const QMessageLogContext context(held.file, held.line, held.function, held.category);
            previous_(held.type, context, held.message);
        }
    }

    [[noreturn]] void sayNoDisplay() const {
        const std::string name(applicationName_);
        const std::string platform(valueOf("QT_QPA_PLATFORM"));
        const std::string display(valueOf("DISPLAY"));
        if (!platform.empty() && !platform.starts_with("xcb")) {
            // The user chose another platform than X: DISPLAY is not what failed.
            std::fprintf(stderr,
                         "%s: cannot open a display: the platform \"%s\" (QT_QPA_PLATFORM) "
                         "did not start\n",
                         name.c_str(), platform.c_str());
        } else if (display.empty()) {
            std::fprintf(stderr, "%s: cannot open a display: DISPLAY is not set\n", name.c_str());
        } else {
            std::fprintf(stderr, "%s: cannot open display \"%s\"\n", name.c_str(), display.c_str());
        }
        std::fflush(stderr);
        std::_Exit(1);
    }

    std::string_view applicationName_;
    QtMessageHandler previous_;
    std::mutex mutex_;
    std::vector<Held> held_;
};

// A start that could only hang ends at once, in one line.
void needStartRoom(std::string_view applicationName) {
    const std::string refusal = refusedStartRoom();
    if (refusal.empty()) return;
    const std::string name(applicationName);
    std::fprintf(stderr, "%s: cannot start: the system refuses %s\n", name.c_str(),
                 refusal.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

Application::Application(int argc, char** argv, std::string_view applicationName)
    : argc_(std::min(argc, 1)) {
    needStartRoom(applicationName);
    const PlatformStart start(applicationName);
    application_ = std::make_unique<QApplication>(argc_, argv);
}

}  // namespace runtime::qt
