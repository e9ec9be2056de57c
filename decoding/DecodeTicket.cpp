#include "DecodeTicket.h"

#include <QMetaObject>

namespace sheets {

DecodeTicket::DecodeTicket(std::string path)
    : m_path(std::move(path))
{}

std::shared_ptr<DecodeTicket> DecodeTicket::finished(DecodeResult result, std::string path)
{
    auto ticket = std::make_shared<DecodeTicket>(std::move(path));
    ticket->finish(std::move(result));
    return ticket;
}

bool DecodeTicket::waitFor(std::chrono::milliseconds patience)
{
    std::unique_lock lock(m_mutex);
    return m_answered.wait_for(lock, patience, [this] { return m_result.has_value(); });
}

DecodeResult DecodeTicket::wait()
{
    std::unique_lock lock(m_mutex);
    m_answered.wait(lock, [this] { return m_result.has_value(); });
    return *m_result;
}

DecodeResult DecodeTicket::take()
{
    const std::lock_guard lock(m_mutex);
    return m_result.value_or(DecodeResult{});
}

void DecodeTicket::then(QObject *context, Done done)
{
    std::unique_lock lock(m_mutex);
    m_context = context;
    m_done = std::move(done);
    if (m_result)
        deliverLocked(lock);
}

void DecodeTicket::cancel()
{
    const std::lock_guard lock(m_mutex);
    m_cancelled = true;
    m_done = nullptr;
    m_context = nullptr;
}

bool DecodeTicket::isCancelled() const
{
    const std::lock_guard lock(m_mutex);
    return m_cancelled;
}

void DecodeTicket::finish(DecodeResult result)
{
    std::unique_lock lock(m_mutex);
    if (m_result)
        return;
    result.path = m_path;
    m_result = std::move(result);
    m_answered.notify_all();
    if (m_done)
        deliverLocked(lock);
}

// Posted while the lock is held: the context cancels under the same lock before it goes, so it
// is alive while anything is posted to it, and Qt drops what is posted to an object it deletes.
void DecodeTicket::deliverLocked(std::unique_lock<std::mutex> &)
{
    if (m_cancelled || m_context == nullptr)
        return;
    QMetaObject::invokeMethod(
        m_context,
        [self = shared_from_this(), done = std::exchange(m_done, nullptr)] {
            if (!self->isCancelled())
                done(self->take());
        },
        Qt::QueuedConnection);
    m_context = nullptr;
}

} // namespace sheets
