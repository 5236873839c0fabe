#include "runtime/qt/pictures.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPixmap>

#include "app/embedded_pictures.h"
#include "tests/qt/qt_fixture.h"

namespace {

using testing_support::findWindow;
using testing_support::QtProgram;

// What the window's client area shows, at a size beyond the picture's 1500 x 1500.
QImage clientArea(QMainWindow& window) {
    window.showNormal();
    window.resize(1700, 1700);
    window.centralWidget()->resize(1600, 1600);
    return window.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Points of the picture that no control of either window covers.
const QPoint kUncovered[] = {{0, 0}, {700, 40}, {1000, 1000}, {1499, 1499}, {1200, 200}};

TEST_F(QtProgram, BothWindowsShowTheBackgroundUnscaledWithTheirColourBeyondIt) {
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->windowIcon().isNull());
    window->menuBar()->actions().at(0)->trigger();
    QMainWindow* information = findWindow("Form2");
    ASSERT_NE(information, nullptr);
    EXPECT_TRUE(information->windowIcon().isNull());

    const QImage picture =
        runtime::qt::decodeImage(app::backgroundPicture()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(1500, 1500));
    const QImage main = clientArea(*window);
    const QImage info = clientArea(*information);
    for (const QPoint& point : kUncovered) {
        EXPECT_EQ(main.pixel(point), picture.pixel(point)) << point.x() << "," << point.y();
        EXPECT_EQ(info.pixel(point), picture.pixel(point)) << point.x() << "," << point.y();
    }
    for (const QPoint& beyond : {QPoint(1550, 10), QPoint(10, 1550), QPoint(1599, 1599)}) {
        EXPECT_EQ(QColor(main.pixel(beyond)), QColor(3, 0, 99));
        EXPECT_EQ(QColor(info.pixel(beyond)), QColor(1, 0, 66));
    }
}

}  // namespace
