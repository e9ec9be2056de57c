#pragma once

#include "RuntimeErrors.h"

#include <optional>
#include <string>
#include <string_view>

namespace preview {

// A run-time error as the runtime raises it: its number, and in words what went wrong.
struct RuntimeError {
    ErrorNumber number = kNoError;
    std::string description;
};

// The window operations the selection procedure relies on. Lists are numbered 1..7 like their
// controls (Combo1..Combo7). The Qt window implements this; tests use a recording fake.
class Runtime {
public:
    virtual ~Runtime() = default;

    // Empties the shown text of a list. This is not a choice: it runs no handler.
    virtual void clearList(int list) = 0;
    // The chosen position of a list (ListIndex), -1 when nothing is chosen.
    virtual int listIndex(int list) const = 0;
    // LoadPicture of a sheet by its bare name, for the entry chosen in `list`, and on success
    // the picture shown in Image1 in place of the previous one. Returns the run-time error
    // raised, kErrFileNotFound for a name that finds no file; on any error Image1 keeps what it
    // showed. kErrDeferred says the picture is still being read: the runtime then shows it, or
    // reports its error as reportSheetError() does, when it comes.
    virtual RuntimeError loadPicture(int list, std::string_view sheet) = 0;
    // Modal message box with one OK button and no icon; with no title the application title is
    // shown. Returns when closed.
    virtual void msgBox(std::string_view prompt,
                        std::optional<std::string_view> title = std::nullopt) = 0;
};

} // namespace preview
