#pragma once

#include <QAccessible>
#include <QListView>

namespace runtime::qt {

// A single-column list whose rows all have the height of the first. Row k lies at k × height,
// so placing, hit-testing, scrolling and painting cost the same for ten rows as for millions.
// QListView keeps a position per row and rebuilds them all after every insertion; this view
// replaces every place that would run that layout. It stays a QListView, so the accessibility
// factory still gives it the list interface that screen readers read the items through.
class UniformListView final : public QListView {
    Q_OBJECT
  public:
    using QListView::QListView;

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void reset() override;

    // The height every row is drawn with; 0 while the list has no rows to measure.
    int rowHeight() const;

  protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    QSize viewportSizeHint() const override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int rows() const;
    bool isRow(const QModelIndex& index) const;
    // The rows from first to last (inclusive) in viewport coordinates, clipped to a band
    // around the viewport so that the far ends of a long list cannot overflow an int.
    QRect rowsRect(int first, int last) const;
    // The row under the viewport's y, which may be past either end of the list.
    qint64 rowAtY(int y) const;
    void updateScrollRange();
    void notifyAccessibility(const QModelIndex& index, QAccessible::Event type);

    mutable int rowHeight_ = 0;  // measured on first use, again after a font or style change
};

}  // namespace runtime::qt
