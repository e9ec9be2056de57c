#pragma once

#include "Catalogue.h"

#include <array>

namespace preview {

// The lists whose text a choice in list k empties, in the order they are emptied. List 7 is in
// no set, so a terrain can stay shown beside any other choice; 6 and 7 both clear 1 to 5.
// clang-format off
inline constexpr std::array<std::array<int, 5>, catalogue::kCategoryCount> kClearingSets{{
    /* 1 Buildings       */ {2, 3, 4, 5, 6},
    /* 2 Decorations     */ {1, 3, 4, 5, 6},
    /* 3 Objects         */ {1, 2, 4, 5, 6},
    /* 4 People          */ {1, 2, 3, 5, 6},
    /* 5 Vehicles        */ {1, 2, 3, 4, 6},
    /* 6 Sky settings    */ {1, 2, 3, 4, 5},
    /* 7 Mission terrain */ {1, 2, 3, 4, 5},
}};
// clang-format on

} // namespace preview
