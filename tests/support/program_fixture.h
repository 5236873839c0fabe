#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_window/form1.h"
#include "runtime/program.h"
#include "tests/support/fake_backend.h"
#include "tests/support/main_window.h"
#include "tests/support/scripted_services.h"

namespace testing_support {

// A program run on the fake backend with a scripted generator, its main window shown.
class ProgramFixture : public ::testing::Test {
  protected:
    ProgramFixture() {
        auto generator = std::make_unique<ScriptedGenerator>(draws);
        auto flags = std::make_unique<InjectedFlags>(flagTests);
        generator_ = generator.get();
        flags_ = flags.get();
        program = std::make_unique<runtime::Program>(
            backend, "KESTRAVO", runtime::ProgramServices{std::move(generator), std::move(flags)});
        form1 = showMainWindow(*program);
        backend.forgetCalls();
    }

    void draw(float value) { generator_->push(value); }
    void failFlagTest(std::size_t number) { flags_->failTest(number); }
    void click(const std::string& control) { backend.click("Form1", control); }
    std::vector<std::string> list(const std::string& name) const {
        return backend.items("Form1", name);
    }
    kestravo::ProcessSlots& slots() { return program->processState<kestravo::ProcessSlots>(); }

    std::size_t draws = 0;
    std::size_t flagTests = 0;
    FakeBackend backend;
    std::unique_ptr<runtime::Program> program;
    std::shared_ptr<kestravo::Form1> form1;

  private:
    ScriptedGenerator* generator_ = nullptr;
    InjectedFlags* flags_ = nullptr;
};

}  // namespace testing_support
