#pragma once

#include "SheetLoader.h"

#include <QImage>
#include <QObject>
#include <QRectF>

#include <chrono>
#include <optional>
#include <string>

namespace shell {

// Has the viewer's pictures decoded by its helper, so the window never waits for a zoom. Only
// the newest request counts: one not yet started gives way to the next, and the viewer drops a
// result that a newer request has made stale. One request at a time is on its way, so a helper
// busy with a zoom is never ended for the next one.
class ViewerDecoder : public QObject {
    Q_OBJECT
public:
    struct Request {
        quint64 generation = 0;
        std::string sheet;
        sheets::DecodeRequest request; // Look: the file's headers, to see whether it is still
                                       // what is shown
        QRectF part;                   // what the result shows, in sheet pixels
        std::chrono::steady_clock::time_point asked = {};
    };
    struct Result {
        quint64 generation = 0;
        sheets::DecodeResult decoded;
        QRectF part;
        sheets::DecodeRequest request;
        std::chrono::steady_clock::duration waited = {}; // from the request to the picture
    };

    explicit ViewerDecoder(sheets::SheetLoader loader, QObject *parent = nullptr);

    void decode(Request request);

signals:
    void decoded(const shell::ViewerDecoder::Result &result);

private:
    void send(Request request);

    const sheets::SheetLoader m_loader;
    sheets::PendingDecode m_current;
    std::optional<Request> m_next;
};

} // namespace shell
