#pragma once

#include "DecodePriority.h"
#include "SheetLimits.h"

#include <QRect>
#include <QSize>

#include <cstdint>

namespace sheets {

// What is wanted of a sheet.
enum class DecodeKind : std::uint32_t {
    Look,      // its headers only: its format and own size
    Box,       // the whole picture as shownInBox() has it in `size`: Image1, or a file being added
    Thumbnail, // as large as fits in `size` with its own proportions, never enlarged
    Region,    // the part `clip` of the picture stretched to `size`: the viewer
    OwnSize,   // the picture at its own size: Copy Picture
};

// How far a picture's proportions may be from a box's for it to be stretched to fill the box.
inline constexpr double kBoxStretch = 1.1;

// The size a picture of `picture` pixels is shown at in a box of `box`: the box itself when
// their proportions are within kBoxStretch of each other, as sheets drawn for the box are; any
// other picture (a screenshot, a portrait) whole with its own proportions, to be centred.
inline QSize shownInBox(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return box;
    const double ratio = double(picture.width()) * box.height() / picture.height() / box.width();
    if (ratio <= kBoxStretch && ratio >= 1 / kBoxStretch)
        return box;
    return picture.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// One request for a sheet's pixels, whoever asks and whichever side decodes it.
struct DecodeRequest {
    DecodeKind kind = DecodeKind::Box;
    QSize size;
    QRect clip; // Region only
    Requester requester = Requester::Window;

    static DecodeRequest look(Requester who = Requester::Window)
    {
        return {DecodeKind::Look, {}, {}, who};
    }
    static DecodeRequest box(QSize size, Requester who = Requester::Window)
    {
        return {DecodeKind::Box, size, {}, who};
    }
    static DecodeRequest thumbnail(QSize bound, Requester who = Requester::Gallery)
    {
        return {DecodeKind::Thumbnail, bound, {}, who};
    }
    static DecodeRequest region(QSize size, QRect clip, Requester who = Requester::Viewer)
    {
        return {DecodeKind::Region, size, clip, who};
    }
    static DecodeRequest ownSize(Requester who = Requester::Window)
    {
        return {DecodeKind::OwnSize, {}, {}, who};
    }

    bool wantsPixels() const { return kind != DecodeKind::Look; }

    // Whether a decoded picture of `answer` pixels is one this request can have brought: nothing
    // larger than what was asked for is believed, whoever decoded it.
    bool admits(QSize answer) const
    {
        const qint64 w = answer.width(), h = answer.height();
        if (!wantsPixels() || w <= 0 || h <= 0 || w * h * kBytesPerPixel > kAllocationLimitBytes)
            return false;
        switch (kind) {
        case DecodeKind::Box: // a picture shown whole fits the box on one side
            return answer == shownInBox(answer, size);
        case DecodeKind::Thumbnail:
            return w <= size.width() && h <= size.height();
        case DecodeKind::Region:
            return answer == clip.size();
        default: // the picture at its own size, within the pixel limit every reader is held to
            return w * h <= kMaxDecodedPixels;
        }
    }
};

} // namespace sheets
