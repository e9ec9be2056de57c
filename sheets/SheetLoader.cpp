#include "SheetLoader.h"

#include "SheetFile.h"
#include "SheetInspection.h"
#include "SheetLimits.h"

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
    SheetInspection inspection(file, request);
    result.fullSize = inspection.fullSize();
    result.image = inspection.decode();
    result.error = inspection.error();
    result.detail = inspection.detail();
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
        const SheetInspection inspection(file, SheetRequest::stretchedTo(QSize(1, 1)));
        result.error = inspection.error();
        result.detail = inspection.detail();
        result.fullSize = inspection.fullSize();
    }
    return result;
}

SheetCheck checkSheet(int fd, QSize deviceSize)
{
    SheetFile file{FileDescriptor(::dup(fd))};
    const SheetInspection inspection(file, SheetRequest::stretchedTo(deviceSize));
    return {inspection.error(), inspection.detail(), inspection.fullSize()};
}

} // namespace sheets
