#include "SheetLoader.h"

#include "SheetFile.h"
#include "SheetLimits.h"
#include "SheetProbe.h"

#include <unistd.h>

namespace sheets {

SheetLoader::SheetLoader(SheetLocator locator, std::shared_ptr<DecoderPool> decoders,
                         DecoderLane lane)
    : m_locator(std::move(locator))
    , m_decoders(std::move(decoders))
    , m_lane(lane)
{}

SheetLoader SheetLoader::onLane(DecoderLane lane) const
{
    return SheetLoader(m_locator, m_decoders, lane);
}

DecodedSheet SheetLoader::read(std::string_view name, const SheetRequest &request,
                               bool decode) const
{
    OpenedSheet opened = m_locator.open(name);
    if (!opened.file.isOpen())
        return {{}, opened.error, {}, opened.path, {}};
    SheetFile file(std::move(opened.file));
    if (m_decoders) {
        const SheetCheck early = SheetProbe::ownChecks(file);
        if (early.error != SheetError::None)
            return {{}, early.error, early.detail, opened.path, {}};
        std::optional<HelperResult> helped = m_decoders->decode(
            m_lane, file.descriptor(), toWire(request, decode ? WireKind::Decode : WireKind::Look));
        if (helped)
            return {std::move(helped->image), helped->error, helped->detail, opened.path,
                    helped->fullSize};
    }
    DecodedSheet result = readSheet(file, request, decode);
    result.path = opened.path;
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

std::optional<QByteArray> SheetLoader::fileBytes(std::string_view name, qint64 limit) const
{
    OpenedSheet opened = m_locator.open(name);
    if (!opened.file.isOpen())
        return std::nullopt;
    const SheetFile file(std::move(opened.file));
    if (file.size() > limit)
        return std::nullopt;
    return file.head(file.size());
}

} // namespace sheets
