#pragma once

#include <memory>

#include "main_window/form1.h"
#include "runtime/program.h"
#include "tests/model/subject.h"
#include "tests/support/fake_backend.h"
#include "tests/support/scripted_services.h"

namespace model {

// A program run on the fake backend, its main window shown, its generator scripted.
class FakeSubject final : public Subject {
  public:
    FakeSubject();
    ~FakeSubject() override;

    void send(const Event& event) override;
    Observation observe() const override;

  private:
    std::size_t draws_ = 0;
    testing_support::FakeBackend backend_;
    testing_support::ScriptedGenerator* generator_ = nullptr;
    std::unique_ptr<runtime::Program> program_;
    std::shared_ptr<kestravo::Form1> form1_;
};

SubjectFactory fakeSubjects();

}  // namespace model
