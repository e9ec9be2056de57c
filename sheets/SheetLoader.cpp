#include "SheetLoader.h"

#include "SheetFile.h"
#include "SheetLimits.h"
#include "SheetProbe.h"

#include <unistd.h>

namespace sheets {

void installAllocationLimit()
{
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
}

SheetLoader::SheetLoader(SheetLocator locator)
    : m_locator(std::move(locator))
{}

DecodedSheet SheetLoader::read(std::string_view name, const SheetRequest &request,
                               bool decode) const
{
    DecodedSheet result;
    OpenedSheet opened = m_locator.open(name);
    result.path = opened.path;
    result.error = opened.error;
    if (!opened.file.isOpen())
        return result;
    SheetFile file(std::move(opened.file));
    SheetProbe probe(file, request);
    result.fullSize = probe.fullSize();
    if (decode)
        result.image = probe.decode();
    result.error = probe.error();
    result.detail = probe.detail();
    return result;
}

DecodedSheet SheetLoader::load(std::string_view name, const SheetRequest &request) const
{
    return read(name, request, true);
}

DecodedSheet SheetLoader::look(std::string_view name) const
{
    // The smallest picture asked for: the limits that depend on the size never stand in the way.
    return read(name, SheetRequest::stretchedTo(QSize(1, 1)), false);
}

SheetCheck checkSheet(int fd, QSize deviceSize)
{
    SheetFile file{FileDescriptor(::dup(fd))};
    const SheetProbe probe(file, SheetRequest::stretchedTo(deviceSize));
    return {probe.error(), probe.detail(), probe.fullSize()};
}

} // namespace sheets
