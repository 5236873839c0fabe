#include "runtime/qt/uniform_list_view.h"

#include <QAccessible>
#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <limits>

namespace runtime::qt {
namespace {

constexpr qint64 kIntMax = std::numeric_limits<int>::max();
constexpr qint64 kIntMin = std::numeric_limits<int>::min();

int toInt(qint64 value) {
    return static_cast<int>(std::clamp(value, kIntMin, kIntMax));
}

// Rounds towards minus infinity, so that a point above row 0 is not taken for row 0.
qint64 floorDivide(qint64 value, qint64 divisor) {
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

int UniformListView::rowHeight() const {
    if (rowHeight_ > 0 || rows() == 0) return rowHeight_;
    // As QListView does with uniform item sizes: the first row's size hint stands for all.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex first = model()->index(0, modelColumn(), rootIndex());
    const int hinted = itemDelegateForIndex(first)->sizeHint(option, first).height();
    rowHeight_ = std::max(1, hinted > 0 ? hinted : fontMetrics().height());
    return rowHeight_;
}

int UniformListView::rows() const {
    return model() == nullptr ? 0 : model()->rowCount(rootIndex());
}

bool UniformListView::isRow(const QModelIndex& index) const {
    return index.isValid() && index.model() == model() && index.column() == modelColumn() &&
           index.parent() == rootIndex();
}

QRect UniformListView::rowsRect(int first, int last) const {
    const qint64 height = rowHeight();
    const qint64 band = viewport()->height() + height;
    const qint64 top = std::clamp(first * height - verticalOffset(), -height, band);
    const qint64 bottom = std::clamp((last + qint64{1}) * height - verticalOffset(), -height, band);
    return {0, toInt(top), viewport()->width(), toInt(bottom - top)};
}

qint64 UniformListView::rowAtY(int y) const {
    const int height = rowHeight();
    if (height == 0) return -1;
    return floorDivide(qint64{y} + verticalOffset(), height);
}

QRect UniformListView::visualRect(const QModelIndex& index) const {
    if (!isRow(index)) return {};
    const qint64 height = rowHeight();
    return {0, toInt(index.row() * height - verticalOffset()), viewport()->width(),
            static_cast<int>(height)};
}

QModelIndex UniformListView::indexAt(const QPoint& point) const {
    if (point.x() < 0 || point.x() >= viewport()->width()) return {};
    const qint64 row = rowAtY(point.y());
    if (row < 0 || row >= rows()) return {};
    return model()->index(static_cast<int>(row), modelColumn(), rootIndex());
}

void UniformListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!isRow(index)) return;
    const qint64 height = rowHeight();
    const qint64 top = index.row() * height;
    const qint64 visible = viewport()->height();
    const qint64 offset = verticalOffset();
    qint64 target = offset;
    switch (hint) {
        case EnsureVisible:
            if (top < offset || height > visible) {
                target = top;
            } else if (top + height > offset + visible) {
                target = top + height - visible;
            }
            break;
        case PositionAtTop:
            target = top;
            break;
        case PositionAtBottom:
            target = top + height - visible;
            break;
        case PositionAtCenter:
            target = top - (visible - height) / 2;
            break;
    }
    verticalScrollBar()->setValue(toInt(target));
}

void UniformListView::doItemsLayout() {
    // Runs after a font or style change, among others: the rows are measured again.
    rowHeight_ = 0;
    QAbstractItemView::doItemsLayout();
}

void UniformListView::reset() {
    QListView::reset();
    updateScrollRange();
    viewport()->update();
}

void UniformListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles) {
    // Rows keep their height when their text changes: only the changed rows are repainted.
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void UniformListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent != rootIndex()) return;
    updateScrollRange();
    // The new rows and those they push down; nothing to repaint when that is all out of sight.
    const QRect moved = rowsRect(start, rows() - 1);
    if (moved.intersects(viewport()->rect())) viewport()->update(moved);
}

void UniformListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    // The rows are still in the model: measure once they are gone.
    scheduleDelayedItemsLayout();
}

void UniformListView::notifyAccessibility(const QModelIndex& index, QAccessible::Event type) {
    // The list's accessible children are its rows, in order.
    QAccessibleEvent event(this, type);
    event.setChild(index.row());
    QAccessible::updateAccessibility(&event);
}

void UniformListView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    if (QAccessible::isActive()) {
        if (!selected.isEmpty()) {
            notifyAccessibility(selected.first().topLeft(), QAccessible::SelectionAdd);
        }
        if (!deselected.isEmpty()) {
            notifyAccessibility(deselected.first().topLeft(), QAccessible::SelectionRemove);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

void UniformListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        notifyAccessibility(current, QAccessible::Focus);
    }
    QAbstractItemView::currentChanged(current, previous);
}

int UniformListView::horizontalOffset() const {
    return 0;  // rows are as wide as the viewport: nothing scrolls sideways
}

int UniformListView::verticalOffset() const {
    return verticalScrollBar()->value();
}

QModelIndex UniformListView::moveCursor(CursorAction cursorAction,
                                        Qt::KeyboardModifiers /*modifiers*/) {
    const int count = rows();
    if (count == 0) return {};
    const QModelIndex current = currentIndex();
    if (!isRow(current)) return model()->index(0, modelColumn(), rootIndex());
    const qint64 row = current.row();
    // A page keeps one row of the previous one in sight, as QListView's does.
    const qint64 page = std::max(1, viewport()->height() / rowHeight() - 1);
    qint64 target = row;
    switch (cursorAction) {
        case MoveUp:
        case MovePrevious:
            target = row - 1;
            break;
        case MoveDown:
        case MoveNext:
            target = row + 1;
            break;
        case MovePageUp:
            target = row - page;
            break;
        case MovePageDown:
            target = row + page;
            break;
        case MoveHome:
            target = 0;
            break;
        case MoveEnd:
            target = count - 1;
            break;
        case MoveLeft:
        case MoveRight:
            break;  // one column
    }
    target = std::clamp<qint64>(target, 0, count - 1);
    return model()->index(static_cast<int>(target), modelColumn(), rootIndex());
}

void UniformListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (selectionModel() == nullptr) return;
    const QRect area = rect.normalized();
    QItemSelection selection;
    const int count = rows();
    if (count > 0 && area.right() >= 0 && area.left() < viewport()->width()) {
        const qint64 first = std::max<qint64>(0, rowAtY(area.top()));
        const qint64 last = std::min<qint64>(count - 1, rowAtY(area.bottom()));
        if (first <= last) {
            selection.select(model()->index(static_cast<int>(first), modelColumn(), rootIndex()),
                             model()->index(static_cast<int>(last), modelColumn(), rootIndex()));
        }
    }
    // An empty selection still clears, as a click below the last row should.
    selectionModel()->select(selection, command);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.parent() != rootIndex() || range.left() > modelColumn() ||
            range.right() < modelColumn()) {
            continue;
        }
        region += rowsRect(range.top(), range.bottom());
    }
    return region;
}

void UniformListView::updateScrollRange() {
    const qint64 height = rowHeight();
    const int visible = viewport()->height();
    QScrollBar* const bar = verticalScrollBar();
    bar->setSingleStep(std::max<int>(1, static_cast<int>(height)));
    bar->setPageStep(visible);
    bar->setRange(0, toInt(std::max<qint64>(0, rows() * height - visible)));
}

void UniformListView::updateGeometries() {
    updateScrollRange();
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

QSize UniformListView::viewportSizeHint() const {
    return {viewport()->width(), toInt(rows() * qint64{rowHeight()})};
}

void UniformListView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

void UniformListView::paintEvent(QPaintEvent* event) {
    const int count = rows();
    if (count == 0 || itemDelegate() == nullptr) return;
    const qint64 first = std::max<qint64>(0, rowAtY(event->rect().top()));
    const qint64 last = std::min<qint64>(count - 1, rowAtY(event->rect().bottom()));

    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QModelIndex hover = viewport()->underMouse()
                                  ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
                                  : QModelIndex();
    const QItemSelectionModel* const selections = selectionModel();

    QPainter painter(viewport());
    for (qint64 row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(static_cast<int>(row), modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.state = state & ~QStyle::State_MouseOver;
        if (selections != nullptr && selections->isSelected(index)) {
            option.state |= QStyle::State_Selected;
        }
        if (enabled) {
            const bool itemEnabled = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
            if (!itemEnabled) option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal
                                                            : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState) option.state |= QStyle::State_Editing;
        }
        if (index == hover) option.state |= QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

}  // namespace runtime::qt
