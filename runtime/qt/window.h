#pragma once

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "runtime/backend.h"
#include "runtime/qt/list_box.h"
#include "runtime/stored_bitmap.h"

namespace runtime::qt {

// The client area: the window's colour with its picture drawn unscaled from the top-left.
class ClientArea final : public QWidget {
  public:
    ClientArea(QColor colour, QImage picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    QImage picture_;
};

// A label that reports a click: a press and a release inside it.
class ClickableLabel final : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// The top-level window built from a layout. It forwards events until its peer lets it go.
class FormWindow final : public QMainWindow {
  public:
    FormWindow(const FormLayout& layout, WindowEvents& events);

    void detach() { events_ = nullptr; }
    void showAsStored();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls(const FormLayout& layout);
    void click(std::string_view control);

    WindowEvents* events_;
    bool maximised_ = false;
    std::optional<StoredBitmap> bitmap_;  // held while loaded; nothing shows it
};

class QtWindow final : public WindowPeer {
  public:
    QtWindow(const FormLayout& layout, WindowEvents& events);
    ~QtWindow() override;

    Status setVisible(bool visible) override;
    Status close() override { return kOk; }
    ListBoxPeer* listBox(std::string_view name) override;

    FormWindow* widget() const { return window_; }

  private:
    QPointer<FormWindow> window_;
    std::map<std::string, std::unique_ptr<QtListBox>, std::less<>> lists_;
};

}  // namespace runtime::qt
