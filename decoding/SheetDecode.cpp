#include "SheetDecode.h"

#include "SheetLimits.h"

#include <unistd.h>

namespace sheets {

void installAllocationLimit()
{
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
}

DecodedSheet readSheet(SheetFile &file, const SheetRequest &request, bool decode)
{
    DecodedSheet result;
    SheetProbe probe(file, request);
    result.fullSize = probe.fullSize();
    if (decode)
        result.image = probe.decode();
    result.error = probe.error();
    result.detail = probe.detail();
    return result;
}

SheetCheck checkSheet(int fd, QSize deviceSize)
{
    SheetFile file{FileDescriptor(::dup(fd))};
    const SheetProbe probe(file, SheetRequest::stretchedTo(deviceSize));
    return {probe.error(), probe.detail(), probe.fullSize()};
}

} // namespace sheets
