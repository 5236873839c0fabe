// The built program, started by an unprivileged user whose process limit leaves it hardly a
// thread to spare, shows its window and paints it, also at a size that shows every control.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "app/embedded_pictures.h"
#include "runtime/qt/jpeg_decoder.h"
#include "tests/process/child_process.h"
#include "tests/process/private_x_server.h"
#include "tests/process/x_client.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::PrivateXServer;
using testing_support::XClient;
using Clock = std::chrono::steady_clock;

constexpr int kScreenWidth = 1600;
constexpr int kScreenHeight = 1200;
constexpr auto kDeadline = std::chrono::seconds(90);

// A user id of its own, in no use: the process limit counts every process of the user, and
// the same test may run for other builds at the same time.
uid_t freshUserId() {
    return static_cast<uid_t>(1'600'000'000 + getpid() % 100'000'000);
}

// A scratch directory that the user can reach: the program copied into it (the build tree
// may be closed to other users), a home and a runtime directory of the user's own.
class Scratch {
  public:
    Scratch(uid_t user, const fs::path& program) {
        char pattern[] = "/tmp/kestravo-limit-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        root_ = pattern;
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
        fs::copy_file(program, this->program());
        fs::permissions(this->program(), fs::perms::owner_all | fs::perms::group_read |
                                             fs::perms::group_exec | fs::perms::others_read |
                                             fs::perms::others_exec);
        for (const fs::path& own : {home(), runtime()}) {
            fs::create_directory(own);
            fs::permissions(own, fs::perms::owner_all);
            if (chown(own.c_str(), user, user) != 0) root_.clear();
        }
    }
    ~Scratch() {
        std::error_code ignored;
        if (!root_.empty()) fs::remove_all(root_, ignored);
    }

    bool ready() const { return !root_.empty(); }
    fs::path program() const { return root_ / "kestravo"; }
    fs::path home() const { return root_ / "home"; }
    fs::path runtime() const { return root_ / "runtime"; }
    fs::path errors() const { return root_ / "errors.txt"; }

  private:
    fs::path root_;
};

std::string contentsOf(const fs::path& file) {
    std::ifstream stream(file);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

// What is missing from a shot of the main window filling the screen; empty when it shows
// the background picture from the client area's top-left corner, the window's colour beyond
// it, and the tallest button drawn over it.
std::string missingFrom(const QImage& shot, const QImage& picture) {
    const QColor windowColour(3, 0, 99);
    // The client area's top is the first row of the window's colour beyond the picture.
    int top = -1;
    for (int y = 0; y < 200 && y < shot.height() && top < 0; ++y) {
        if (QColor(shot.pixel(1550, y)) == windowColour) top = y;
    }
    if (top < 0) return "no window colour beyond the picture";
    for (const QPoint point :
         {QPoint(0, 0), QPoint(700, 40), QPoint(1000, 1000), QPoint(1200, 200)}) {
        if (shot.pixel(point + QPoint(0, top)) != picture.pixel(point)) {
            return "background picture not shown at " + std::to_string(point.x()) + "," +
                   std::to_string(point.y());
        }
    }
    // "REFRESH ALL", 225 by 137 pixels at 320,544 of the client area: a light face.
    const QColor face(shot.pixel(330, top + 555));
    if (std::min({face.red(), face.green(), face.blue()}) < 150) return "REFRESH ALL not drawn";
    return {};
}

// Why the program cannot be started here as another user on a display of its own; empty when
// it can.
std::string whyNotHere() {
    if (geteuid() != 0) return "starting the program as another user needs root";
    if (testing_support::findInPath("Xvfb").empty()) return "no Xvfb (package xvfb)";
    return {};
}

// The built program started by a fresh user under a process limit, on an X server of its own,
// its standard error going to a file of the scratch directory.
class ProcessLimitRun : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const std::string why = whyNotHere(); !why.empty()) GTEST_SKIP() << why;
        ASSERT_TRUE(scratch_.emplace(user_, KESTRAVO_PROGRAM).ready());
        const std::string screen =
            std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
        ASSERT_FALSE(server_.emplace(screen).display().empty()) << "Xvfb did not start";
    }

    ChildProcess& start(rlim_t limit) {
        std::vector<std::string> environment{
            "DISPLAY=" + server_->display(), "HOME=" + scratch_->home().string(),
            "XDG_RUNTIME_DIR=" + scratch_->runtime().string(), "PATH=/usr/bin:/bin",
            // No session bus: none is started for the user on the way.
            "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (scratch_->runtime() / "no-bus").string()};
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            if (const char* value = std::getenv(name))
                environment.push_back(std::string(name) + "=" + value);
        }
        const std::string errors = scratch_->errors();
        const std::string home = scratch_->home();
        const uid_t user = user_;
        return program_.emplace(std::vector<std::string>{scratch_->program()}, environment, [&] {
            const rlimit processes{limit, limit};
            const int output = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            return output >= 0 && dup2(output, STDERR_FILENO) >= 0 &&
                   setrlimit(RLIMIT_NPROC, &processes) == 0 && setgroups(0, nullptr) == 0 &&
                   setgid(user) == 0 && setuid(user) == 0 && chdir(home.c_str()) == 0;
        });
    }

    const std::string& display() const { return server_->display(); }
    std::string errorsWritten() const { return contentsOf(scratch_->errors()); }

  private:
    const uid_t user_ = freshUserId();
    // Made once the test is known to run here.
    std::optional<Scratch> scratch_;
    std::optional<PrivateXServer> server_;
    std::optional<ChildProcess> program_;
};

class LowProcessLimit : public ProcessLimitRun, public ::testing::WithParamInterface<rlim_t> {};

TEST_P(LowProcessLimit, TheProgramShowsAndPaintsItsWindow) {
    const rlim_t limit = GetParam();
    ChildProcess& program = start(limit);
    ASSERT_GT(program.pid(), 0);

    const XClient client(display());
    ASSERT_TRUE(client.connected());
    const QImage picture = runtime::qt::decodeJpeg(app::backgroundPicture(), QImage::Format_RGB32);
    const auto deadline = Clock::now() + kDeadline;
    XClient::WindowId window = 0;
    std::string missing = "no window shown";
    while (!missing.empty() && !program.ended() && Clock::now() < deadline) {
        if (window == 0) {
            window = client.shownWindowOf(program.pid());
            // As a window manager does when it maximises the window.
            if (window != 0) client.moveResize(window, 0, 0, kScreenWidth, kScreenHeight);
        } else {
            const QImage shot = client.shot(window);
            if (shot.width() == kScreenWidth) missing = missingFrom(shot, picture);
        }
        if (!missing.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(missing, "") << "under a limit of " << limit << " processes; the program "
                           << (program.ended() ? "ended" : "still runs") << "; it wrote:\n"
                           << errorsWritten();
}

INSTANTIATE_TEST_SUITE_P(Limits, LowProcessLimit, ::testing::Values(rlim_t{4}, rlim_t{10}));

// With no room for the threads Qt waits for, the program says so in one line and ends with
// status 1 instead of hanging before its window shows.
using TooLowProcessLimit = ProcessLimitRun;

TEST_F(TooLowProcessLimit, EndsInOneLineWithStatusOne) {
    ChildProcess& program = start(3);
    ASSERT_GT(program.pid(), 0);
    const std::optional<int> status = program.endedWithin(kDeadline);
    ASSERT_TRUE(status.has_value()) << "the program still runs";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << "wait status " << *status;
    EXPECT_EQ(errorsWritten(),
              "KESTRAVO: cannot start: the system refuses the threads it needs (Resource "
              "temporarily unavailable)\n");
}

}  // namespace
