#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace catalogue {

// One line of a category's list. The index is the entry's identity: texts repeat, so they are
// never used to find an entry.
struct Entry {
    int index;
    std::string_view text;  // shown exactly as stored, blanks included
    std::string_view sheet; // bare file name of the picture sheet, no directory
};

// Lets each table prove at compile time that its rows are numbered 0..N-1 in order.
template <std::size_t N> constexpr bool indicesAreContiguous(const std::array<Entry, N> &rows)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].index != static_cast<int>(i))
            return false;
    }
    return true;
}

} // namespace catalogue
