#include "runtime/win32/window.h"

#include <algorithm>
#include <utility>

#include "runtime/win32/fonts.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

// Posted to a window whose destruction had to wait until its own messages were done.
constexpr UINT kDestroyLater = WM_APP + 1;
// Control and menu identifiers: the layout index above this base, clear of IDOK and IDCANCEL.
constexpr UINT kFirstControlId = 1000;

Picture pictureProperty(const FormLayout& layout, WindowProperty code) {
    const auto source = layout.property<PictureSource>(code);
    return source ? decodePicture((*source)()) : Picture{};
}

bool transparentLabel(const ControlLayout& entry) {
    return entry.kind == ControlClass::Label && entry.opaqueBackground == false;
}

COLORREF toColorRef(Colour colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}

HMENU buildMenu(const FormLayout& layout) {
    HMENU menu = nullptr;
    for (std::size_t index = 0; index < layout.controls.size(); ++index) {
        const ControlLayout& entry = layout.controls[index];
        if (entry.kind != ControlClass::Menu) continue;
        if (menu == nullptr) menu = CreateMenu();
        if (menu == nullptr) return nullptr;
        AppendMenuW(menu, MF_STRING, kFirstControlId + index, widen(entry.caption).c_str());
    }
    return menu;
}

// Counts the window's own messages in progress for the time of one event call.
class BusyScope {
  public:
    explicit BusyScope(int& depth) : depth_(depth) { ++depth_; }
    ~BusyScope() { --depth_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    int& depth_;
};

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, WindowEvents& events)
    : layout_(layout),
      events_(&events),
      background_(CreateSolidBrush(
          toColorRef(layout.property<Colour>(WindowProperty::BackColor).value_or(Colour{0})))),
      picture_(pictureProperty(layout, WindowProperty::Picture)),
      bitmap_(windowBitmap(layout)) {
    if (const auto source = layout.property<PictureSource>(WindowProperty::Icon)) {
        icon_ = decodeIcon((*source)());
    }
}

HWND FormWindow::create(const FormLayout& layout, WindowEvents& events, HINSTANCE instance) {
    auto state = std::make_unique<FormWindow>(layout, events);

    DWORD style = WS_OVERLAPPEDWINDOW;
    // Without the system menu the title bar has no close box.
    if (layout.property<bool>(WindowProperty::ControlBox) == false) style &= ~WS_SYSMENU;
    // A transparent label shows what the window paints beneath it, so such a window must not
    // clip its children out of its own painting.
    if (std::none_of(layout.controls.begin(), layout.controls.end(), transparentLabel)) {
        style |= WS_CLIPCHILDREN;
    }

    HMENU menu = buildMenu(layout);
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    if (const auto restored = layout.property<Twips>(WindowProperty::ClientRect)) {
        RECT frame{0, 0, toPixels(restored->width), toPixels(restored->height)};
        AdjustWindowRectEx(&frame, style, menu != nullptr, 0);
        width = frame.right - frame.left;
        height = frame.bottom - frame.top;
    }
    const std::wstring caption =
        widen(layout.property<std::string_view>(WindowProperty::Caption).value_or(""));
    HWND window =
        CreateWindowExW(0, kFormClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                        width, height, nullptr, menu, instance, state.get());
    if (window == nullptr) {
        if (menu != nullptr) DestroyMenu(menu);
        return nullptr;
    }
    FormWindow* created = state.release();
    created->ownedByHandle_ = true;
    if (created->icon_) {
        const auto icon = reinterpret_cast<LPARAM>(created->icon_.get());
        SendMessageW(window, WM_SETICON, ICON_BIG, icon);
        SendMessageW(window, WM_SETICON, ICON_SMALL, icon);
    }
    created->buildControls(instance);
    return window;
}

FormWindow* FormWindow::of(HWND window) {
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* state =
            static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        state->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    FormWindow* state = of(window);
    if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (state->ownedByHandle_) delete state;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return state->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            paintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (BeginPaint(window_, &paint) != nullptr) EndPaint(window_, &paint);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            return labelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            command(wParam, lParam);
            return 0;
        case WM_CLOSE:
            // The window object decides whether and when the window goes.
            closedFromFrame();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
            }
            break;
        case WM_SETFOCUS:
            focusControl();
            return 0;
        case WM_NEXTDLGCTL: {
            // The keyboard's Tab: move the focus along the tab order.
            HWND next = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                                    : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
            if (next != nullptr) SetFocus(next);
            return 0;
        }
        case DM_GETDEFID: {
            // Enter clicks the focused button, as Space does.
            HWND focus = GetFocus();
            const Child* focused = child(focus);
            if (focused != nullptr && focused->entry->kind == ControlClass::CommandButton) {
                return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
            }
            return 0;
        }
        case kDestroyLater:
            DestroyWindow(window_);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void FormWindow::buildControls(HINSTANCE instance) {
    // Creating the controls in tab-index order stacks them so that Tab follows the index;
    // controls without one come after, in stored order.
    std::vector<std::size_t> order;
    for (std::size_t index = 0; index < layout_.controls.size(); ++index) {
        const ControlClass kind = layout_.controls[index].kind;
        if (kind != ControlClass::Menu && kind != ControlClass::Image) order.push_back(index);
    }
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        const auto& first = layout_.controls[a].tabIndex;
        const auto& second = layout_.controls[b].tabIndex;
        if (first && second) return *first < *second;
        return first.has_value() && !second.has_value();
    });
    for (const std::size_t index : order) {
        const ControlLayout& entry = layout_.controls[index];
        HWND handle = createControl(entry, kFirstControlId + static_cast<UINT>(index), instance);
        if (handle != nullptr) children_.push_back({&entry, handle});
    }
}

HWND FormWindow::createControl(const ControlLayout& entry, UINT id, HINSTANCE instance) {
    const wchar_t* className = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (entry.kind) {
        case ControlClass::CommandButton:
            className = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ControlClass::ListBox:
            className = L"LISTBOX";
            style |= WS_VSCROLL | WS_TABSTOP | WS_BORDER;
            break;
        case ControlClass::Label:
            className = L"STATIC";
            style |= SS_LEFT | SS_NOTIFY;
            break;
        case ControlClass::Image:
        case ControlClass::Menu:
            return nullptr;
    }
    HWND handle = CreateWindowExW(
        0, className, widen(entry.caption).c_str(), style, toPixels(entry.place.left),
        toPixels(entry.place.top), toPixels(entry.place.width), toPixels(entry.place.height),
        window_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
    if (handle == nullptr) return nullptr;
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    if (entry.font) {
        FontHandle created = createFont(*entry.font);
        if (created) {
            font = created.get();
            fonts_.push_back(std::move(created));
        }
    }
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return handle;
}

bool FormWindow::maximised() const {
    return layout_.property<std::int32_t>(WindowProperty::WindowState) == kWindowStateMaximised;
}

HWND FormWindow::control(std::string_view name) const {
    for (const Child& entry : children_) {
        if (entry.entry->name == name) return entry.handle;
    }
    return nullptr;
}

void FormWindow::paintBackground(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    // The picture unscaled from the top-left corner, the window's colour beyond it.
    const int pictureWidth = picture_ ? std::min<int>(picture_.width, client.right) : 0;
    const int pictureHeight = picture_ ? std::min<int>(picture_.height, client.bottom) : 0;
    if (pictureWidth > 0 && pictureHeight > 0) {
        const MemoryDc memory(CreateCompatibleDC(dc));
        if (memory) {
            const Selection selected(memory.get(), picture_.bitmap.get());
            BitBlt(dc, 0, 0, pictureWidth, pictureHeight, memory.get(), 0, 0, SRCCOPY);
        }
    }
    const RECT right{pictureWidth, 0, client.right, client.bottom};
    const RECT below{0, pictureHeight, pictureWidth, client.bottom};
    if (!IsRectEmpty(&right)) FillRect(dc, &right, background_.get());
    if (!IsRectEmpty(&below)) FillRect(dc, &below, background_.get());
}

LRESULT FormWindow::labelColours(HDC dc, HWND label) const {
    const Child* entry = child(label);
    if (entry == nullptr)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
    const COLORREF text = entry->entry->foreColor ? toColorRef(*entry->entry->foreColor)
                                                  : GetSysColor(COLOR_WINDOWTEXT);
    SetTextColor(dc, text);
    if (transparentLabel(*entry->entry)) {
        // Only the text is drawn: the window's picture shows around and between the letters.
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    LOGBRUSH brush;
    GetObjectW(background_.get(), sizeof brush, &brush);
    SetBkColor(dc, brush.lbColor);
    return reinterpret_cast<LRESULT>(background_.get());
}

void FormWindow::command(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id < kFirstControlId || id - kFirstControlId >= layout_.controls.size()) return;
    const ControlLayout& entry = layout_.controls[id - kFirstControlId];
    bool clicked = false;
    switch (entry.kind) {
        case ControlClass::Menu:
            clicked = lParam == 0 && code == 0;
            break;
        case ControlClass::CommandButton:
            clicked = code == BN_CLICKED;
            break;
        case ControlClass::Label:
            // The second click of a double click comes as its own notification.
            clicked = code == STN_CLICKED || code == STN_DBLCLK;
            break;
        case ControlClass::ListBox:
        case ControlClass::Image:
            break;
    }
    if (clicked) click(entry.name);
}

void FormWindow::focusControl() {
    HWND target =
        lastFocus_ != nullptr && IsChild(window_, lastFocus_) ? lastFocus_ : firstTabStop();
    if (target != nullptr) SetFocus(target);
}

HWND FormWindow::firstTabStop() const {
    for (const Child& entry : children_) {
        if ((GetWindowLongPtrW(entry.handle, GWL_STYLE) & WS_TABSTOP) != 0) return entry.handle;
    }
    return nullptr;
}

const FormWindow::Child* FormWindow::child(HWND handle) const {
    const auto found =
        std::find_if(children_.begin(), children_.end(),
                     [handle](const Child& entry) { return entry.handle == handle; });
    return found == children_.end() ? nullptr : &*found;
}

void FormWindow::click(std::string_view control) {
    if (events_ == nullptr) return;
    const BusyScope busy(depth_);
    events_->click(control);
}

void FormWindow::closedFromFrame() {
    if (events_ == nullptr) return;
    const BusyScope busy(depth_);
    events_->closedFromFrame();
}

Win32Window::Win32Window(const FormLayout& layout, WindowEvents& events, HINSTANCE instance)
    : window_(FormWindow::create(layout, events, instance)) {
    const FormWindow* state = window_ != nullptr ? FormWindow::of(window_) : nullptr;
    if (state == nullptr) return;
    for (const ControlLayout& entry : layout.controls) {
        if (entry.kind != ControlClass::ListBox) continue;
        if (HWND control = state->control(entry.name)) {
            lists_.emplace(std::string(entry.name), std::make_unique<Win32ListBox>(control));
        }
    }
}

Win32Window::~Win32Window() {
    if (window_ == nullptr || !IsWindow(window_)) return;
    FormWindow* state = FormWindow::of(window_);
    if (state != nullptr) state->detach();
    ShowWindow(window_, SW_HIDE);
    // Never destroy a window inside one of its own messages: the control whose notification
    // is being handled would go from under its own code. Once the messages are done, the
    // posted request destroys it; should the queue refuse it, the backend does at its end.
    if (state != nullptr && state->busy()) {
        PostMessageW(window_, kDestroyLater, 0, 0);
        return;
    }
    DestroyWindow(window_);
}

Status Win32Window::setVisible(bool visible) {
    if (window_ == nullptr) return kFail;
    if (!visible) {
        ShowWindow(window_, SW_HIDE);
        return kOk;
    }
    // Showing a window that is on screen changes nothing.
    if (IsWindowVisible(window_)) return kOk;
    const FormWindow* state = FormWindow::of(window_);
    ShowWindow(window_, state != nullptr && state->maximised() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(window_);
    return kOk;
}

ListBoxPeer* Win32Window::listBox(std::string_view name) {
    const auto found = lists_.find(name);
    return found == lists_.end() ? nullptr : found->second.get();
}

}  // namespace runtime::win32
