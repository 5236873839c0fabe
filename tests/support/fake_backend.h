#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/backend.h"
#include "runtime/item_store.h"

namespace testing_support {

// The calls of the backend that yield a status, where faults can be injected.
enum class Call { AddItem, Clear, SetVisible, Close };

// A backend without a screen: it records what the runtime asks of it, scripts the user's
// answers and fails chosen calls.
class FakeBackend final : public runtime::Backend {
  public:
    struct Window;

    // The next matching call (the target a list or window name) returns the status instead of
    // doing its work.
    void failNext(Call call, std::string_view target, runtime::Status status);
    // Answers of the message box, in order; Cancel when none is left.
    void answer(std::int32_t reply) { answers_.push_back(reply); }

    // The user's actions on a loaded window.
    void click(std::string_view window, std::string_view control);
    void closeFromFrame(std::string_view window);

    bool isLoaded(std::string_view window) const { return find(window) != nullptr; }
    bool isVisible(std::string_view window) const;
    std::vector<std::string> items(std::string_view window, std::string_view list) const;
    int windowsCreated(std::string_view window) const;

    // Every call made, in order, as text ("AddItem List1 3", "Clear List2", "MsgBox ...").
    const std::vector<std::string>& calls() const { return calls_; }
    void forgetCalls() { calls_.clear(); }
    const std::vector<runtime::RuntimeError>& errorsShown() const { return errors_; }
    std::optional<int> quitCode() const { return quitCode_; }
    std::int32_t messageBoxButtons() const { return lastButtons_; }
    // What every list of every loaded window held when the error box came up.
    const std::map<std::string, std::vector<std::string>>& listsAtError() const {
        return listsAtError_;
    }
    // The error box cannot be built, as when memory has run out: showing it throws.
    void refuseErrorBox() { refuseErrorBox_ = true; }
    // Makes every list call leave the overflow flag raised, as a careless control might.
    void raiseFlagsInCalls(bool raise) { raiseFlags_ = raise; }
    bool raisesFlagsInCalls() const { return raiseFlags_; }

    std::unique_ptr<runtime::WindowPeer> createWindow(const runtime::FormLayout& layout,
                                                      runtime::WindowEvents& events) override;
    std::int32_t messageBox(std::string_view prompt, std::int32_t buttons,
                            std::string_view title) override;
    void showErrorBox(std::string_view applicationName,
                      const runtime::RuntimeError& error) override;
    int runEventLoop() override { return quitCode_.value_or(0); }
    void quit(int exitCode) override;
    std::uint64_t randomSeed() override { return 1; }

    // For the peers.
    void record(std::string call) { calls_.push_back(std::move(call)); }
    std::optional<runtime::Status> injectedFault(Call call, std::string_view target);
    void forget(const Window* window);

  private:
    Window* find(std::string_view window) const;

    struct Fault {
        Call call;
        std::string target;
        runtime::Status status;
    };
    std::vector<Fault> faults_;
    std::deque<std::int32_t> answers_;
    std::vector<Window*> windows_;
    std::map<std::string, int, std::less<>> created_;
    std::vector<std::string> calls_;
    std::vector<runtime::RuntimeError> errors_;
    std::optional<int> quitCode_;
    std::int32_t lastButtons_ = 0;
    std::map<std::string, std::vector<std::string>> listsAtError_;
    bool raiseFlags_ = false;
    bool refuseErrorBox_ = false;
};

}  // namespace testing_support
