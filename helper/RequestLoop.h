#pragma once

#include "DecoderWire.h"

#include <QImage>

namespace sheets {

// The helper's side: one request answered, and the answer sent.
struct DecoderAnswer {
    WireReply reply;
    QImage image; // in one of the 32-bit formats the window maps
};

// The sheet open as `sheet` read as `request` asks, in this process.
DecoderAnswer answerRequest(FileDescriptor sheet, const WireRequest &request);
// The reply; the pixels, when there are any, written at the start of the window's buffer
// `pixels`.
bool sendAnswer(int socket, int pixels, const DecoderAnswer &answer);

} // namespace sheets
