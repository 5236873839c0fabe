#include "runtime/win32/list_box.h"

#include <string>

#include "runtime/win32/text.h"

namespace runtime::win32 {

Status Win32ListBox::addItem(std::string_view text) {
    const std::wstring wide = widen(text);
    const LRESULT index =
        SendMessageW(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    // The control refuses an item it has no room for.
    if (index == LB_ERR || index == LB_ERRSPACE) return kOutOfMemory;
    return kOk;
}

Status Win32ListBox::clear() {
    SendMessageW(control_, LB_RESETCONTENT, 0, 0);
    return kOk;
}

std::size_t Win32ListBox::count() const {
    const LRESULT items = SendMessageW(control_, LB_GETCOUNT, 0, 0);
    return items < 0 ? 0 : static_cast<std::size_t>(items);
}

std::string Win32ListBox::item(std::size_t index) const {
    const auto at = static_cast<WPARAM>(index);
    const LRESULT length = SendMessageW(control_, LB_GETTEXTLEN, at, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(control_, LB_GETTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    if (copied <= 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return narrow(text);
}

}  // namespace runtime::win32
