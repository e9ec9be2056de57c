#include "DecodeService.h"

#include "SheetDecode.h"

#include <QtDebug>

#include <algorithm>
#include <utility>

#include <unistd.h>

namespace sheets {

namespace {

// A request given up on while a helper decodes it is let finish for this long, since ending the
// helper and starting another costs more than most sheets; past it, the helper is ended.
constexpr std::chrono::milliseconds kCancelGrace{50};

DecodeResult refusal(SheetError error, const QString &detail)
{
    DecodeResult result;
    result.error = error;
    result.detail = detail;
    result.transient = true; // every refusal here is about the moment, not the file
    return result;
}

} // namespace

DecodeService::DecodeService(DecodeServiceOptions options)
    : m_options(std::move(options))
{
    // Each lane's helpers; whether they stay while idle; and whether it has a spare, which
    // never stays.
    struct LaneSize {
        Lane *lane;
        int count;
        bool staying, spare;
    };
    const LaneSize lanes[] = {
        {&m_window, 1, true, true},
        {&m_preload, 1, false, false},
        {&m_viewer, 1, true, false},
        {&m_background, std::max(m_options.backgroundHelpers, 1), false, false}};
    const std::lock_guard lock(m_mutex);
    for (const auto &[lane, count, staying, spare] : lanes) {
        lane->regulars = std::size_t(count);
        for (int i = 0; i < count + int(spare); ++i) {
            auto worker = std::make_unique<Worker>();
            worker->lane = lane;
            worker->spare = i >= count;
            worker->endsWhenIdle = !staying || worker->spare;
            worker->helper = std::make_unique<HelperProcess>(m_options.helper);
            worker->thread = std::thread(&DecodeService::work, this, std::ref(*worker));
            lane->workers.push_back(std::move(worker));
        }
    }
}

DecodeService::~DecodeService()
{
    std::vector<std::shared_ptr<DecodeTicket>> dropped;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        for (Lane *lane : {&m_window, &m_preload, &m_viewer, &m_background}) {
            for (Job &job : lane->queue)
                dropped.push_back(job.ticket);
            lane->queue.clear();
            lane->wake.notify_all();
            lane->spareWake.notify_all();
        }
    }
    for (const auto &ticket : dropped)
        ticket->finish(refusal(SheetError::NotAPicture, QStringLiteral("the program ends")));
    for (Lane *lane : {&m_window, &m_preload, &m_viewer, &m_background}) {
        for (const auto &worker : lane->workers)
            worker->thread.join();
    }
}

const DecodeService::Lane &DecodeService::laneOf(Requester who) const
{
    switch (who) {
    case Requester::Window:
        return m_window;
    case Requester::Viewer:
        return m_viewer;
    case Requester::Preload:
        return m_preload;
    default:
        return m_background;
    }
}

DecodeService::Lane &DecodeService::laneOf(Requester who)
{
    return const_cast<Lane &>(std::as_const(*this).laneOf(who));
}

std::shared_ptr<DecodeTicket> DecodeService::submit(FileDescriptor sheet,
                                                    const DecodeRequest &request, std::string path)
{
    auto ticket = std::make_shared<DecodeTicket>(std::move(path));
    Lane &lane = laneOf(request.requester);
    {
        const std::lock_guard lock(m_mutex);
        if (!m_stopping) {
            enqueue(lane, Job{std::move(sheet), request, ticket, ++m_asked});
            return ticket;
        }
    }
    ticket->finish(refusal(SheetError::NotAPicture, QStringLiteral("the program ends")));
    return ticket;
}

void DecodeService::enqueue(Lane &lane, Job job)
{
    const int priority = priorityOf(job.request.requester);
    const auto later = std::find_if(lane.queue.begin(), lane.queue.end(), [&](const Job &j) {
        return priorityOf(j.request.requester) > priority;
    });
    lane.queue.insert(later, std::move(job));
    lane.wake.notify_one();
    if (lane.serving >= lane.regulars)
        lane.spareWake.notify_one();
}

void DecodeService::hasten(const DecodeTicket &ticket)
{
    const std::lock_guard lock(m_mutex);
    const auto job = std::find_if(m_preload.queue.begin(), m_preload.queue.end(),
                                  [&](const Job &j) { return j.ticket.get() == &ticket; });
    if (job == m_preload.queue.end())
        return; // being decoded, or done
    Job chosen = std::move(*job);
    m_preload.queue.erase(job);
    chosen.request.requester = Requester::Window;
    enqueue(m_window, std::move(chosen));
}

void DecodeService::warmUp(Requester who)
{
    const std::lock_guard lock(m_mutex);
    Lane &lane = laneOf(who);
    for (const auto &worker : lane.workers)
        worker->warm = !worker->spare;
    lane.wake.notify_all();
}

void DecodeService::release(Requester who)
{
    std::vector<std::shared_ptr<DecodeTicket>> dropped;
    {
        const std::lock_guard lock(m_mutex);
        Lane &lane = laneOf(who);
        const auto theirs =
            std::stable_partition(lane.queue.begin(), lane.queue.end(),
                                  [who](const Job &j) { return j.request.requester != who; });
        for (auto job = theirs; job != lane.queue.end(); ++job)
            dropped.push_back(job->ticket);
        lane.queue.erase(theirs, lane.queue.end());
    }
    for (const auto &ticket : dropped) {
        ticket->cancel();
        ticket->finish(refusal(SheetError::NotAPicture, QStringLiteral("no longer wanted")));
    }
}

QString DecodeService::sandboxProblem() const
{
    const std::lock_guard lock(m_mutex);
    return m_decodingHere ? m_problem : QString();
}

std::vector<pid_t> DecodeService::helpers(Requester who) const
{
    const std::lock_guard lock(m_mutex);
    std::vector<pid_t> pids;
    for (const auto &worker : laneOf(who).workers) {
        if (const pid_t pid = worker->helper->pid(); pid > 0)
            pids.push_back(pid);
    }
    return pids;
}

void DecodeService::work(Worker &worker)
{
    Lane &lane = *worker.lane;
    auto stopping = [this] {
        const std::lock_guard lock(m_mutex);
        return m_stopping;
    };
    for (;;) {
        std::optional<Job> job;
        bool start = false;
        bool idle = false;
        {
            std::unique_lock lock(m_mutex);
            const auto hasWork = [&] {
                return !lane.queue.empty() && (!worker.spare || lane.serving >= lane.regulars);
            };
            const auto ready = [&] { return m_stopping || hasWork() || worker.warm; };
            std::condition_variable &wake = worker.spare ? lane.spareWake : lane.wake;
            if (worker.endsWhenIdle && worker.helper->pid() > 0)
                idle = !wake.wait_for(lock, m_options.idleEnd, ready);
            else
                wake.wait(lock, ready);
            if (m_stopping)
                break;
            if (hasWork()) {
                job.emplace(std::move(lane.queue.front()));
                lane.queue.pop_front();
                if (!worker.spare && ++lane.serving >= lane.regulars && !lane.queue.empty())
                    lane.spareWake.notify_one();
            } else if (worker.warm) {
                worker.warm = false;
                start = true;
            }
        }
        if (idle) // nothing asked of it for a while: its memory goes back
            worker.helper->end();
        if (!job && !start)
            continue;
        if (start) {
            HelperFailure failure;
            if (mayTryHelper()) {
                if (worker.helper->start(stopping, &failure))
                    helperRuns();
                else if (!failure.why.isEmpty())
                    helperFailed(failure);
            }
            continue;
        }
        // A request given up on before its turn is answered as such, for anyone still waiting.
        DecodeResult result =
            job->ticket->isCancelled()
                ? refusal(SheetError::NotAPicture, QStringLiteral("no longer wanted"))
                : serve(worker, *job);
        if (!worker.spare) { // free before the asker hears, so that its next request is ours
            const std::lock_guard lock(m_mutex);
            --lane.serving;
        }
        job->ticket->finish(std::move(result));
    }
    worker.helper->end();
}

DecodeResult DecodeService::serve(Worker &worker, Job &job)
{
    const auto started = std::chrono::steady_clock::now();
    const auto interrupted = [&] {
        {
            const std::lock_guard lock(m_mutex);
            if (m_stopping)
                return true;
        }
        return job.ticket->isCancelled() &&
               std::chrono::steady_clock::now() - started > kCancelGrace;
    };
    if (mayTryHelper()) {
        HelperFailure failure;
        if (std::optional<DecodeResult> result =
                worker.helper->ask(job.sheet.get(), job.request, interrupted, &failure)) {
            helperRuns();
            return std::move(*result);
        }
        if (failure.why.isEmpty()) // given up on
            return refusal(SheetError::NotAPicture, QStringLiteral("no longer wanted"));
        helperFailed(failure);
    }
    // The stated fallback: where no helper can run at all, this process reads the file itself.
    // Where helpers ran, or could run but cannot start now, the file is refused until one
    // starts: a helper that used up what the kernel gives must never take a sheet out of the
    // sandbox.
    {
        const std::lock_guard lock(m_mutex);
        if (!m_decodingHere)
            return refusal(SheetError::TooLarge,
                           QStringLiteral("no decoding helper could start: %1").arg(m_problem));
    }
    SheetFile file{FileDescriptor(::dup(job.sheet.get()))};
    return decodeSheet(file, job.request);
}

bool DecodeService::mayTryHelper()
{
    const std::lock_guard lock(m_mutex);
    return std::chrono::steady_clock::now() >= m_nextTry;
}

void DecodeService::helperFailed(const HelperFailure &failure)
{
    const std::lock_guard lock(m_mutex);
    m_retryPause = std::clamp(m_retryPause * 2, std::chrono::seconds(1), kLongestRetryPause);
    m_nextTry = std::chrono::steady_clock::now() + m_retryPause;
    m_problem = failure.why;
    m_decodingHere = failure.cannotRunHere && !m_helperRan;
    if (m_decodingHere)
        qWarning("tesselbox: decoding sheets in the window's own process, without the sandbox, "
                 "for now: %s; trying the helper again in %lld s",
                 qPrintable(failure.why), static_cast<long long>(m_retryPause.count()));
    else
        qWarning("tesselbox: no decoding helper could start (%s); sheets are refused until one "
                 "does, tried again in %lld s",
                 qPrintable(failure.why), static_cast<long long>(m_retryPause.count()));
}

void DecodeService::helperRuns()
{
    const std::lock_guard lock(m_mutex);
    m_helperRan = true;
    if (m_problem.isEmpty())
        return;
    m_problem.clear();
    m_decodingHere = false;
    m_retryPause = {};
    qWarning("tesselbox: the decoding helper runs again: sheets are decoded in its sandbox");
}

} // namespace sheets
