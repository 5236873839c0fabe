#include "runtime/item_store.h"

#include <algorithm>
#include <limits>
#include <new>

namespace runtime {
namespace {

// Rows are counted with int by the views that show them.
constexpr std::size_t kMaxItems = std::numeric_limits<int>::max();
constexpr std::size_t kMaxChars = std::numeric_limits<std::uint32_t>::max();

}  // namespace

Status ItemStore::prepare(std::size_t length) noexcept {
    if (ends_.size() >= kMaxItems || length > kMaxChars - chars_.size()) return kOutOfMemory;
    try {
        // Geometric growth keeps appending amortised constant.
        if (chars_.size() + length > chars_.capacity()) {
            chars_.reserve(std::max(2 * chars_.capacity(), chars_.size() + length));
        }
        if (ends_.size() == ends_.capacity())
            ends_.reserve(std::max<std::size_t>(16, 2 * ends_.size()));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kOk;
}

Status ItemStore::append(std::string_view text) noexcept {
    const Status prepared = prepare(text.size());
    if (failed(prepared)) return prepared;
    chars_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
    return kOk;
}

void ItemStore::clear() noexcept {
    std::string().swap(chars_);
    std::vector<std::uint32_t>().swap(ends_);
}

std::string_view ItemStore::at(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(chars_).substr(begin, ends_[index] - begin);
}

std::size_t ItemStore::capacityBytes() const {
    return chars_.capacity() + ends_.capacity() * sizeof(std::uint32_t);
}

}  // namespace runtime
