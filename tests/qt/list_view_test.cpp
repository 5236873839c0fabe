#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/qt/list_box.h"
#include "runtime/qt/uniform_list_view.h"
#include "tests/qt/qt_fixture.h"

namespace {

using runtime::qt::UniformListView;

// Records what the view asks of its delegate: the rows it paints, where, and how often it
// measures a row.
class RecordingDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painted.emplace_back(index.row(), option.rect);
        QStyledItemDelegate::paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ++measured;
        return QStyledItemDelegate::sizeHint(option, index);
    }

    mutable std::vector<std::pair<int, QRect>> painted;
    mutable int measured = 0;
};

// A list box's view on its own, the size of the main window's lists, configured by the list
// box peer as the window does.
class ListViewTest : public ::testing::Test {
  protected:
    ListViewTest() : box(&view) {
        view.setItemDelegate(&delegate);
        view.resize(121, 134);
        view.show();
        QCoreApplication::processEvents();
    }

    void fill(int count) {
        for (int row = 0; row < count; ++row) {
            ASSERT_EQ(box.addItem("item " + std::to_string(row)), runtime::kOk);
        }
        QCoreApplication::processEvents();
    }
    QModelIndex row(int k) const { return view.model()->index(k, 0); }
    int height() const { return view.rowHeight(); }
    int visibleHeight() const { return view.viewport()->height(); }
    int offset() const { return view.verticalScrollBar()->value(); }
    void repaint() {
        delegate.painted.clear();
        view.viewport()->repaint();
    }

    RecordingDelegate delegate;
    UniformListView view;
    runtime::qt::QtListBox box;
};

TEST_F(ListViewTest, PlacesAndFindsRowsByArithmetic) {
    fill(100'000);
    ASSERT_GT(height(), 0);
    EXPECT_EQ(height(), view.sizeHintForRow(0));
    const int width = view.viewport()->width();
    for (const int scrolled : {0, 5, 37 * height(), 99'000 * height() + 3}) {
        view.verticalScrollBar()->setValue(scrolled);
        ASSERT_EQ(offset(), scrolled);
        for (const int k : {0, 1, 7, 36, 37, 38, 50'000, 99'000, 99'001, 99'999}) {
            const QRect rect = view.visualRect(row(k));
            EXPECT_EQ(rect, QRect(0, k * height() - scrolled, width, height())) << k;
            if (rect.bottom() < 0 || rect.top() >= visibleHeight()) continue;
            EXPECT_EQ(view.indexAt(rect.topLeft()), row(k)) << k;
            EXPECT_EQ(view.indexAt(rect.bottomRight()), row(k)) << k;
            EXPECT_EQ(view.indexAt(rect.topLeft() - QPoint(0, 1)),
                      k > 0 ? row(k - 1) : QModelIndex());
        }
    }
    EXPECT_EQ(view.indexAt(QPoint(-1, 0)), QModelIndex());
    EXPECT_EQ(view.indexAt(QPoint(width, 0)), QModelIndex());
}

TEST_F(ListViewTest, PaintsOnlyTheVisibleRowsAndMeasuresOneRow) {
    // QListView's own layout would measure every row of a list without uniform sizes.
    view.setUniformItemSizes(false);
    fill(100'000);
    view.verticalScrollBar()->setValue(40'000 * height() + height() / 2);
    repaint();
    const int first = offset() / height();
    const int last = (offset() + visibleHeight() - 1) / height();
    ASSERT_EQ(delegate.painted.size(), static_cast<std::size_t>(last - first + 1));
    for (std::size_t i = 0; i < delegate.painted.size(); ++i) {
        const auto& [painted, rect] = delegate.painted[i];
        EXPECT_EQ(painted, first + static_cast<int>(i));
        EXPECT_EQ(rect, view.visualRect(row(painted)));
    }
    fill(1000);
    repaint();
    EXPECT_LE(delegate.measured, 2);
}

TEST_F(ListViewTest, DrawsTheSelectedRowWhereItLies) {
    fill(50);
    view.verticalScrollBar()->setValue(3 * height());
    view.setCurrentIndex(row(5));
    const QImage image = view.viewport()->grab().toImage();
    // The style may shade the highlight slightly.
    const QColor highlight = view.palette().color(QPalette::Highlight);
    const auto nearHighlight = [&highlight](QColor pixel) {
        return std::abs(pixel.red() - highlight.red()) <= 8 &&
               std::abs(pixel.green() - highlight.green()) <= 8 &&
               std::abs(pixel.blue() - highlight.blue()) <= 8;
    };
    for (const int k : {4, 5, 6}) {
        const QRect rect = view.visualRect(row(k));
        for (const int y : {rect.top() + 1, rect.center().y(), rect.bottom() - 1}) {
            EXPECT_EQ(nearHighlight(image.pixelColor(rect.right() - 2, y)), k == 5) << k;
        }
    }
}

TEST_F(ListViewTest, ScrollRangeCoversTheRows) {
    fill(100'000);
    const QScrollBar& bar = *view.verticalScrollBar();
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 100'000 * height() - visibleHeight());
    EXPECT_EQ(bar.singleStep(), height());
    EXPECT_EQ(bar.pageStep(), visibleHeight());

    view.scrollToBottom();
    EXPECT_EQ(view.visualRect(row(99'999)).bottom(), visibleHeight() - 1);
    EXPECT_EQ(view.indexAt(QPoint(0, visibleHeight() - 1)), row(99'999));
}

TEST_F(ListViewTest, KeysMoveTheSelection) {
    fill(1000);
    const int page = visibleHeight() / height() - 1;
    struct Case {
        Qt::Key key;
        int from;
        int to;
    };
    const Case cases[] = {
        {Qt::Key_End, 0, 999},
        {Qt::Key_Home, 999, 0},
        {Qt::Key_Down, 10, 11},
        {Qt::Key_Up, 10, 9},
        {Qt::Key_Up, 0, 0},
        {Qt::Key_Down, 999, 999},
        {Qt::Key_PageDown, 10, 10 + page},
        {Qt::Key_PageUp, 500, 500 - page},
        {Qt::Key_PageUp, 1, 0},
        {Qt::Key_PageDown, 998, 999},
    };
    for (const Case& move : cases) {
        view.setCurrentIndex(row(move.from));
        QTest::keyClick(&view, move.key);
        EXPECT_EQ(view.currentIndex(), row(move.to)) << move.key << " from " << move.from;
        EXPECT_EQ(view.selectionModel()->selectedRows(), QModelIndexList{row(move.to)});
        const QRect rect = view.visualRect(row(move.to));
        EXPECT_TRUE(view.viewport()->rect().contains(rect)) << move.key << " from " << move.from;
    }
}

TEST_F(ListViewTest, ClickAndWheelActOnTheRowsUnderThePointer) {
    fill(1000);
    QWheelEvent wheel(QPointF(10, 10), view.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_EQ(offset(), QApplication::wheelScrollLines() * height());

    const int k = offset() / height() + 2;
    const QPoint inRow = view.visualRect(row(k)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, inRow);
    EXPECT_EQ(view.currentIndex(), row(k));
    EXPECT_EQ(view.selectionModel()->selectedRows(), QModelIndexList{row(k)});
}

TEST_F(ListViewTest, AppendingNeverScrolls) {
    fill(20);
    view.verticalScrollBar()->setValue(5);
    fill(500);
    EXPECT_EQ(offset(), 5);
    EXPECT_EQ(view.indexAt(QPoint(0, 0)), row(0));
}

TEST_F(ListViewTest, MeasuresRowsAgainAfterAFontChange) {
    fill(100);
    const int before = height();
    QFont font = view.font();
    font.setPointSizeF(font.pointSizeF() * 3);
    view.setFont(font);
    QCoreApplication::processEvents();
    EXPECT_GT(height(), before);
    EXPECT_EQ(height(), view.sizeHintForRow(0));
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 100 * height() - visibleHeight());
}

TEST_F(ListViewTest, ScreenReadersReadEveryRow) {
    fill(100'000);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 100'000);
    for (const int k : {0, 1, 77'777, 99'999}) {
        QAccessibleInterface* item = list->child(k);
        ASSERT_NE(item, nullptr) << k;
        EXPECT_EQ(item->text(QAccessible::Name), "item " + QString::number(k));
    }
}

TEST_F(ListViewTest, ClearLeavesNothingToShowOrScroll) {
    fill(100'000);
    view.setCurrentIndex(row(99'000));
    int resets = 0;
    QObject::connect(view.model(), &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    ASSERT_EQ(box.clear(), runtime::kOk);
    EXPECT_EQ(resets, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.model()->rowCount(), 0);
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(offset(), 0);
    EXPECT_EQ(view.indexAt(QPoint(0, 0)), QModelIndex());
    EXPECT_FALSE(view.currentIndex().isValid());
    repaint();
    EXPECT_TRUE(delegate.painted.empty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&view)->childCount(), 0);
}

using testing_support::QtProgram;

TEST_F(QtProgram, RollsAppearTopToBottomWithoutScrolling) {
    ASSERT_NE(window, nullptr);
    auto* list = qobject_cast<UniformListView*>(child<QListView>("List1"));
    ASSERT_NE(list, nullptr);
    for (int roll = 0; roll < 30; ++roll) {
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    EXPECT_EQ(list->verticalScrollBar()->maximum(),
              30 * list->rowHeight() - list->viewport()->height());
    for (int k = 0; k < 30; ++k) {
        EXPECT_EQ(list->visualRect(list->model()->index(k, 0)).top(), k * list->rowHeight());
    }
}

}  // namespace
