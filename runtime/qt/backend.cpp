#include "runtime/qt/backend.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <random>

#include "runtime/error_box_text.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/text.h"
#include "runtime/qt/window.h"
#include "runtime/qt/worker_thread.h"

namespace runtime::qt {
QtBackend::QtBackend() {
    // The end rule counts the program's windows; a message box is not one of them.
    QApplication::setQuitOnLastWindowClosed(false);
    registerFontSubstitutes();
    limitToOneLastingWorkerThread();
}

std::unique_ptr<WindowPeer> QtBackend::createWindow(const FormLayout& layout,
                                                    WindowEvents& events) {
    return std::make_unique<QtWindow>(layout, events);
}

std::int32_t QtBackend::messageBox(std::string_view prompt, std::int32_t buttons,
                                   std::string_view title) {
    if (buttons != kOkCancel) return kAnswerCancel;
    QMessageBox box;
    box.setWindowTitle(toQString(title));
    box.setText(toQString(prompt));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok ? kAnswerOk : kAnswerCancel;
}

void QtBackend::showErrorBox(std::string_view applicationName, const RuntimeError& error) {
    errorBoxRoom_.release();
    QMessageBox box(QMessageBox::Critical, toQString(applicationName),
                    QString::fromStdString(errorBoxText(error)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int QtBackend::runEventLoop() {
    inEventLoop_ = true;
    const int exitCode = QApplication::exec();
    inEventLoop_ = false;
    return exitCode;
}

void QtBackend::quit(int exitCode) {
    // Outside the event loop there is nothing to leave, and Qt would keep the request: every
    // modal box opened later in the process would return at once, unanswered.
    if (inEventLoop_) QApplication::exit(exitCode);
}

std::uint64_t QtBackend::randomSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32U) | device();
}

}  // namespace runtime::qt
