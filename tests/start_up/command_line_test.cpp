#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/program_header.h"
#include "runtime/start_up.h"
#include "tests/start_up/running_program.h"

namespace {

// What the running program shows of Qt's options.
struct Seen {
    std::string platform;
    std::string title;  // the native window's, which the desktop shows
    std::string styleSheet;
    bool rightToLeft = false;
    QStringList arguments;
};

// Once the main window is drawn, notes what the options would change, then closes it, which
// ends the program. A window that never comes ends the program with status 2.
void noteThenClose(Seen& seen) {
    auto* watch = new QTimer(QCoreApplication::instance());
    watch->callOnTimeout([&seen, watch, deadline = QDeadlineTimer(60'000)] {
        if (deadline.hasExpired()) QCoreApplication::exit(2);
        QMainWindow* window = start_up_tests::drawnMainWindow();
        if (window == nullptr) return;
        watch->stop();
        seen = {QGuiApplication::platformName().toStdString(),
                window->windowHandle()->title().toStdString(), qApp->styleSheet().toStdString(),
                QGuiApplication::isRightToLeft(), QCoreApplication::arguments()};
        window->close();
    });
    watch->start(10);
}

TEST(CommandLine, QtsOwnOptionsChangeNothing) {
    const std::filesystem::path sheet = std::filesystem::temp_directory_path() /
                                        ("kestravo_sheet_" + std::to_string(getpid()) + ".qss");
    std::ofstream(sheet) << "QPushButton { color: red; }\n";
    // Offscreen by the environment, which stays the platform's to read.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Each of Qt's options would show: another platform, caption, style and direction.
    std::vector<std::string> arguments = {"kestravo",      "-platform", "minimal",
                                          "-qwindowtitle", "RENAMED",   "-stylesheet",
                                          sheet.string(),  "-reverse",  "EXTRA"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    Seen seen;
    start_up_tests::whenTheProgramRuns([&seen] { noteThenClose(seen); });
    const int status =
        runtime::startUp(app::kProgramHeader, static_cast<int>(arguments.size()), argv.data());
    std::filesystem::remove(sheet);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(seen.platform, "offscreen");
    EXPECT_EQ(seen.title, "KESTRAVO");
    EXPECT_EQ(seen.styleSheet, "");
    EXPECT_FALSE(seen.rightToLeft);
    // Qt was given the program's name alone.
    EXPECT_EQ(seen.arguments.join(' ').toStdString(), "kestravo");
}

}  // namespace
