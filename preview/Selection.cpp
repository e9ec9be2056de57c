#include "Selection.h"

#include "Catalogue.h"
#include "ClearingSets.h"

#include <new>

namespace preview {

namespace {

// Step 3: find the chosen entry's sheet and show it. Returns the run-time error it raised.
RuntimeError showChosenSheet(Runtime &runtime, int category)
{
    try {
        const auto sheet = catalogue::sheetFor(category, runtime.listIndex(category));
        if (!sheet)
            return {}; // no entry chosen: Image1 keeps what it shows
        return runtime.loadPicture(category, *sheet);
    } catch (const std::bad_alloc &) {
        return {kErrOutOfMemory, "Out of memory"};
    } catch (...) {
        return {kErrInternal, "Internal error"};
    }
}

} // namespace

void runSelection(Runtime &runtime, int category)
{
    if (category < 1 || category > static_cast<int>(kClearingSets.size()))
        return;
    for (int list : kClearingSets[static_cast<std::size_t>(category - 1)])
        runtime.clearList(list);

    // The error trap covers only what follows: a fresh error number for every choice.
    reportSheetError(runtime, showChosenSheet(runtime, category));
}

void reportSheetError(Runtime &runtime, const RuntimeError &error)
{
    if (error.number == kErrDeferred)
        return; // reported when the picture comes
    // A file that exists but cannot be shown is reported too: keeping the previous picture
    // silently would pass it off as the new entry's. The reason says what to mend.
    if (error.number == kErrFileNotFound)
        runtime.msgBox(kMissingFileMessage);
    else if (error.number != kNoError)
        runtime.msgBox("ERROR open file. Reason: " + error.description + "!");
}

} // namespace preview
