#pragma once

#include "Entry.h"

#include <span>
#include <string_view>

namespace catalogue {

// One of the seven drop-down lists of the main window and the table behind it.
struct Category {
    int number; // 1..7, also the number of its list control: Combo1..Combo7
    std::string_view name;
    int labelNumber;          // its label control: Label1..Label10
    std::string_view caption; // label text, exactly as shown
    std::span<const Entry> entries;

    constexpr int entryCount() const { return static_cast<int>(entries.size()); }
};

} // namespace catalogue
