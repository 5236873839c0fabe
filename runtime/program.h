#pragma once

#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "runtime/backend.h"
#include "runtime/float_checks.h"
#include "runtime/form.h"
#include "runtime/generator.h"
#include "runtime/object.h"
#include "runtime/runtime_error.h"
#include "runtime/variant.h"

namespace runtime {

// What a program run may be given in place of the runtime's own services (tests script them).
struct ProgramServices {
    std::unique_ptr<UniformGenerator> generator;  // none: seeded from the backend
    std::unique_ptr<FloatingPointFlags> flags;    // none: the processor's own flags
};

// One run of the program: its backend, its generator, its loaded windows and the end rule.
class Program {
  public:
    Program(Backend& backend, std::string_view applicationName, ProgramServices services = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Backend& backend() const { return backend_; }
    std::string_view applicationName() const { return applicationName_; }

    // The uniform random generator, given its optional argument (Missing): the next value.
    float Rnd(const Variant& argument);

    // After a roll's arithmetic: a raised invalid, division-by-zero or overflow flag raises
    // the floating-point run-time error.
    void checkFloatingPoint() const;
    // Right after a call that yields a status: clears the flags, then turns a failure into a
    // run-time error.
    void check(Status status, InterfaceId interface) const;

    // The handler frame: holds the window for the whole call, catches the run-time error
    // that ended the handler and reports it once the handler's temporaries are released.
    void runHandler(Form& window, const std::function<void()>& handler);
    // The run-time error that ended the step, or none. Running out of memory is the
    // out-of-memory error, made in advance: reporting it must not need memory of its own.
    template <class Step>
    std::optional<RuntimeError> failureOf(Step&& step) const noexcept {
        try {
            std::forward<Step>(step)();
        } catch (const RuntimeError& error) {
            return error;
        } catch (const std::bad_alloc&) {
            return outOfMemory_;
        }
        return std::nullopt;
    }
    // Shows the error box and ends the program with the run-time error status, with every
    // window. Where the box cannot be shown, the error goes to standard error as one line.
    void reportAndEnd(const RuntimeError& error) noexcept;

    // The end rule: the program ends when no window is loaded.
    void windowLoaded(const Ref<Form>& window);
    void windowUnloaded(const Form& window);
    std::size_t loadedWindowCount() const { return loaded_.size(); }

    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // The program's own process-wide state, created on first use and kept to the end.
    template <class State>
    State& processState() {
        if (!state_) {
            state_ = std::make_shared<State>();
            stateType_ = typeid(State);
        }
        if (stateType_ != typeid(State)) throw std::logic_error("one process state per program");
        return *static_cast<State*>(state_.get());
    }

  private:
    void end(int exitCode);

    Backend& backend_;
    std::string applicationName_;
    std::unique_ptr<UniformGenerator> generator_;
    std::unique_ptr<FloatingPointFlags> flags_;
    RuntimeError outOfMemory_ = runtimeError(errors::kOutOfMemory);
    std::vector<Ref<Form>> loaded_;
    std::shared_ptr<void> state_;
    std::type_index stateType_ = typeid(void);
    bool ended_ = false;
    int exitCode_ = 0;
};

// The error exit status of a program ended by a run-time error.
inline constexpr int kRunTimeErrorExitCode = 1;

}  // namespace runtime
