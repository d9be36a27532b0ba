#pragma once

#include <cstddef>

namespace res {

// The items of a list, in the order they are inserted: an item's index in
// the list is its position here, since lists are filled by position and
// never sorted. Written in English (marked N_ for the catalogues) and
// translated as they are inserted.
struct ItemTable {
    const char* const* items;
    std::size_t count;

    const char* const* begin() const { return items; }
    const char* const* end() const { return items + count; }
};

template <std::size_t N>
constexpr ItemTable MakeItemTable(const char* const (&items)[N]) {
    return ItemTable{items, N};
}

}  // namespace res
