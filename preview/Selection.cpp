#include "Selection.h"

#include "Catalogue.h"
#include "ClearingSets.h"

#include <new>

namespace preview {

namespace {

// Step 3: find the chosen entry's sheet and show it. Returns the run-time error it raised.
ErrorNumber showChosenSheet(Runtime &runtime, int category)
{
    try {
        const auto sheet = catalogue::sheetFor(category, runtime.listIndex(category));
        if (!sheet)
            return kNoError; // no entry chosen: Image1 keeps what it shows
        return runtime.loadPicture(*sheet);
    } catch (const std::bad_alloc &) {
        return kErrOutOfMemory;
    } catch (...) {
        return kErrInternal;
    }
}

} // namespace

void runSelection(Runtime &runtime, int category)
{
    if (category < 1 || category > static_cast<int>(kClearingSets.size()))
        return;
    for (int list : kClearingSets[static_cast<std::size_t>(category - 1)])
        runtime.setListText(list, "");

    // The error trap covers only what follows: a fresh error number for every choice.
    const ErrorNumber error = showChosenSheet(runtime, category);
    reportSheetError(runtime, error);
}

void reportSheetError(Runtime &runtime, ErrorNumber error)
{
    if (error == kNoError)
        return;
    // A file that exists but cannot be shown is reported too: keeping the previous picture
    // silently would pass it off as the new entry's. The reason says what to mend.
    for (const SheetReport &report : kSheetReports) {
        if (report.error == error) {
            runtime.msgBox(report.message);
            return;
        }
    }
    runtime.msgBox(kUnreadablePictureMessage);
}

} // namespace preview
