#include "RequestLoop.h"

#include "SheetDecode.h"

#include <cstring>

#include <unistd.h>

namespace sheets {

namespace {

void setDetail(WireReply &reply, const QString &detail)
{
    QString text = detail;
    QByteArray bytes = text.toUtf8();
    // Cut whole characters only.
    while (bytes.size() > qsizetype(sizeof reply.detail)) {
        text.chop(1);
        bytes = text.toUtf8();
    }
    std::memcpy(reply.detail, bytes.constData(), size_t(bytes.size()));
    reply.detailBytes = std::uint32_t(bytes.size());
}

QImage inWindowFormat(QImage image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
    }
}

} // namespace

DecoderAnswer answerRequest(FileDescriptor sheet, const WireRequest &request)
{
    DecoderAnswer answer;
    SheetFile file(std::move(sheet));
    const DecodedSheet decoded =
        readSheet(file, fromWire(request), request.kind == WireKind::Decode);
    answer.reply.error = int(decoded.error);
    setDetail(answer.reply, decoded.detail);
    if (decoded.fullSize.isValid()) {
        answer.reply.fullWidth = decoded.fullSize.width();
        answer.reply.fullHeight = decoded.fullSize.height();
    }
    if (!decoded.image.isNull() && decoded.error == SheetError::None) {
        answer.image = inWindowFormat(decoded.image);
        answer.reply.width = answer.image.width();
        answer.reply.height = answer.image.height();
        answer.reply.format = int(answer.image.format());
    }
    return answer;
}

bool sendAnswer(int socket, int pixels, const DecoderAnswer &answer)
{
    // Rows of 32-bit pixels lie end to end in a QImage: one write takes them all.
    const QImage &image = answer.image;
    const auto bytes = std::size_t(image.sizeInBytes());
    bool written = true;
    for (std::size_t done = 0; written && done < bytes;) {
        const ssize_t step = ::pwrite(pixels, image.constBits() + done, bytes - done, off_t(done));
        written = step > 0;
        done += written ? std::size_t(step) : 0;
    }
    if (!written) {
        WireReply refused = answer.reply;
        refused.width = refused.height = 0;
        refused.error = int(SheetError::TooLarge);
        setDetail(refused, QStringLiteral("no room for the picture"));
        return sendMessage(socket, &refused, sizeof refused);
    }
    return sendMessage(socket, &answer.reply, sizeof answer.reply);
}

} // namespace sheets
