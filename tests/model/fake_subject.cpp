#include "tests/model/fake_subject.h"

#include <cmath>
#include <string>

#include "info_window/form2.h"
#include "main_window/process_slots.h"
#include "tests/support/main_window.h"

namespace model {

FakeSubject::FakeSubject() {
    auto generator = std::make_unique<testing_support::ScriptedGenerator>(draws_);
    generator_ = generator.get();
    program_ = std::make_unique<runtime::Program>(
        backend_, "KESTRAVO", runtime::ProgramServices{std::move(generator), nullptr});
    form1_ = testing_support::showMainWindow(*program_);
}

FakeSubject::~FakeSubject() {
    // The windows go before the program that counts them, and both before the backend.
    form1_.reset();
    program_.reset();
}

void FakeSubject::send(const Event& event) {
    const std::string window(windowName(event.window));
    if (event.kind == Event::Kind::CloseFromFrame) {
        backend_.closeFromFrame(window);
        return;
    }
    if (event.window == Window::Form1 && dieIndex(event.control) >= 0) {
        generator_->push(std::ldexp(static_cast<float>(event.draw), -24));
    }
    if (event.control == "Command8" && event.answered) backend_.answer(event.answer);
    backend_.click(window, event.control);
}

Observation FakeSubject::observe() const {
    Observation seen;
    seen.form1Loaded = form1_->loaded() && backend_.isLoaded("Form1");
    if (seen.form1Loaded) {
        for (std::size_t i = 0; i < seen.lists.size(); ++i) {
            seen.lists[i] = backend_.items("Form1", "List" + std::to_string(i + 1));
        }
    }
    observeLastRollAndSlots(seen, *form1_, *program_);
    const auto& processSlots = program_->processState<kestravo::ProcessSlots>();
    seen.form2Loaded =
        processSlots.form2 && processSlots.form2->loaded() && backend_.isLoaded("Form2");
    seen.form2Visible = backend_.isVisible("Form2");
    seen.ended = program_->ended();
    seen.exitCode = backend_.quitCode().value_or(-1);
    seen.draws = draws_;
    seen.form2WindowsBuilt = backend_.windowsCreated("Form2");
    seen.errorBoxes = backend_.errorsShown().size();
    return seen;
}

SubjectFactory fakeSubjects() {
    return [] { return std::make_unique<FakeSubject>(); };
}

}  // namespace model
