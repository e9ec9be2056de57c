#include "ViewerDecoder.h"

namespace shell {

ViewerDecoder::ViewerDecoder(sheets::SheetLoader loader, QObject *parent)
    : QObject(parent)
    , m_loader(std::move(loader))
    , m_thread(&ViewerDecoder::run, this)
{}

ViewerDecoder::~ViewerDecoder()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void ViewerDecoder::decode(Request request)
{
    request.asked = std::chrono::steady_clock::now();
    {
        const std::lock_guard lock(m_mutex);
        m_next = std::move(request);
    }
    m_wake.notify_one();
}

void ViewerDecoder::run()
{
    for (;;) {
        Request request;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || m_next.has_value(); });
            if (m_stopping)
                return;
            request = std::move(*m_next);
            m_next.reset();
        }
        Result result{request.generation,
                      request.lookOnly ? m_loader.look(request.sheet)
                                       : m_loader.load(request.sheet, request.request),
                      request.part,
                      request.request,
                      request.lookOnly,
                      std::chrono::steady_clock::now() - request.asked};
        QMetaObject::invokeMethod(this,
                                  [this, result = std::move(result)] { emit decoded(result); });
    }
}

} // namespace shell
