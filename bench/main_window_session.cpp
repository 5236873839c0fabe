#include "bench/main_window_session.h"

namespace bench {
namespace {

QMainWindow* visibleWindow(const QString& caption) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (window != nullptr && window->isVisible() && window->windowTitle() == caption) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

MainWindowSession::MainWindowSession()
    : program_(std::make_unique<runtime::Program>(backend_, "KESTRAVO")),
      form1_(kestravo::Form1::createStartUpWindow(*program_)) {
    if (form1_->putVisible(true) != runtime::kOk) return;
    QMainWindow* window = visibleWindow("KESTRAVO");
    if (window == nullptr) return;
    d4_ = window->findChild<QPushButton*>("Command1");
    refresh1_ = window->findChild<QPushButton*>("Command9");
    list1_ = window->findChild<QListView*>("List1");
    // Let the window lay itself out and paint once, as it would on screen.
    QCoreApplication::processEvents();
}

MainWindowSession::~MainWindowSession() {
    form1_.reset();
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

const runtime::ItemStore& MainWindowSession::list1Store() const {
    return static_cast<const runtime::qt::ItemModel*>(list1_->model())->store();
}

}  // namespace bench
