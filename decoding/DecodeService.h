#pragma once

#include "DecodeRequest.h"
#include "DecodeResult.h"
#include "DecodeTicket.h"
#include "FileDescriptor.h"
#include "HelperProcess.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace sheets {

struct DecodeServiceOptions {
    HelperLimits helper;
    int backgroundHelpers = 1; // for the gallery and for files being added: one a core
    // Helpers of the gallery and of adding sheets end after this long with nothing to do.
    std::chrono::milliseconds idleEnd{10000};
};

// The one road from an open sheet file to its pixels. Every request is served by a decoding
// helper, a locked-down process that the kernel and this service bound in memory and processor
// time; the window, its read-ahead, its viewer, and the gallery with adding sheets each have
// helpers of their own, and waiting requests are served by priority. The window has a spare
// helper, so that a choice never waits behind one given up on that is still being decoded. This
// service alone starts, replaces and ends helpers. Where no helper can run at all (its program is
// missing, or the kernel cannot lock it down), requests are decoded in this process, on the
// service's own threads, which is said in the log; where one could run but cannot start now,
// requests are refused. Starting one is tried again after a pause that grows.
//
// Threads: submit(), hasten(), warmUp(), release() and sandboxProblem() may be called from any
// thread.
// Each helper belongs to one worker thread, the only one that talks to it; the queues, the
// workers' list and the fallback's state are guarded by m_mutex.
class DecodeService {
public:
    explicit DecodeService(DecodeServiceOptions options);
    ~DecodeService();
    DecodeService(const DecodeService &) = delete;
    DecodeService &operator=(const DecodeService &) = delete;

    // Decodes the sheet open as `sheet`, read from its start, as `request` asks.
    std::shared_ptr<DecodeTicket> submit(FileDescriptor sheet, const DecodeRequest &request,
                                         std::string path = {});

    // A sheet being decoded ahead was chosen: while its request still waits, the window's helpers
    // serve it, rather than it waiting behind one decoded ahead and given up on.
    void hasten(const DecodeTicket &ticket);
    // Starts the helper of `who` now, so that its first request does not wait for it.
    void warmUp(Requester who);
    // `who` wants nothing more for now: its waiting requests are dropped at once. Its helpers
    // end after idleEnd with nothing to do, so that opening the gallery again soon finds them.
    void release(Requester who);

    // Why sheets are decoded in this process rather than in a helper; empty while helpers run.
    QString sandboxProblem() const;
    // The running helpers of `who`.
    std::vector<pid_t> helpers(Requester who) const;

    // The longest pause before starting a helper is tried again.
    static constexpr std::chrono::seconds kLongestRetryPause{60};

private:
    struct Job {
        FileDescriptor sheet;
        DecodeRequest request;
        std::shared_ptr<DecodeTicket> ticket;
        std::uint64_t order = 0;
    };
    struct Lane;
    struct Worker {
        Lane *lane = nullptr;
        std::unique_ptr<HelperProcess> helper;
        bool warm = false;         // start the helper without waiting for a request
        bool endsWhenIdle = false; // its helper ends after idleEnd with nothing to do
        bool spare = false;        // serves only while every other worker of its lane is busy
        std::thread thread;
    };
    struct Lane {
        std::deque<Job> queue; // by priority, then in order of asking
        std::vector<std::unique_ptr<Worker>> workers;
        std::condition_variable wake;      // its regular workers wait on it
        std::condition_variable spareWake; // and its spare on this, so as never to take theirs
        std::size_t serving = 0;           // workers other than spares busy with a request
        std::size_t regulars = 0;
    };

    Lane &laneOf(Requester who);
    const Lane &laneOf(Requester who) const;
    void enqueue(Lane &lane, Job job); // with m_mutex held
    void work(Worker &worker);
    DecodeResult serve(Worker &worker, Job &job);
    bool mayTryHelper();
    void helperFailed(const HelperFailure &failure);
    void helperRuns();

    const DecodeServiceOptions m_options;
    mutable std::mutex m_mutex;
    Lane m_window, m_preload, m_viewer, m_background;
    bool m_stopping = false;
    std::uint64_t m_asked = 0;
    QString m_problem;           // why the last helper could not be had
    bool m_decodingHere = false; // no helper can run here: files are read in this process
    bool m_helperRan = false;    // a helper ran once, so one can: never read files here
    std::chrono::steady_clock::time_point m_nextTry{};
    std::chrono::seconds m_retryPause{0};
};

} // namespace sheets
