#include "runtime/qt/window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "runtime/qt/fonts.h"
#include "runtime/qt/pictures.h"
#include "runtime/qt/text.h"
#include "runtime/qt/uniform_list_view.h"

namespace runtime::qt {
namespace {

QColor toQColor(Colour colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

QRect toPixels(const Twips& place) {
    return {runtime::toPixels(place.left), runtime::toPixels(place.top),
            runtime::toPixels(place.width), runtime::toPixels(place.height)};
}

QImage pictureProperty(const FormLayout& layout, WindowProperty code) {
    const auto source = layout.property<PictureSource>(code);
    return source ? decodeImage((*source)()) : QImage();
}

}  // namespace

ClientArea::ClientArea(QColor colour, QImage picture, QWidget* parent)
    : QWidget(parent), colour_(colour), picture_(std::move(picture)) {}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // One rectangle at a time: clipped to a single rectangle, Qt fills and copies the pixels
    // on this thread; clipped to a region of many (the lists cut holes in it), it splits the
    // fill among worker threads and waits for them.
    for (const QRect& rect : event->region()) {
        painter.setClipRect(rect);
        if (!picture_.rect().contains(rect)) painter.fillRect(rect, colour_);
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (std::exchange(pressed_, false) && event->button() == Qt::LeftButton && inside) {
        emit clicked();
    }
}

FormWindow::FormWindow(const FormLayout& layout, WindowEvents& events) : events_(&events) {
    setWindowTitle(
        toQString(layout.property<std::string_view>(WindowProperty::Caption).value_or("")));
    if (layout.property<bool>(WindowProperty::ControlBox) == false) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
    // Each picture comes decoded in the form in which it is used: no conversion, which Qt might
    // hand to worker threads, follows. The bitmap, which nothing shows, is held as stored.
    QImage icon = pictureProperty(layout, WindowProperty::Icon);
    if (!icon.isNull()) {
        setWindowIcon(QIcon(QPixmap::fromImage(std::move(icon), Qt::NoFormatConversion)));
    }
    bitmap_ = windowBitmap(layout);
    const Colour back = layout.property<Colour>(WindowProperty::BackColor).value_or(Colour{0});
    setCentralWidget(
        new ClientArea(toQColor(back), pictureProperty(layout, WindowProperty::Picture), this));
    maximised_ =
        layout.property<std::int32_t>(WindowProperty::WindowState) == kWindowStateMaximised;
    buildControls(layout);
    // The stored rectangle is the client area's: the menu bar, where there is one, comes on top.
    if (const auto restored = layout.property<Twips>(WindowProperty::ClientRect)) {
        const int menuHeight = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
        resize(runtime::toPixels(restored->width),
               runtime::toPixels(restored->height) + menuHeight);
    }
}

void FormWindow::buildControls(const FormLayout& layout) {
    QWidget* const client = centralWidget();
    FontMaker fonts;
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const ControlLayout& entry : layout.controls) {
        const std::string name(entry.name);
        QWidget* widget = nullptr;
        switch (entry.kind) {
            case ControlClass::Menu: {
                QAction* action = menuBar()->addAction(toQString(entry.caption));
                connect(action, &QAction::triggered, this, [this, name] { click(name); });
                continue;
            }
            case ControlClass::CommandButton: {
                auto* button = new QPushButton(toQString(entry.caption), client);
                // Enter on the focused button clicks it, as Space does.
                button->setAutoDefault(true);
                connect(button, &QPushButton::clicked, this, [this, name] { click(name); });
                widget = button;
                break;
            }
            case ControlClass::ListBox:
                widget = new UniformListView(client);
                break;
            case ControlClass::Label: {
                auto* label = new ClickableLabel(toQString(entry.caption), client);
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setAutoFillBackground(entry.opaqueBackground.value_or(true));
                if (entry.foreColor) {
                    QPalette palette = label->palette();
                    palette.setColor(QPalette::WindowText, toQColor(*entry.foreColor));
                    label->setPalette(palette);
                }
                connect(label, &ClickableLabel::clicked, this, [this, name] { click(name); });
                widget = label;
                break;
            }
            case ControlClass::Image:
                widget = new QWidget(client);
                break;
        }
        widget->setObjectName(toQString(entry.name));
        widget->setGeometry(toPixels(entry.place));
        if (entry.font) widget->setFont(fonts.toQFont(*entry.font));
        const bool focusable =
            entry.kind == ControlClass::CommandButton || entry.kind == ControlClass::ListBox;
        if (focusable && entry.tabIndex) {
            widget->setFocusPolicy(Qt::StrongFocus);
            focusOrder.emplace_back(*entry.tabIndex, widget);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }
    if (!focusOrder.empty()) focusOrder.front().second->setFocus();
}

void FormWindow::showAsStored() {
    if (maximised_) {
        showMaximized();
    } else {
        show();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window object decides: unloading destroys this widget once its events are done.
    event->ignore();
    if (events_ != nullptr) events_->closedFromFrame();
}

void FormWindow::click(std::string_view control) {
    if (events_ != nullptr) events_->click(control);
}

QtWindow::QtWindow(const FormLayout& layout, WindowEvents& events)
    : window_(new FormWindow(layout, events)) {
    for (const ControlLayout& entry : layout.controls) {
        if (entry.kind != ControlClass::ListBox) continue;
        lists_.emplace(
            std::string(entry.name),
            std::make_unique<QtListBox>(window_->findChild<QListView*>(toQString(entry.name))));
    }
}

QtWindow::~QtWindow() {
    if (!window_) return;
    window_->detach();
    window_->hide();
    // Never delete a widget inside one of its own signals: the handler may be running in it.
    window_->deleteLater();
}

Status QtWindow::setVisible(bool visible) {
    if (!window_) return kObjectUnloaded;
    if (!visible) {
        window_->hide();
    } else if (!window_->isVisible()) {
        // Showing a window that is on screen changes nothing: it keeps the state and place
        // the user gave it.
        window_->showAsStored();
    }
    return kOk;
}

ListBoxPeer* QtWindow::listBox(std::string_view name) {
    const auto found = lists_.find(name);
    return found == lists_.end() ? nullptr : found->second.get();
}

}  // namespace runtime::qt
