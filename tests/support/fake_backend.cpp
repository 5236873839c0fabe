#include "tests/support/fake_backend.h"

#include <algorithm>
#include <cfenv>
#include <new>
#include <stdexcept>

namespace testing_support {

using runtime::Status;

class FakeList final : public runtime::ListBoxPeer {
  public:
    FakeList(FakeBackend& backend, std::string name) : backend_(backend), name_(std::move(name)) {}

    Status addItem(std::string_view text) override {
        backend_.record("AddItem " + name_ + " " + std::string(text));
        if (backend_.raisesFlagsInCalls()) std::feraiseexcept(FE_OVERFLOW);
        if (auto fault = backend_.injectedFault(Call::AddItem, name_)) return *fault;
        return store_.append(text);
    }
    Status clear() override {
        backend_.record("Clear " + name_);
        if (auto fault = backend_.injectedFault(Call::Clear, name_)) return *fault;
        store_.clear();
        return runtime::kOk;
    }
    std::size_t count() const override { return store_.size(); }
    std::string item(std::size_t index) const override { return std::string(store_.at(index)); }

  private:
    FakeBackend& backend_;
    std::string name_;
    runtime::ItemStore store_;
};

struct FakeBackend::Window final : runtime::WindowPeer {
    Window(FakeBackend& owner, const runtime::FormLayout& layout, runtime::WindowEvents& sink)
        : backend(owner), name(layout.name), events(&sink) {
        for (const auto& control : layout.controls) {
            if (control.kind == runtime::ControlClass::ListBox) {
                lists.emplace(std::string(control.name),
                              std::make_unique<FakeList>(owner, std::string(control.name)));
            }
        }
    }
    ~Window() override { backend.forget(this); }

    Status setVisible(bool show) override {
        backend.record("Visible " + name);
        if (auto fault = backend.injectedFault(Call::SetVisible, name)) return *fault;
        visible = show;
        return runtime::kOk;
    }
    Status close() override {
        backend.record("Close " + name);
        if (auto fault = backend.injectedFault(Call::Close, name)) return *fault;
        return runtime::kOk;
    }
    runtime::ListBoxPeer* listBox(std::string_view list) override {
        const auto found = lists.find(list);
        return found == lists.end() ? nullptr : found->second.get();
    }

    FakeBackend& backend;
    std::string name;
    runtime::WindowEvents* events;
    bool visible = false;
    std::map<std::string, std::unique_ptr<FakeList>, std::less<>> lists;
};

void FakeBackend::failNext(Call call, std::string_view target, Status status) {
    faults_.push_back({call, std::string(target), status});
}

std::optional<Status> FakeBackend::injectedFault(Call call, std::string_view target) {
    const auto found = std::find_if(faults_.begin(), faults_.end(), [&](const Fault& fault) {
        return fault.call == call && fault.target == target;
    });
    if (found == faults_.end()) return std::nullopt;
    const Status status = found->status;
    faults_.erase(found);
    return status;
}

FakeBackend::Window* FakeBackend::find(std::string_view window) const {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [&](const Window* loaded) { return loaded->name == window; });
    return found == windows_.end() ? nullptr : *found;
}

void FakeBackend::forget(const Window* window) {
    std::erase(windows_, window);
}

void FakeBackend::click(std::string_view window, std::string_view control) {
    Window* const loaded = find(window);
    if (loaded == nullptr) throw std::logic_error("click on a window that is not loaded");
    loaded->events->click(control);
}

void FakeBackend::closeFromFrame(std::string_view window) {
    Window* const loaded = find(window);
    if (loaded == nullptr) throw std::logic_error("close of a window that is not loaded");
    loaded->events->closedFromFrame();
}

bool FakeBackend::isVisible(std::string_view window) const {
    const Window* const loaded = find(window);
    return loaded != nullptr && loaded->visible;
}

std::vector<std::string> FakeBackend::items(std::string_view window, std::string_view list) const {
    const Window* const loaded = find(window);
    if (loaded == nullptr) throw std::logic_error("items of a window that is not loaded");
    const auto& peer = *loaded->lists.at(std::string(list));
    std::vector<std::string> result;
    for (std::size_t i = 0; i < peer.count(); ++i) result.push_back(peer.item(i));
    return result;
}

int FakeBackend::windowsCreated(std::string_view window) const {
    const auto found = created_.find(window);
    return found == created_.end() ? 0 : found->second;
}

std::unique_ptr<runtime::WindowPeer> FakeBackend::createWindow(const runtime::FormLayout& layout,
                                                               runtime::WindowEvents& events) {
    auto window = std::make_unique<Window>(*this, layout, events);
    windows_.push_back(window.get());
    ++created_[std::string(layout.name)];
    return window;
}

std::int32_t FakeBackend::messageBox(std::string_view prompt, std::int32_t buttons,
                                     std::string_view title) {
    record("MsgBox " + std::string(title) + ": " + std::string(prompt));
    lastButtons_ = buttons;
    if (answers_.empty()) return runtime::kAnswerCancel;
    const std::int32_t reply = answers_.front();
    answers_.pop_front();
    return reply;
}

void FakeBackend::showErrorBox(std::string_view /*applicationName*/,
                               const runtime::RuntimeError& error) {
    record("ErrorBox " + std::to_string(error.number()));
    errors_.push_back(error);
    if (refuseErrorBox_) throw std::bad_alloc();
    for (const Window* window : windows_) {
        for (const auto& [list, peer] : window->lists) {
            std::vector<std::string>& items = listsAtError_[window->name + "." + list];
            for (std::size_t i = 0; i < peer->count(); ++i) items.push_back(peer->item(i));
        }
    }
}

void FakeBackend::quit(int exitCode) {
    record("Quit " + std::to_string(exitCode));
    if (!quitCode_) quitCode_ = exitCode;
}

}  // namespace testing_support
