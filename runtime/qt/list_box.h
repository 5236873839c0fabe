#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "runtime/backend.h"
#include "runtime/item_store.h"

namespace runtime::qt {

// A list box's items as a model: one packed store, no object per item.
class ItemModel final : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    Status append(std::string_view text);
    void clear();
    const ItemStore& store() const { return store_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    ItemStore store_;
};

class QtListBox final : public ListBoxPeer {
  public:
    explicit QtListBox(QListView* view);

    Status addItem(std::string_view text) override { return model_->append(text); }
    Status clear() override;
    std::size_t count() const override { return model_->store().size(); }
    std::string item(std::size_t index) const override;

  private:
    ItemModel* model_;  // owned by the view
};

}  // namespace runtime::qt
