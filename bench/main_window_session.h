#pragma once

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <memory>

#include "main_window/form1.h"
#include "runtime/program.h"
#include "runtime/qt/backend.h"
#include "runtime/qt/list_box.h"

namespace bench {

// The real main window on the Qt backend, shown offscreen, with the controls a benchmark
// presses. Needs a QApplication for its whole life.
class MainWindowSession {
  public:
    MainWindowSession();
    ~MainWindowSession();
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    bool ready() const { return d4_ != nullptr && refresh1_ != nullptr && list1_ != nullptr; }

    QPushButton& d4() const { return *d4_; }
    QPushButton& refresh1() const { return *refresh1_; }
    QListView& list1() const { return *list1_; }
    // The packed items behind the D4 list.
    const runtime::ItemStore& list1Store() const;

  private:
    runtime::qt::QtBackend backend_;
    std::unique_ptr<runtime::Program> program_;
    runtime::Ref<runtime::Form> form1_;
    QPushButton* d4_ = nullptr;
    QPushButton* refresh1_ = nullptr;
    QListView* list1_ = nullptr;
};

}  // namespace bench
