#include "runtime/controls.h"

#include "runtime/backend.h"

namespace runtime {

Status ListBox::AddItem(std::string_view text, const Variant& index) {
    if (peer_ == nullptr) return kObjectUnloaded;
    if (index.type() != VarType::Missing) return kInvalidArgument;
    return peer_->addItem(text);
}

Status ListBox::Clear() {
    if (peer_ == nullptr) return kObjectUnloaded;
    return peer_->clear();
}

std::size_t ListBox::ListCount() const {
    return peer_ == nullptr ? 0 : peer_->count();
}

std::string ListBox::List(std::size_t index) const {
    return peer_ == nullptr ? std::string() : peer_->item(index);
}

}  // namespace runtime
