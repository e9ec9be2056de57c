#pragma once

#include <QRect>
#include <QSize>

namespace sheets {

// What to decode a sheet to.
struct SheetRequest {
    enum class Scale {
        Stretch, // the whole picture to exactly `size`, whatever its proportions
        Within,  // as large as fits in `size` with its own proportions, never enlarged
    };
    QSize size; // empty: the picture's own size
    QRect clip; // only this part of the scaled picture; null: all of it
    Scale scale = Scale::Stretch;

    // As Image1 shows a sheet: filling the box.
    static SheetRequest stretchedTo(QSize size) { return {size, {}, Scale::Stretch}; }
    static SheetRequest fittedInto(QSize bound) { return {bound, {}, Scale::Within}; }
    // The part `clip` of the picture scaled to `size`.
    static SheetRequest part(QSize size, QRect clip) { return {size, clip, Scale::Stretch}; }
    static SheetRequest ownSize() { return {}; }
};

} // namespace sheets
