#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/status.h"

namespace runtime {

// A list box's items, packed: all texts in one buffer and one end offset per item, so a
// history of millions of rolls costs a few bytes per roll.
class ItemStore {
  public:
    // Appends the text; out of memory when it cannot be stored, leaving the items as they were.
    Status append(std::string_view text) noexcept;
    // Makes room for one more item of the given length, so that its append cannot fail.
    Status prepare(std::size_t length) noexcept;
    // Removes every item and gives the memory back.
    void clear() noexcept;

    std::size_t size() const { return ends_.size(); }
    std::string_view at(std::size_t index) const;
    // Bytes held, for measuring.
    std::size_t capacityBytes() const;

  private:
    std::string chars_;
    std::vector<std::uint32_t> ends_;
};

}  // namespace runtime
