#include "runtime/program.h"

#include <algorithm>
#include <cstdio>

#include "runtime/error_box_text.h"

namespace runtime {

Program::Program(Backend& backend, std::string_view applicationName, ProgramServices services)
    : backend_(backend),
      applicationName_(applicationName),
      generator_(std::move(services.generator)),
      flags_(std::move(services.flags)) {
    if (!generator_) generator_ = std::make_unique<Xoshiro128Generator>(backend_.randomSeed());
    if (!flags_) flags_ = std::make_unique<FloatingPointFlags>();
}

Program::~Program() {
    // Windows go before the state that may hold their instances.
    for (const auto& window : std::exchange(loaded_, {})) window->destroyWindow();
}

float Program::Rnd(const Variant& argument) {
    if (argument.type() != VarType::Missing) {
        throw runtimeError(errors::kInvalidProcedureCall);
    }
    return generator_->next();
}

void Program::checkFloatingPoint() const {
    if (const int raised = flags_->raised(); raised != 0) vbaFPException(raised);
}

void Program::check(Status status, InterfaceId interface) const {
    flags_->clear();
    if (failed(status)) vbaHresultCheckObj(status, interface);
}

void Program::runHandler(Form& window, const std::function<void()>& handler) {
    if (ended_) return;
    // Flags the platform raised between events (drawing, decoding) are not the handler's:
    // only what its own arithmetic raises may fail a roll.
    flags_->clear();
    std::optional<RuntimeError> failure;
    {
        const Ref<Form> frame = window.shared_from_this();
        failure = failureOf(handler);
    }
    if (failure) reportAndEnd(*failure);
}

void Program::reportAndEnd(const RuntimeError& error) noexcept {
    if (ended_) return;
    ended_ = true;
    try {
        backend_.showErrorBox(applicationName_, error);
    } catch (...) {
        // Whatever stopped the box, the error is still said once and the program still ends.
        writeErrorLine(error, stderr);
    }
    for (const auto& window : std::exchange(loaded_, {})) window->destroyWindow();
    end(kRunTimeErrorExitCode);
}

void Program::windowLoaded(const Ref<Form>& window) {
    loaded_.push_back(window);
}

void Program::windowUnloaded(const Form& window) {
    std::erase_if(loaded_, [&window](const Ref<Form>& loaded) { return loaded.get() == &window; });
    if (loaded_.empty() && !ended_) {
        ended_ = true;
        end(0);
    }
}

void Program::end(int exitCode) {
    exitCode_ = exitCode;
    backend_.quit(exitCode);
}

}  // namespace runtime
