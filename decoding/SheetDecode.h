#pragma once

#include "DecodeRequest.h"
#include "DecodeResult.h"
#include "SheetFile.h"

namespace sheets {

// Sets Qt's own guard for every image reader of the process to the allocation limit; called
// once, at start-up. Set explicitly because its default differs between Qt releases.
void installAllocationLimit();

// The sheet file `file` read as `request` asks, in this process: what the decoding helper does
// with every sheet, and the window only where no helper can run.
DecodeResult decodeSheet(SheetFile &file, const DecodeRequest &request);

} // namespace sheets
