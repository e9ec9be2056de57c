#pragma once

#include "DecodeResult.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace sheets {

// One request on its way to a decoder and back. Whoever asked may wait for it a moment, or be
// told on its own thread when it is done; whoever no longer wants it cancels it, and then hears
// nothing of it. Thread-safe: the asker's thread and the one decoding share it, and everything
// below is guarded by one mutex.
class DecodeTicket : public std::enable_shared_from_this<DecodeTicket> {
public:
    using Done = std::function<void(DecodeResult)>;

    explicit DecodeTicket(std::string path = {});
    // A ticket that is done already: a sheet refused before any decoder saw it.
    static std::shared_ptr<DecodeTicket> finished(DecodeResult result, std::string path = {});

    // Waits until the answer is in, at most `patience`; whether it is.
    bool waitFor(std::chrono::milliseconds patience);
    // Waits for the answer, however long that takes, and takes it.
    DecodeResult wait();
    // The answer, once waitFor() said it is in.
    DecodeResult take();

    // Runs `done` on the thread of `context` once the answer is in (at once, queued, when it is
    // in already), unless the ticket is cancelled first. `context` must cancel its tickets
    // before it is destroyed.
    void then(QObject *context, Done done);

    void cancel();
    bool isCancelled() const;

    // The decoder's side.
    void finish(DecodeResult result);

private:
    void deliverLocked(std::unique_lock<std::mutex> &lock);

    const std::string m_path; // the file the request reads, stamped on its answer
    mutable std::mutex m_mutex;
    std::condition_variable m_answered;
    std::optional<DecodeResult> m_result;
    bool m_cancelled = false;
    QObject *m_context = nullptr;
    Done m_done;
};

// A ticket its holder cancels when it lets go of it, so that no answer reaches a holder that
// has gone or moved on.
class PendingDecode {
public:
    PendingDecode() = default;
    explicit PendingDecode(std::shared_ptr<DecodeTicket> ticket)
        : m_ticket(std::move(ticket))
    {}
    PendingDecode(PendingDecode &&other) noexcept = default;
    PendingDecode &operator=(PendingDecode &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_ticket = std::move(other.m_ticket);
        }
        return *this;
    }
    PendingDecode(const PendingDecode &) = delete;
    PendingDecode &operator=(const PendingDecode &) = delete;
    ~PendingDecode() { reset(); }

    DecodeTicket *operator->() const { return m_ticket.get(); }
    explicit operator bool() const { return m_ticket != nullptr; }
    void reset()
    {
        if (m_ticket)
            m_ticket->cancel();
        m_ticket.reset();
    }

private:
    std::shared_ptr<DecodeTicket> m_ticket;
};

} // namespace sheets
