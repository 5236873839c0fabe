#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/layout.h"
#include "runtime/status.h"
#include "runtime/variant.h"

namespace runtime {

class ListBoxPeer;

// A control of a loaded window. It outlives its window while references to it are held.
class Control {
  public:
    Control(ControlClass kind, std::string_view name) : kind_(kind), name_(name) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlClass kind() const { return kind_; }
    std::string_view name() const { return name_; }

    // Called when the window unloads: the native control is gone.
    virtual void detach() {}

  private:
    ControlClass kind_;
    std::string_view name_;
};

class ListBox final : public Control {
  public:
    ListBox(std::string_view name, ListBoxPeer* peer)
        : Control(ControlClass::ListBox, name), peer_(peer) {}

    // Appends the text as the last item; an index other than Missing is not supported.
    Status AddItem(std::string_view text, const Variant& index);
    Status Clear();

    std::size_t ListCount() const;
    std::string List(std::size_t index) const;

    void detach() override { peer_ = nullptr; }

  private:
    ListBoxPeer* peer_;
};

}  // namespace runtime
