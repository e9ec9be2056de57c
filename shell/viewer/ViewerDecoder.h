#pragma once

#include "SheetLoader.h"

#include <QImage>
#include <QObject>
#include <QRectF>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace shell {

// Decodes the viewer's pictures on a thread of its own, so the window never waits for a zoom.
// Only the newest request counts: one not yet started gives way to the next, and the viewer
// drops a result that a newer request has made stale.
class ViewerDecoder : public QObject {
    Q_OBJECT
public:
    struct Request {
        quint64 generation = 0;
        std::string sheet;
        sheets::SheetRequest request;
        QRectF part;           // what the result shows, in sheet pixels
        bool lookOnly = false; // the file's headers, to see whether it is still what is shown
        std::chrono::steady_clock::time_point asked = {};
    };
    struct Result {
        quint64 generation = 0;
        sheets::DecodedSheet decoded;
        QRectF part;
        sheets::SheetRequest request;
        bool lookOnly = false;
        std::chrono::steady_clock::duration waited = {}; // from the request to the picture
    };

    explicit ViewerDecoder(sheets::SheetLoader loader, QObject *parent = nullptr);
    ~ViewerDecoder() override;

    void decode(Request request);

signals:
    // On the window's thread.
    void decoded(const shell::ViewerDecoder::Result &result);

private:
    void run();

    const sheets::SheetLoader m_loader;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_next;
    bool m_stopping = false;
    std::thread m_thread; // last: started once the rest is ready
};

} // namespace shell
