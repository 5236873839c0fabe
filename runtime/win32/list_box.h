#pragma once

#include <windows.h>

#include "runtime/backend.h"

namespace runtime::win32 {

// A LISTBOX control: the control keeps the items itself.
class Win32ListBox final : public ListBoxPeer {
  public:
    explicit Win32ListBox(HWND control) : control_(control) {}

    Status addItem(std::string_view text) override;
    Status clear() override;
    std::size_t count() const override;
    std::string item(std::size_t index) const override;

  private:
    HWND control_;  // a child of the form window, destroyed with it
};

}  // namespace runtime::win32
