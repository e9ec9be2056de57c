#include "HelperProcess.h"

#include "DecoderWire.h"
#include "SheetLimits.h"

#include <QImageReader>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>

namespace sheets {

namespace {

// A helper that has just started loads Qt and every image reader before it is ready.
constexpr std::chrono::milliseconds kStartGuard{15000};
// How often a waiting worker looks at the helper's processor clock and at whether to stop.
constexpr std::chrono::milliseconds kTick{20};

// What Qt needs to find its plugins, fonts and language in the helper; nothing else of the
// window's environment reaches it.
constexpr std::array kPassedEnvironment{
    "HOME",
    "LANG",
    "LANGUAGE",
    "LC_ALL",
    "LC_CTYPE",
    "XDG_CACHE_HOME",
    "XDG_CONFIG_HOME",
    "XDG_DATA_DIRS",
    "XDG_DATA_HOME",
    "FONTCONFIG_FILE",
    "FONTCONFIG_PATH",
    "QT_PLUGIN_PATH",
    "LD_LIBRARY_PATH",
    "ASAN_OPTIONS",
    "LSAN_OPTIONS",
    "UBSAN_OPTIONS",
    "TSAN_OPTIONS",
};

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isPixelFormat(int format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

DecodeResult refusal(SheetError error, const QString &detail, bool transient = false)
{
    DecodeResult result;
    result.error = error;
    result.detail = detail;
    result.transient = transient;
    return result;
}

std::vector<std::string> helperEnvironment()
{
    std::vector<std::string> kept;
    for (const char *name : kPassedEnvironment) {
        if (const char *value = std::getenv(name))
            kept.push_back(std::string(name) + '=' + value);
    }
    return kept;
}

} // namespace

// The window's buffer for a helper's pixels: a memfd with room for the largest picture the
// limits allow, sealed so that it never shrinks under the window's view of it, which is mapped
// once. Pages are taken only as pictures need them.
class HelperProcess::PixelBuffer {
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

    // A copy of the picture at the buffer's start; null when it cannot be had. The size was
    // checked against the request before.
    QImage take(QSize size, QImage::Format format)
    {
        const qint64 bytes = qint64(size.width()) * size.height() * kBytesPerPixel;
        if (m_view == nullptr || bytes <= 0 || bytes > kAllocationLimitBytes)
            return {};
        QImage image(size, format);
        if (image.isNull() || image.sizeInBytes() != bytes)
            return {};
        std::memcpy(image.bits(), m_view, size_t(bytes));
        return image;
    }

    // Gives the buffer's pages back, but for the first `kept` bytes: a small picture's pages
    // serve the next, and whatever a helper wrote anywhere else is not held for it.
    void release(qint64 kept = 0)
    {
        kept = kept <= kKeptBytes ? kept : 0;
        ::fallocate(m_file.get(), FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, kept,
                    kAllocationLimitBytes - kept);
    }

private:
    static constexpr qint64 kKeptBytes = 2 * 1024 * 1024; // a choice on a dense screen
    FileDescriptor m_file;
    const uchar *m_view = nullptr;
};

HelperProcess::HelperProcess(HelperLimits limits)
    : m_limits(std::move(limits))
{}

HelperProcess::~HelperProcess()
{
    end();
}

void HelperProcess::end()
{
    reap();
}

// A copy of `fd` numbered above the helper's own descriptors, so that placing those never
// overwrites it.
FileDescriptor above(int fd)
{
    return FileDescriptor(::fcntl(fd, F_DUPFD_CLOEXEC, kHelperPixels + 1));
}

bool HelperProcess::spawn(HelperFailure *failure)
{
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0) {
        failure->why = errnoText(errno);
        return false;
    }
    FileDescriptor ours(pair[0]);
    const FileDescriptor socket = above(FileDescriptor(pair[1]).get());
    // The buffer opened anew for each helper: flags a helper sets on its descriptor reach no
    // helper after it.
    if (!m_pixels) // made by the first helper, on its worker's thread, not while the window starts
        m_pixels = std::make_unique<PixelBuffer>();
    const QByteArray buffer = "/proc/self/fd/" + QByteArray::number(m_pixels->descriptor());
    const FileDescriptor pixels =
        above(FileDescriptor(::open(buffer.constData(), O_RDWR | O_CLOEXEC)).get());
    if (m_pixels->descriptor() < 0 || !pixels.isOpen() || !socket.isOpen()) {
        failure->why = QStringLiteral("no shared memory for the pictures");
        return false;
    }
    // Standard input, output and error lead nowhere; the socket and the buffer are 3 and 4, and
    // every other descriptor is closed, whatever the window inherited. In a session of its own
    // the helper has no terminal, and no signal meant for the window's reaches it.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, socket.get(), kHelperSocket);
    posix_spawn_file_actions_adddup2(&actions, pixels.get(), kHelperPixels);
    posix_spawn_file_actions_addclosefrom_np(&actions, kHelperPixels + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    const std::string memory = std::to_string(m_limits.memoryMiB);
    char *argv[] = {const_cast<char *>(m_limits.program.c_str()),
                    const_cast<char *>("--memory-mib"), const_cast<char *>(memory.c_str()),
                    nullptr};
    std::vector<std::string> environment = helperEnvironment();
    std::vector<char *> envp;
    for (std::string &variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int failed =
        ::posix_spawn(&pid, m_limits.program.c_str(), &actions, &attributes, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
        failure->why = QStringLiteral("%1: %2").arg(
            QString::fromLocal8Bit(m_limits.program.c_str()), errnoText(failed));
        // Only a program that is not there to run means it cannot run here; running out of
        // processes or memory is for now.
        failure->cannotRunHere =
            failed == ENOENT || failed == EACCES || failed == ENOEXEC || failed == ENOTDIR;
        return false;
    }
    m_pid = pid;
    m_socket = std::move(ours);
    m_greeted = false;
    return true;
}

bool HelperProcess::start(const std::function<bool()> &interrupted, HelperFailure *failure)
{
    if (m_greeted)
        return true;
    if (m_pid <= 0 && !spawn(failure))
        return false;
    const auto deadline = std::chrono::steady_clock::now() + kStartGuard;
    while (std::chrono::steady_clock::now() < deadline) {
        if (interrupted()) {
            reap();
            *failure = {};
            return false;
        }
        pollfd watch{m_socket.get(), POLLIN, 0};
        const int ready = ::poll(&watch, 1, int(kTick.count()));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        WireHello hello;
        if (!receiveMessage(m_socket.get(), &hello, sizeof hello))
            break;
        if (hello.sandboxed == 0) {
            const QString reason = takeText(hello.reason, hello.reasonBytes, sizeof hello.reason);
            failure->why =
                QStringLiteral("the decoding helper cannot lock itself down here: %1").arg(reason);
            failure->cannotRunHere = true;
            reap();
            return false;
        }
        m_greeted = true;
        return true;
    }
    failure->why = QStringLiteral("the decoding helper did not start");
    reap();
    return false;
}

// Ends the helper, if it has not ended by itself, and returns how it ended.
int HelperProcess::reap()
{
    int status = 0;
    if (const pid_t pid = m_pid.exchange(-1); pid > 0) {
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    m_socket.reset();
    m_greeted = false;
    if (m_pixels)
        m_pixels->release();
    return status;
}

std::optional<std::chrono::nanoseconds> HelperProcess::processorTime() const
{
    clockid_t clock;
    timespec spent{};
    if (::clock_getcpuclockid(m_pid, &clock) != 0 || ::clock_gettime(clock, &spent) != 0)
        return std::nullopt;
    return std::chrono::seconds(spent.tv_sec) + std::chrono::nanoseconds(spent.tv_nsec);
}

std::optional<DecodeResult> HelperProcess::ask(int sheet, const DecodeRequest &request,
                                               const std::function<bool()> &interrupted,
                                               HelperFailure *failure)
{
    // A helper that was gone before it saw the request, or that retired after its last answer
    // (its lifetime's processor time spent), says nothing about this sheet: it is replaced and
    // asked again, once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!start(interrupted, failure))
            return std::nullopt;
        const WireRequest wire = toWire(request, ++m_lastId);
        if (!sendMessage(m_socket.get(), &wire, sizeof wire, sheet)) {
            reap();
            continue;
        }
        const auto asked = std::chrono::steady_clock::now();
        const std::optional<std::chrono::nanoseconds> spentBefore = processorTime();
        int stale = 0;
        for (;;) {
            // Every bound is looked at on every pass, however busy the helper keeps the socket.
            if (interrupted()) {
                reap();
                *failure = {};
                return std::nullopt;
            }
            const std::optional<std::chrono::nanoseconds> spent = processorTime();
            if (spent && spentBefore && *spent - *spentBefore > m_limits.processorPerSheet) {
                reap();
                return refusal(SheetError::TooLarge, QStringLiteral("took too long to decode"));
            }
            if (std::chrono::steady_clock::now() - asked > kWallGuard) {
                reap();
                return refusal(SheetError::TooLarge, QStringLiteral("took too long"), true);
            }
            pollfd watch{m_socket.get(), POLLIN, 0};
            const int ready = ::poll(&watch, 1, int(kTick.count()));
            if (ready < 0 && errno != EINTR)
                return brokeProtocol(errnoText(errno));
            if (ready <= 0)
                continue;
            char peek;
            const ssize_t peeked = ::recv(m_socket.get(), &peek, 1, MSG_PEEK | MSG_DONTWAIT);
            if (peeked == 0 || (peeked < 0 && errno != EAGAIN && errno != EINTR)) {
                const int status = reap(); // it ended without a word
                if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && attempt == 0)
                    break;
                return helperEnded(status);
            }
            WireReply reply;
            if (!receiveMessage(m_socket.get(), &reply, sizeof reply))
                return brokeProtocol(QStringLiteral("a message that is no answer"));
            // One answer to a request given up on may be on its way still; more is no mistake.
            if (reply.id < wire.id && ++stale <= 1)
                continue;
            if (reply.id != wire.id)
                return brokeProtocol(QStringLiteral("an answer to a request not made"));
            return answer(reply, request);
        }
    }
    return refusal(SheetError::NotAPicture, QStringLiteral("the helper ended"), true);
}

DecodeResult HelperProcess::brokeProtocol(const QString &what)
{
    // A helper that says what it should not is not trusted again.
    qWarning("tesselbox: the decoding helper broke the protocol (%s), and was ended",
             qPrintable(what));
    reap();
    return refusal(SheetError::NotAPicture, QStringLiteral("the decoder's answer was damaged"));
}

DecodeResult HelperProcess::answer(const WireReply &reply, const DecodeRequest &request)
{
    if (reply.error < 0 || reply.error > int(SheetError::NotAFile) ||
        reply.error == int(SheetError::Missing))
        return brokeProtocol(QStringLiteral("a reason that does not exist"));
    DecodeResult result;
    result.error = SheetError(reply.error);
    result.detail = takeText(reply.detail, reply.detailBytes, sizeof reply.detail);
    // Only the formats this program's readers know: the name later picks a clipboard type.
    static const QList<QByteArray> kFormats = QImageReader::supportedImageFormats();
    const QByteArray format(reply.format, qsizetype(qstrnlen(reply.format, sizeof reply.format)));
    if (!format.isEmpty() && !kFormats.contains(format))
        return brokeProtocol(QStringLiteral("a format with a strange name"));
    result.format = format;
    if (reply.fullWidth > 0 && reply.fullHeight > 0)
        result.fullSize = QSize(reply.fullWidth, reply.fullHeight);
    // The keys of a file others can write, as the helper read them: believed only in shape.
    const QByteArray uri(reply.thumbUri, qsizetype(std::min<std::uint32_t>(reply.thumbUriBytes,
                                                                           sizeof reply.thumbUri)));
    if (reply.thumbUriBytes > sizeof reply.thumbUri || reply.thumbMTime < -1 ||
        reply.thumbSize < -1 ||
        (reply.thumbRefusal != 0 && reply.thumbRefusal != int(SheetError::NotAPicture) &&
         reply.thumbRefusal != int(SheetError::TooLarge)) ||
        std::any_of(uri.begin(), uri.end(), [](char c) { return c <= ' ' || c >= '\x7f'; }))
        return brokeProtocol(QStringLiteral("thumbnail keys that cannot be"));
    result.thumbnail = {uri, reply.thumbMTime, reply.thumbSize, reply.thumbRefusal};
    const QSize size(reply.width, reply.height);
    if (size.isNull()) {
        if (result.isShown() && request.wantsPixels())
            return brokeProtocol(QStringLiteral("no picture"));
        return result;
    }
    if (!result.isShown() || !request.admits(size) || !isPixelFormat(reply.pixelFormat))
        return brokeProtocol(QStringLiteral("a picture of %1 x %2 that was not asked for")
                                 .arg(reply.width)
                                 .arg(reply.height));
    result.image = m_pixels->take(size, QImage::Format(reply.pixelFormat));
    m_pixels->release(result.image.sizeInBytes());
    if (result.image.isNull())
        return refusal(SheetError::TooLarge, QStringLiteral("no memory for the picture"), true);
    return result;
}

DecodeResult helperEnded(int status)
{
    // The kernel's memory bound shows as an allocation that failed where nothing could refuse it.
    if ((WIFEXITED(status) && WEXITSTATUS(status) == kHelperOutOfMemoryStatus) ||
        (WIFSIGNALED(status) && (WTERMSIG(status) == SIGKILL || WTERMSIG(status) == SIGXCPU)))
        return refusal(SheetError::TooLarge, WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU
                                                 ? QStringLiteral("took too long to decode")
                                                 : QStringLiteral("needed too much memory"));
    return refusal(SheetError::NotAPicture,
                   WIFSIGNALED(status)
                       ? QStringLiteral("the decoder crashed (signal %1)").arg(WTERMSIG(status))
                       : QStringLiteral("the decoder failed"));
}

} // namespace sheets
