#include "SheetLoader.h"

#include "SheetDecode.h"
#include "SheetFile.h"
#include "SheetProbe.h"

#include <unistd.h>

namespace sheets {

SheetLoader::SheetLoader(SheetLocator locator, std::shared_ptr<DecodeService> service)
    : m_locator(std::move(locator))
    , m_service(std::move(service))
{}

std::shared_ptr<DecodeTicket> SheetLoader::request(std::string_view name,
                                                   const DecodeRequest &request) const
{
    OpenedSheet opened = m_locator.open(name);
    if (!opened.file.isOpen()) {
        DecodeResult missing;
        missing.error = opened.error;
        return DecodeTicket::finished(std::move(missing), opened.path);
    }
    return this->request(std::move(opened.file), request, opened.path);
}

std::shared_ptr<DecodeTicket>
SheetLoader::request(FileDescriptor file, const DecodeRequest &request, std::string path) const
{
    SheetFile sheet{FileDescriptor(::dup(file.get()))};
    if (DecodeResult early = SheetProbe::earlyRefusal(sheet); !early.isShown())
        return DecodeTicket::finished(std::move(early), std::move(path));
    if (m_service)
        return m_service->submit(std::move(file), request, std::move(path));
    return DecodeTicket::finished(decodeSheet(sheet, request), std::move(path));
}

} // namespace sheets
