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

DecodedSheet SheetLoader::load(std::string_view name, const SheetRequest &request) const
{
    DecodedSheet result;
    OpenedSheet opened = m_locator.open(name);
    result.path = opened.path;
    if (!opened.file.isOpen()) {
        result.error = opened.error;
        return result;
    }
    SheetFile file(std::move(opened.file));
    SheetProbe probe(file, request);
    result.fullSize = probe.fullSize();
    result.image = probe.decode();
    result.error = probe.error();
    result.detail = probe.detail();
    return result;
}

DecodedSheet SheetLoader::look(std::string_view name) const
{
    DecodedSheet result;
    OpenedSheet opened = m_locator.open(name);
    result.path = opened.path;
    result.error = opened.error;
    if (opened.file.isOpen()) {
        SheetFile file(std::move(opened.file));
        const SheetProbe probe(file, SheetRequest::stretchedTo(QSize(1, 1)));
        result.error = probe.error();
        result.detail = probe.detail();
        result.fullSize = probe.fullSize();
    }
    return result;
}

SheetCheck checkSheet(int fd, QSize deviceSize)
{
    SheetFile file{FileDescriptor(::dup(fd))};
    const SheetProbe probe(file, SheetRequest::stretchedTo(deviceSize));
    return {probe.error(), probe.detail(), probe.fullSize()};
}

} // namespace sheets
