#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/backend.h"
#include "runtime/controls.h"
#include "runtime/layout.h"
#include "runtime/object.h"
#include "runtime/runtime_error.h"
#include "runtime/status.h"

namespace runtime {

class Program;

// A window class instance. The instance exists from its creation on; its window (the native
// window with its controls) exists only while it is loaded, and a later Visible put loads it
// afresh from the layout.
class Form : public std::enable_shared_from_this<Form>, private WindowEvents {
  public:
    Form(Program& program, const FormLayout& layout) : program_(program), layout_(layout) {}
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The Visible put: loads the window from its layout when needed and shows it modeless.
    Status putVisible(bool visible);
    // Unloads the window with its controls; the instance stays valid. Use Global::Unload.
    Status unload();
    // Destroys the window at once, without asking the platform: the program is ending.
    void destroyWindow();

    bool loaded() const { return peer_ != nullptr; }
    const FormLayout& layout() const { return layout_; }
    Program& program() const { return program_; }

    // The accessor of one control: a reference the caller owns and releases.
    template <class C = Control>
    Ref<C> control(std::string_view name) const {
        for (const auto& control : controls_) {
            if (control->name() == name) return checkedCast<C>(control);
        }
        throw runtimeError(errors::kObjectUnloaded);
    }

  protected:
    using ClickHandler = std::function<void()>;
    // The handler wired to a control's Click, or none.
    virtual ClickHandler clickHandler(std::string_view control) = 0;

  private:
    void load();
    void click(std::string_view control) override;
    void closedFromFrame() override;

    template <class C>
    static Ref<C> checkedCast(const Ref<Control>& control) {
        auto cast = std::dynamic_pointer_cast<C>(control);
        if (!cast) throw runtimeError(errors::kTypeMismatch);
        return cast;
    }

    Program& program_;
    const FormLayout& layout_;
    std::unique_ptr<WindowPeer> peer_;
    std::vector<Ref<Control>> controls_;
};

// A window's Click wiring, as a table of its member handlers.
template <class Window>
struct ClickWiring {
    std::string_view control;
    void (Window::*handler)();
};

template <class Window, class Table>
std::function<void()> wiredHandler(Window& window, const Table& table, std::string_view control) {
    for (const ClickWiring<Window>& entry : table) {
        if (entry.control == control) return [&window, entry] { (window.*entry.handler)(); };
    }
    return {};
}

}  // namespace runtime
