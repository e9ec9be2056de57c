// A decoding helper that misbehaves as its name says, for the window's side to be tried against:
// "tall" answers with a picture far larger than asked, "stale" answers an old request before
// the real one and "flood" three times, "double" answers every request twice, "silent" never
// answers a request one pixel wide, "crash" dies, and "append" makes the pixel buffer's writes
// append, then dies, at the first request only. Its real answers are pictures of the size asked,
// red for odd request numbers, blue for even.
#include "DecoderWire.h"

#include <QImage>

#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace sheets;

namespace {

WireReply picture(const WireRequest &request)
{
    WireReply reply;
    reply.id = request.id;
    reply.width = request.width;
    reply.height = request.height;
    reply.pixelFormat = QImage::Format_RGB32;
    const std::vector<std::uint32_t> row(std::size_t(request.width),
                                         request.id % 2 ? 0xFFFF0000u : 0xFF0000FFu);
    for (int y = 0; y < request.height; ++y) {
        if (::pwrite(kHelperPixels, row.data(), row.size() * 4, off_t(y) * off_t(row.size()) * 4) <
            0)
            ::abort();
    }
    return reply;
}

} // namespace

int main(int, char *argv[])
{
    const std::string name = std::strrchr(argv[0], '/') + 1;
    WireHello hello;
    hello.sandboxed = 1;
    sendMessage(kHelperSocket, &hello, sizeof hello);
    for (;;) {
        WireRequest request;
        FileDescriptor sheet;
        if (!receiveMessage(kHelperSocket, &request, sizeof request, &sheet))
            return 0;
        if (name == "crash" ||
            (name == "append" && request.id == 1 && ::fcntl(kHelperPixels, F_SETFL, O_APPEND) == 0))
            ::abort();
        if (name == "silent" && request.width == 1) {
            ::pause();
            continue;
        }
        WireReply reply = picture(request);
        if (name == "tall") {
            reply.width = 16384;
            reply.height = 8192;
        }
        for (int i = 0; i < (name == "stale" ? 1 : name == "flood" ? 3 : 0); ++i) {
            WireReply old = reply;
            old.id = request.id - 1;
            old.width = old.height = 1;
            sendMessage(kHelperSocket, &old, sizeof old);
        }
        sendMessage(kHelperSocket, &reply, sizeof reply);
        if (name == "double")
            sendMessage(kHelperSocket, &reply, sizeof reply);
    }
}
