#include "DecoderWire.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>

namespace sheets {

WireRequest toWire(const DecodeRequest &request, std::uint64_t id)
{
    WireRequest wire;
    wire.kind = request.kind;
    wire.id = id;
    wire.width = request.size.width();
    wire.height = request.size.height();
    wire.clipX = request.clip.x();
    wire.clipY = request.clip.y();
    wire.clipWidth = request.clip.width();
    wire.clipHeight = request.clip.height();
    return wire;
}

DecodeRequest fromWire(const WireRequest &wire)
{
    DecodeRequest request;
    request.kind = wire.kind;
    request.size = QSize(wire.width, wire.height);
    if (request.kind == DecodeKind::Region)
        request.clip = QRect(wire.clipX, wire.clipY, wire.clipWidth, wire.clipHeight);
    return request;
}

std::uint32_t putText(const QString &text, char *bytes, std::size_t room)
{
    QString cut = text;
    QByteArray utf8 = cut.toUtf8();
    while (utf8.size() > qsizetype(room)) {
        cut.chop(1);
        utf8 = cut.toUtf8();
    }
    std::memcpy(bytes, utf8.constData(), std::size_t(utf8.size()));
    return std::uint32_t(utf8.size());
}

QString takeText(const char *bytes, std::uint32_t used, std::size_t room)
{
    return QString::fromUtf8(bytes, qsizetype(std::min<std::size_t>(used, room)));
}

bool sendMessage(int socket, const void *bytes, std::size_t size, int fd)
{
    iovec data{const_cast<void *>(bytes), size};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    if (fd >= 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr *header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(header), &fd, sizeof fd);
    }
    ssize_t sent;
    do
        sent = ::sendmsg(socket, &message, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent == ssize_t(size);
}

bool receiveMessage(int socket, void *bytes, std::size_t size, FileDescriptor *fd)
{
    iovec data{bytes, size};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t received;
    do
        received = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC);
    while (received < 0 && errno == EINTR);
    // Whatever came with the message is closed unless it was asked for.
    FileDescriptor passed;
    for (cmsghdr *header = CMSG_FIRSTHDR(&message); header != nullptr;
         header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level != SOL_SOCKET || header->cmsg_type != SCM_RIGHTS)
            continue;
        const std::size_t count = (header->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (std::size_t i = 0; i < count; ++i) {
            int descriptor;
            std::memcpy(&descriptor, CMSG_DATA(header) + i * sizeof(int), sizeof descriptor);
            FileDescriptor owned(descriptor);
            if (!passed.isOpen())
                passed = std::move(owned);
        }
    }
    if (received != ssize_t(size) || (message.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) != 0)
        return false;
    if (std::memcmp(bytes, &kWireMagic, sizeof kWireMagic) != 0)
        return false;
    if (fd != nullptr)
        *fd = std::move(passed);
    return true;
}

} // namespace sheets
