#pragma once

#include "DecoderWire.h"

#include <QImage>

namespace sheets {

// The helper's side of one request: the reply, and the pixels it describes.
struct HelperAnswer {
    WireReply reply;
    QImage image; // in one of the 32-bit formats the window maps
};

// The sheet open as `sheet` read as `request` asks, in this process.
HelperAnswer answerRequest(FileDescriptor sheet, const WireRequest &request);
// The reply; the pixels, when there are any, written at the start of the window's buffer
// `pixels`.
bool sendAnswer(int socket, int pixels, const HelperAnswer &answer);
// Answers the window's requests one at a time until it closes the socket, or until the
// lifetime's processor budget is nearly spent and a fresh helper should take over.
void serveRequests(int socket, int pixels);

} // namespace sheets
