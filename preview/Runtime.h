#pragma once

#include "RuntimeErrors.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace preview {

// A decoded picture; what it holds is the window layer's business.
class Picture {
public:
    virtual ~Picture() = default;
};

using PicturePtr = std::unique_ptr<Picture>;

// The outcome of LoadPicture: a picture, or the run-time error that loading raised.
struct LoadedPicture {
    PicturePtr picture;
    ErrorNumber error = kNoError;
};

// MsgBox buttons value 0: one OK button, no icon.
inline constexpr int kVbOkOnly = 0;

// The window operations the selection procedure relies on. Lists are numbered 1..7 like their
// controls (Combo1..Combo7). The Qt window implements this; tests use a recording fake.
class Runtime {
public:
    virtual ~Runtime() = default;

    // Sets the shown text of a list. Setting "" is not a choice: it runs no handler.
    virtual void setListText(int list, std::string_view text) = 0;
    // The chosen position of a list, -1 when nothing is chosen.
    virtual std::int16_t listIndex(int list) const = 0;
    // Opens a sheet by its bare name; a name that finds no file fails with kErrFileNotFound.
    virtual LoadedPicture loadPicture(std::string_view fileName) = 0;
    // Shows the picture in Image1 in place of the previous one; returns a run-time error number.
    virtual ErrorNumber setImagePicture(PicturePtr picture) = 0;
    // Modal message box; with no title the application title is shown. Returns when closed.
    virtual void msgBox(std::string_view prompt, int buttons,
                        std::optional<std::string_view> title = std::nullopt) = 0;
};

} // namespace preview
