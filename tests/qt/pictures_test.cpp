#include "runtime/qt/pictures.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPixmap>
#include <cstdlib>

#include "app/embedded_pictures.h"
#include "info_window/form2_layout.h"
#include "main_window/form1_layout.h"
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

// Mean red, green and blue of a part of the picture.
std::array<double, 3> meanColour(const QImage& picture, const QRect& part) {
    std::array<double, 3> sums{};
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            sums[0] += qRed(p);
            sums[1] += qGreen(p);
            sums[2] += qBlue(p);
        }
    }
    const double count = static_cast<double>(part.width()) * part.height();
    return {sums[0] / count, sums[1] / count, sums[2] / count};
}

// Where a window is larger than the picture, its flat colour takes over at the picture's
// right and bottom edges. Both windows show the same picture on different colours, so its
// edges must sit close to both. Each stretch of the edges is measured on its own: a bright
// patch must not hide behind a dark one.
TEST(BackgroundPicture, MeetsBothWindowsColoursWithoutASeamAtItsRightAndBottomEdges) {
    constexpr int kSide = 1500, kBand = 10, kStretch = 150, kMaxStep = 20;
    const QImage picture =
        runtime::qt::decodeImage(app::backgroundPicture()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(kSide, kSide));
    for (const runtime::FormLayout* layout : {&kestravo::kForm1Layout, &kestravo::kForm2Layout}) {
        const auto window = layout->property<runtime::Colour>(runtime::WindowProperty::BackColor);
        ASSERT_TRUE(window.has_value()) << layout->name;
        const std::array<int, 3> flat{window->red(), window->green(), window->blue()};
        for (int along = 0; along < kSide; along += kStretch) {
            for (const QRect& band : {QRect(kSide - kBand, along, kBand, kStretch),
                                      QRect(along, kSide - kBand, kStretch, kBand)}) {
                const std::array<double, 3> edge = meanColour(picture, band);
                for (std::size_t c = 0; c < 3; ++c) {
                    EXPECT_LE(std::abs(edge[c] - flat[c]), kMaxStep)
                        << layout->name << ", channel " << c << " of the band at " << band.x()
                        << "," << band.y() << ": " << edge[c] << " against " << flat[c];
                }
            }
        }
    }
}

}  // namespace
