#include "SheetDecode.h"

#include "SheetLimits.h"
#include "SheetProbe.h"

namespace sheets {

void installAllocationLimit()
{
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
}

DecodeResult decodeSheet(SheetFile &file, const DecodeRequest &request)
{
    DecodeResult result;
    SheetProbe probe(file, request);
    result.fullSize = probe.fullSize();
    result.format = probe.format();
    if (request.wantsPixels()) {
        result.image = probe.decode();
        result.thumbnail = probe.thumbnailKeys();
    }
    result.error = probe.error();
    result.detail = probe.detail();
    if (!result.isShown())
        result.image = QImage();
    return result;
}

} // namespace sheets
