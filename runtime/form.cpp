#include "runtime/form.h"

#include "runtime/program.h"

namespace runtime {

Form::~Form() {
    destroyWindow();
}

Status Form::putVisible(bool visible) {
    if (!loaded()) {
        if (!visible) return kOk;
        load();
    }
    return peer_->setVisible(visible);
}

Status Form::unload() {
    if (!loaded()) return kOk;
    const auto keepAlive = shared_from_this();
    const Status status = peer_->close();
    if (failed(status)) return status;
    destroyWindow();
    program_.windowUnloaded(*this);
    return kOk;
}

void Form::destroyWindow() {
    for (const auto& control : controls_) control->detach();
    controls_.clear();
    peer_.reset();
}

void Form::load() {
    peer_ = program_.backend().createWindow(layout_, *this);
    controls_.reserve(layout_.controls.size());
    for (const ControlLayout& entry : layout_.controls) {
        if (entry.kind == ControlClass::ListBox) {
            controls_.push_back(std::make_shared<ListBox>(entry.name, peer_->listBox(entry.name)));
        } else {
            controls_.push_back(std::make_shared<Control>(entry.kind, entry.name));
        }
    }
    program_.windowLoaded(shared_from_this());
}

void Form::click(std::string_view control) {
    ClickHandler handler;
    // Even finding the handler takes memory, which may have run out.
    if (const auto failure = program_.failureOf([&] { handler = clickHandler(control); })) {
        program_.reportAndEnd(*failure);
    } else if (handler) {
        program_.runHandler(*this, handler);
    }
}

void Form::closedFromFrame() {
    if (program_.ended()) return;
    const auto failure = program_.failureOf([this] { program_.check(unload(), kFormInterface); });
    if (failure) program_.reportAndEnd(*failure);
}

}  // namespace runtime
