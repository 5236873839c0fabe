#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "main_window/form1.h"
#include "runtime/program.h"
#include "runtime/qt/backend.h"
#include "tests/model/subject.h"
#include "tests/support/scripted_services.h"

namespace model {

// A program run on the real Qt windows, offscreen: events become mouse clicks, key presses
// and close requests on the widgets, and lists are read from the list views' models.
class QtSubject final : public Subject {
  public:
    QtSubject();
    ~QtSubject() override;

    void send(const Event& event) override;
    Observation observe() const override;

  private:
    // Answers the exit box as the event says once it is up; the flag stays set until then.
    std::shared_ptr<bool> answerExitBox(const Event& event);

    std::size_t draws_ = 0;
    std::size_t answers_ = 0;
    std::size_t errorBoxes_ = 0;
    std::size_t exitBoxesNotAsked_ = 0;
    // No error box is expected; should one come up, it is counted and closed rather than
    // left waiting for a click that never comes.
    QTimer errorBoxCloser_;
    runtime::qt::QtBackend backend_;
    testing_support::ScriptedGenerator* generator_ = nullptr;
    std::unique_ptr<runtime::Program> program_;
    std::shared_ptr<kestravo::Form1> form1_;
};

SubjectFactory qtSubjects();

// The one visible top-level window with the caption, or none (also when there are two).
QMainWindow* onlyWindow(const QString& caption);

}  // namespace model
