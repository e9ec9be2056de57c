#include "DecoderPool.h"

#include "FileDescriptor.h"
#include "SheetLimits.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>

extern char **environ;

namespace sheets {

namespace {

// A helper that has just started loads Qt and every image reader before it answers.
constexpr std::chrono::milliseconds kStartGuard{15000};

// Waits for `socket` to have something to read, or to close; false when `guard` passed first.
bool waitReadable(int socket, std::chrono::milliseconds guard)
{
    const auto end = std::chrono::steady_clock::now() + guard;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd watch{socket, POLLIN, 0};
        const int ready = ::poll(&watch, 1, int(std::max<long long>(left.count(), 0)));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isPixelFormat(int format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// The window's buffer for a helper's pixels: a memfd with room for the largest picture the
// limits allow, sealed so that it never shrinks under the window's view of it, which is mapped
// once. Pages are taken only as pictures need them.
class PixelBuffer {
public:
    PixelBuffer()
        : m_file(::memfd_create("sheet pixels", MFD_CLOEXEC | MFD_ALLOW_SEALING))
    {
        if (!m_file.isOpen() || ::ftruncate(m_file.get(), kAllocationLimitBytes) != 0 ||
            ::fcntl(m_file.get(), F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL) != 0)
            return;
        void *view =
            ::mmap(nullptr, size_t(kAllocationLimitBytes), PROT_READ, MAP_SHARED, m_file.get(), 0);
        m_view = view != MAP_FAILED ? static_cast<const uchar *>(view) : nullptr;
    }
    ~PixelBuffer()
    {
        if (m_view != nullptr)
            ::munmap(const_cast<uchar *>(m_view), size_t(kAllocationLimitBytes));
    }
    PixelBuffer(const PixelBuffer &) = delete;
    PixelBuffer &operator=(const PixelBuffer &) = delete;

    int descriptor() const { return m_view != nullptr ? m_file.get() : -1; }

    // The picture a reply describes, copied out; null when the reply makes no sense.
    QImage take(const WireReply &reply)
    {
        const qint64 bytes = qint64(reply.width) * reply.height * 4;
        if (m_view == nullptr || reply.width <= 0 || reply.height <= 0 ||
            bytes > kAllocationLimitBytes || !isPixelFormat(reply.format))
            return {};
        QImage image(reply.width, reply.height, QImage::Format(reply.format));
        if (image.isNull())
            return {};
        std::memcpy(image.bits(), m_view, size_t(bytes));
        // A large picture's pages go back at once; a small one's are kept for the next.
        if (bytes > kKeptBytes)
            ::fallocate(m_file.get(), FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, 0, bytes);
        return image;
    }

private:
    static constexpr qint64 kKeptBytes = 2 * 1024 * 1024; // a choice on a dense screen
    FileDescriptor m_file;
    const uchar *m_view = nullptr;
};

} // namespace

// One helper process and the socket the window talks to it on. Used by one thread at a time.
class DecoderProcess {
public:
    DecoderProcess(const std::string &program, int memoryMiB)
        : m_program(program)
        , m_memoryMiB(std::to_string(memoryMiB))
    {}
    ~DecoderProcess() { end(); }

    // Starts the helper when none runs; false, with `why` said, when it cannot start.
    bool spawn(QString *why);
    // None, with `why` said, when no helper can run here.
    std::optional<HelperResult> ask(int sheet, const WireRequest &request, QString *why);
    // Wakes a thread waiting in ask(), which then ends the helper: callable from any thread.
    void interrupt() const
    {
        if (m_socket.isOpen())
            ::shutdown(m_socket.get(), SHUT_RDWR);
    }
    pid_t pid() const { return m_pid; }
    void end() { reap(); }

private:
    bool greet(QString *why);
    int reap();
    static HelperResult ended(int how);
    HelperResult answer(const WireReply &reply);

    const std::string m_program;
    const std::string m_memoryMiB;
    pid_t m_pid = -1;
    FileDescriptor m_socket;
    PixelBuffer m_pixels;
    bool m_greeted = false;
};

bool DecoderProcess::spawn(QString *why)
{
    if (m_pid > 0)
        return true;
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0) {
        *why = errnoText(errno);
        return false;
    }
    FileDescriptor ours(pair[0]);
    const FileDescriptor theirs(pair[1]);
    if (m_pixels.descriptor() < 0) {
        *why = QStringLiteral("no shared memory for the pictures");
        return false;
    }
    // The helper finds its socket as descriptor 3 and the buffer for its pixels as 4; everything
    // else of the window's is closed on exec, since the window opens every descriptor
    // close-on-exec.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, theirs.get(), 3);
    posix_spawn_file_actions_adddup2(&actions, m_pixels.descriptor(), 4);
    char *argv[] = {const_cast<char *>(m_program.c_str()), const_cast<char *>("--memory-mib"),
                    const_cast<char *>(m_memoryMiB.c_str()), nullptr};
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, m_program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        *why = QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(m_program.c_str()),
                                            errnoText(failed));
        return false;
    }
    m_pid = pid;
    m_socket = std::move(ours);
    m_greeted = false;
    return true;
}

bool DecoderProcess::greet(QString *why)
{
    WireHello hello;
    if (!waitReadable(m_socket.get(), kStartGuard) ||
        !receiveMessage(m_socket.get(), &hello, sizeof hello)) {
        *why = QStringLiteral("the decoding helper did not start");
        reap();
        return false;
    }
    if (hello.sandboxed == 0) {
        *why = QStringLiteral("the decoding helper cannot lock itself down on this system");
        reap();
        return false;
    }
    m_greeted = true;
    return true;
}

// Ends the helper, if it has not ended by itself, and returns how it ended.
int DecoderProcess::reap()
{
    int status = 0;
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    m_pid = -1;
    m_socket.reset();
    m_greeted = false;
    return status;
}

std::optional<HelperResult> DecoderProcess::ask(int sheet, const WireRequest &request, QString *why)
{
    // A helper that was gone before it saw the request, or that retired after its last answer
    // (its lifetime's processor time spent), says nothing about this sheet: it is replaced and
    // asked again, once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!spawn(why) || (!m_greeted && !greet(why)))
            return std::nullopt;
        if (!sendMessage(m_socket.get(), &request, sizeof request, sheet)) {
            reap();
            continue;
        }
        WireReply reply;
        const bool timedOut = !waitReadable(m_socket.get(), DecoderPool::kGuard);
        if (!timedOut && receiveMessage(m_socket.get(), &reply, sizeof reply))
            return answer(reply);
        const int how = reap();
        if (timedOut)
            return HelperResult{{}, SheetError::TooLarge, QStringLiteral("took too long"), {}};
        if (WIFEXITED(how) && WEXITSTATUS(how) == 0 && attempt == 0)
            continue;
        return ended(how);
    }
    return HelperResult{{}, SheetError::NotAPicture, QStringLiteral("the helper ended"), {}};
}

HelperResult DecoderProcess::ended(int how)
{
    // Its processor budget ends it with SIGXCPU (or SIGKILL, past the hard limit).
    if (WIFSIGNALED(how) && (WTERMSIG(how) == SIGXCPU || WTERMSIG(how) == SIGKILL))
        return {{}, SheetError::TooLarge, QStringLiteral("took too long to decode"), {}};
    if (WIFEXITED(how) && WEXITSTATUS(how) == kHelperOutOfMemoryStatus)
        return {{}, SheetError::TooLarge, QStringLiteral("needed too much memory"), {}};
    return {{},
            SheetError::NotAPicture,
            WIFSIGNALED(how) ? QStringLiteral("the decoder crashed (signal %1)").arg(WTERMSIG(how))
                             : QStringLiteral("the decoder failed"),
            {}};
}

HelperResult DecoderProcess::answer(const WireReply &reply)
{
    HelperResult result;
    result.error = SheetError(std::clamp(reply.error, 0, int(SheetError::NotAFile)));
    result.detail = QString::fromUtf8(
        reply.detail, qsizetype(std::min<std::size_t>(reply.detailBytes, sizeof reply.detail)));
    if (reply.fullWidth > 0 && reply.fullHeight > 0)
        result.fullSize = QSize(reply.fullWidth, reply.fullHeight);
    if (reply.width != 0 && result.error == SheetError::None) {
        result.image = m_pixels.take(reply);
        if (result.image.isNull()) {
            reap(); // a helper that answers nonsense is not trusted again
            return {{},
                    SheetError::NotAPicture,
                    QStringLiteral("the decoder's answer was damaged"),
                    result.fullSize};
        }
    }
    return result;
}

struct DecoderPool::Slot {
    Slot(DecoderLane lane, const std::string &program, int memoryMiB)
        : lane(lane)
        , process(program, memoryMiB)
    {}
    const DecoderLane lane;
    DecoderProcess process;
    bool busy = false;
};

DecoderPool::DecoderPool(const std::string &program, int galleryHelpers, int memoryMiB)
{
    m_slots.push_back(std::make_unique<Slot>(DecoderLane::Window, program, memoryMiB));
    m_slots.push_back(std::make_unique<Slot>(DecoderLane::Viewer, program, memoryMiB));
    for (int i = 0; i < std::max(galleryHelpers, 1); ++i)
        m_slots.push_back(std::make_unique<Slot>(DecoderLane::Gallery, program, memoryMiB));
}

DecoderPool::~DecoderPool() = default;

void DecoderPool::start()
{
    Slot *slot = checkOut(DecoderLane::Window);
    QString why;
    if (!slot->process.spawn(&why))
        sayUnavailable(why);
    checkIn(slot);
}

std::optional<HelperResult> DecoderPool::decode(DecoderLane lane, int sheet,
                                                const WireRequest &request)
{
    if (m_unavailable)
        return std::nullopt;
    Slot *slot = checkOut(lane);
    QString why;
    std::optional<HelperResult> result = slot->process.ask(sheet, request, &why);
    checkIn(slot);
    if (!result)
        sayUnavailable(why);
    return result;
}

void DecoderPool::stop(DecoderLane lane)
{
    std::lock_guard lock(m_mutex);
    for (const auto &slot : m_slots) {
        if (slot->lane != lane)
            continue;
        if (slot->busy)
            slot->process.interrupt();
        else
            slot->process.end();
    }
}

std::vector<pid_t> DecoderPool::helpers(DecoderLane lane) const
{
    std::lock_guard lock(m_mutex);
    std::vector<pid_t> pids;
    for (const auto &slot : m_slots)
        if (slot->lane == lane && slot->process.pid() > 0)
            pids.push_back(slot->process.pid());
    return pids;
}

DecoderPool::Slot *DecoderPool::checkOut(DecoderLane lane)
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        for (const auto &slot : m_slots) {
            if (slot->lane == lane && !slot->busy) {
                slot->busy = true;
                return slot.get();
            }
        }
        m_freed.wait(lock);
    }
}

void DecoderPool::checkIn(Slot *slot)
{
    {
        std::lock_guard lock(m_mutex);
        slot->busy = false;
    }
    m_freed.notify_all();
}

void DecoderPool::sayUnavailable(const QString &why)
{
    if (!m_unavailable.exchange(true))
        std::fprintf(stderr, "tesselbox: decoding sheets in the window's own process: %s\n",
                     qPrintable(why));
}

} // namespace sheets
