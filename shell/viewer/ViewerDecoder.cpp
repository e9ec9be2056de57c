#include "ViewerDecoder.h"

namespace shell {

ViewerDecoder::ViewerDecoder(sheets::SheetLoader loader, QObject *parent)
    : QObject(parent)
    , m_loader(std::move(loader))
{}

void ViewerDecoder::decode(Request request)
{
    request.asked = std::chrono::steady_clock::now();
    request.request.requester = sheets::Requester::Viewer;
    if (m_current)
        m_next = std::move(request);
    else
        send(std::move(request));
}

void ViewerDecoder::send(Request request)
{
    m_current = sheets::PendingDecode(m_loader.request(request.sheet, request.request));
    m_current->then(this, [this, request](sheets::DecodeResult decoded) {
        m_current = {};
        emit this->decoded({request.generation, std::move(decoded), request.part, request.request,
                            std::chrono::steady_clock::now() - request.asked});
        if (m_next) {
            Request next = std::move(*m_next);
            m_next.reset();
            send(std::move(next));
        }
    });
}

} // namespace shell
