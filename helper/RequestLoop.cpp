#include "RequestLoop.h"

#include "SheetDecode.h"

#include <cstring>
#include <new>

#include <sys/resource.h>
#include <unistd.h>

namespace sheets {

namespace {

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

// Whether the processor time the kernel allows this process in all is nearly spent: it makes
// way for a fresh helper rather than be ended in the middle of a request.
bool lifetimeNearlySpent()
{
    rlimit bound{};
    rusage usage{};
    if (::getrlimit(RLIMIT_CPU, &bound) != 0 || bound.rlim_cur == RLIM_INFINITY ||
        ::getrusage(RUSAGE_SELF, &usage) != 0)
        return false;
    const long long spent = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec;
    return spent + 5 >= (long long)bound.rlim_cur;
}

} // namespace

HelperAnswer answerRequest(FileDescriptor sheet, const WireRequest &request)
{
    HelperAnswer answer;
    answer.reply.id = request.id;
    SheetFile file(std::move(sheet));
    const DecodeResult decoded = decodeSheet(file, fromWire(request));
    answer.reply.error = int(decoded.error);
    answer.reply.detailBytes =
        putText(decoded.detail, answer.reply.detail, sizeof answer.reply.detail);
    putText(QString::fromLatin1(decoded.format), answer.reply.format, sizeof answer.reply.format);
    const ThumbnailKeys &keys = decoded.thumbnail;
    answer.reply.thumbMTime = keys.mtime;
    answer.reply.thumbSize = keys.size;
    answer.reply.thumbRefusal = keys.refusal;
    answer.reply.thumbUriBytes = std::uint32_t(keys.uri.size()); // bounded where it was read
    std::memcpy(answer.reply.thumbUri, keys.uri.constData(), std::size_t(keys.uri.size()));
    if (decoded.fullSize.isValid()) {
        answer.reply.fullWidth = decoded.fullSize.width();
        answer.reply.fullHeight = decoded.fullSize.height();
    }
    if (!decoded.image.isNull() && decoded.isShown()) {
        answer.image = inWindowFormat(decoded.image);
        answer.reply.width = answer.image.width();
        answer.reply.height = answer.image.height();
        answer.reply.pixelFormat = int(answer.image.format());
    }
    return answer;
}

bool sendAnswer(int socket, int pixels, const HelperAnswer &answer)
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
        refused.detailBytes = putText(QStringLiteral("no room for the picture"), refused.detail,
                                      sizeof refused.detail);
        return sendMessage(socket, &refused, sizeof refused);
    }
    return sendMessage(socket, &answer.reply, sizeof answer.reply);
}

void serveRequests(int socket, int pixels)
{
    for (;;) {
        WireRequest request;
        FileDescriptor sheet;
        if (!receiveMessage(socket, &request, sizeof request, &sheet))
            return;
        HelperAnswer answer;
        try {
            answer = answerRequest(std::move(sheet), request);
        } catch (const std::bad_alloc &) {
            answer = {};
            answer.reply.id = request.id;
            answer.reply.error = int(SheetError::TooLarge);
        }
        if (!sendAnswer(socket, pixels, answer) || lifetimeNearlySpent())
            return;
    }
}

} // namespace sheets
