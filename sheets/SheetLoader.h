#pragma once

#include "DecoderPool.h"
#include "SheetDecode.h"
#include "SheetError.h"
#include "SheetLocator.h"
#include "SheetProbe.h"
#include "SheetRequest.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sheets {

// Opens a sheet by bare name and decodes it straight to the requested pixels. Every call reads
// the file again; nothing is cached. A file whose decoding would take more memory or time than
// the limits allow is refused before decoding starts. Given decoding helpers, the window opens
// the file and the helper reads it; without them, or where they cannot run, it is read here.
// It keeps no state of its own, so the gallery's threads call it at once.
class SheetLoader {
public:
    explicit SheetLoader(SheetLocator locator = SheetLocator(),
                         std::shared_ptr<DecoderPool> decoders = nullptr,
                         DecoderLane lane = DecoderLane::Window);

    // The same loader, asking the helpers of `lane`.
    SheetLoader onLane(DecoderLane lane) const;
    DecoderPool *decoders() const { return m_decoders.get(); }

    DecodedSheet load(std::string_view name, const SheetRequest &request) const;
    // Finds the sheet and reads its headers: everything but the picture.
    DecodedSheet look(std::string_view name) const;
    // The sheet file's own bytes, when it is found and holds no more than `limit` of them.
    std::optional<QByteArray> fileBytes(std::string_view name, qint64 limit) const;

private:
    DecodedSheet read(std::string_view name, const SheetRequest &request, bool decode) const;

    SheetLocator m_locator;
    std::shared_ptr<DecoderPool> m_decoders;
    DecoderLane m_lane;
};

} // namespace sheets
