#include "runtime/qt/list_box.h"

#include "runtime/qt/text.h"

namespace runtime::qt {

Status ItemModel::append(std::string_view text) {
    const Status room = store_.prepare(text.size());
    if (failed(room)) return room;
    const int row = static_cast<int>(store_.size());
    beginInsertRows({}, row, row);
    store_.append(text);
    endInsertRows();
    return kOk;
}

void ItemModel::clear() {
    beginResetModel();
    store_.clear();
    endResetModel();
}

int ItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(store_.size());
}

QVariant ItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const std::string_view text = store_.at(static_cast<std::size_t>(index.row()));
    return toQString(text);
}

QtListBox::QtListBox(QListView* view) : model_(new ItemModel(view)) {
    view->setModel(model_);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
}

Status QtListBox::clear() {
    model_->clear();
    return kOk;
}

std::string QtListBox::item(std::size_t index) const {
    return std::string(model_->store().at(index));
}

}  // namespace runtime::qt
