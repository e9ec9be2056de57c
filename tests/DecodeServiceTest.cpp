// The decode service and its helpers as the window meets them: what a helper may do once locked
// down, what it holds, how far its answers are believed, each bound on its own, a helper that
// cannot start, and many threads asking at once.
#include "SheetFiles.h"

#include "DecodeService.h"
#include "Sandbox.h"
#include "SheetLoader.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace sheets;
using namespace testing_support;

namespace {

const QSize kBox(393, 305);

DecodeServiceOptions optionsFor(std::string program)
{
    DecodeServiceOptions options;
    options.helper.program = std::move(program);
    options.backgroundHelpers = 2;
    return options;
}

// A sheet file written in a temporary folder and opened, as the window opens one.
struct OpenSheet {
    explicit OpenSheet(const QByteArray &bytes) { writeBytes(folder.filePath("s.qpk"), bytes); }
    FileDescriptor open() const
    {
        return FileDescriptor(::open(QFile::encodeName(folder.filePath("s.qpk")), O_RDONLY));
    }
    QTemporaryDir folder;
};

QColor centre(const DecodeResult &result)
{
    return result.image.isNull() ? QColor() : result.image.pixelColor(result.image.rect().center());
}

} // namespace

// Once locked down, nothing reaches out: no owner or signal for a descriptor, no file in memory,
// no executable memory; and a tighter inherited bound on processor time or memory still leaves a
// sandbox. In a child, since a lockdown is for good.
TEST(Lockdown, NothingReachesOutEvenUnderTighterLimits)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit cpu{300, 300}, memory{rlim_t(8) << 30, rlim_t(8) << 30};
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) // shadow memory: terabytes
        const bool boundMemory = false;
#else
        const bool boundMemory = true;
#endif
        if (::setrlimit(RLIMIT_CPU, &cpu) != 0 ||
            (boundMemory && ::setrlimit(RLIMIT_AS, &memory) != 0) ||
            !sheets::lockDown(qint64(kHelperMemoryMiB) << 20).isEmpty())
            ::_exit(1);
        int pipe[2];
        const bool piped = ::pipe2(pipe, O_CLOEXEC) == 0;
        void *code =
            ::mmap(nullptr, 4096, PROT_READ | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        void *data =
            ::mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        const bool failures[] = {
            !piped,
            ::fcntl(pipe[0], F_SETOWN, ::getppid()) != -1,
            ::fcntl(pipe[0], F_SETSIG, SIGKILL) != -1,
            ::fcntl(pipe[0], F_SETFL, O_ASYNC) != -1,
            ::fcntl(pipe[0], F_SETFL, O_APPEND) != -1,
            ::fcntl(pipe[0], F_SETFL, O_NONBLOCK) != 0, // what Qt's threads do
            ::memfd_create("more", 0) != -1,
            code != MAP_FAILED,
            data == MAP_FAILED || ::mprotect(data, 4096, PROT_READ | PROT_EXEC) != -1,
            ::open("/etc/passwd", O_RDONLY) != -1,
        };
        const auto passed = std::find(std::begin(failures), std::end(failures), true);
        ::_exit(passed == std::end(failures) ? 0 : int(passed - std::begin(failures)) + 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the lockdown failed; n: check n-2 went through";
}

// A helper holds its socket and the pixel buffer, standard streams that lead nowhere, and of the
// window's environment only what Qt needs.
TEST(DecodeService, HelperHoldsOnlyWhatItIsGiven)
{
    const int leaked = ::open("/dev/zero", O_RDONLY); // not close-on-exec, as a parent may pass
    qputenv("PROPSCOPE_SECRET", "1");
    DecodeService service(optionsFor(PROPSCOPE_DECODER));
    service.warmUp(Requester::Window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.helpers(Requester::Window).empty(); }));
    const OpenSheet sheet(encoded(Qt::red, "png"));
    EXPECT_EQ(centre(service.submit(sheet.open(), DecodeRequest::box(kBox))->wait()),
              QColor(Qt::red));
    const QString proc = QStringLiteral("/proc/%1/").arg(service.helpers(Requester::Window)[0]);
    QStringList held; // and the helper's own wake-up for Qt's events
    DIR *fds = ::opendir(QFile::encodeName(proc + "fd"));
    ASSERT_NE(fds, nullptr);
    while (const dirent *fd = ::readdir(fds)) {
        char target[256] = {};
        if (::readlinkat(::dirfd(fds), fd->d_name, target, sizeof target - 1) > 0)
            held << QString(fd->d_name) + ">" +
                        QString(target).section('[', 0, 0).section(' ', 0, 0);
    }
    ::closedir(fds);
    held.sort();
    EXPECT_EQ(held.join(' ').toStdString(),
              "0>/dev/null 1>/dev/null 2>/dev/null 3>socket: 4>/memfd:sheet 5>anon_inode:");
    QFile environ(proc + "environ");
    ASSERT_TRUE(environ.open(QIODevice::ReadOnly));
    const QByteArray environment = environ.readAll();
    EXPECT_FALSE(environment.contains("PROPSCOPE_SECRET"));
    EXPECT_FALSE(environment.contains("PATH="));
    ::close(leaked);
    qunsetenv("PROPSCOPE_SECRET");
}

// The window believes nothing in an answer it did not ask for, and one that never comes leaves
// it free: each stand-in helper is asked twice for the box, then for a thumbnail, which the
// gallery's helpers decode.
TEST(DecodeService, BelievesOnlyWhatItAskedFor)
{
    const QString damaged = "error 2: the decoder's answer was damaged";
    const QString crashed = "error 2: the decoder crashed (signal 6)";
    const std::tuple<const char *, QStringList> cases[] = {
        // the stand-in; what its answers came to
        {"stale", {"#ff0000", "#0000ff", "#ff0000"}},  // the old answers are dropped
        {"double", {"#ff0000", "#0000ff", "#ff0000"}}, // each second one is old by then
        {"flood", {damaged, damaged, damaged}},
        {"tall", {damaged, damaged, damaged}},
        {"crash", QStringList(3, crashed)},
        {"append", {crashed, "#0000ff", crashed}}, // its next helper is not affected
    };
    QTemporaryDir folder;
    for (const auto &[name, answers] : cases) {
        SCOPED_TRACE(name);
        const QString program = folder.filePath(name);
        ASSERT_TRUE(QFile::link(PROPSCOPE_STAND_IN, program));
        DecodeService service(optionsFor(program.toStdString()));
        const OpenSheet sheet(encoded(Qt::green, "png"));
        QStringList came;
        for (const DecodeRequest &request :
             {DecodeRequest::box(kBox), DecodeRequest::box(kBox), DecodeRequest::thumbnail(kBox)}) {
            const DecodeResult r = service.submit(sheet.open(), request)->wait();
            came << (r.isShown() ? centre(r).name()
                                 : QStringLiteral("error %1: %2").arg(int(r.error)).arg(r.detail));
        }
        EXPECT_EQ(came, answers);
        EXPECT_TRUE(service.sandboxProblem().isEmpty());
    }
    // One that never answers: the asker waits only as long as it chooses, a newer choice is
    // answered meanwhile by the window's spare helper, and giving up on it ends it.
    const QString program = folder.filePath("silent");
    ASSERT_TRUE(QFile::link(PROPSCOPE_STAND_IN, program));
    DecodeService service(optionsFor(program.toStdString()));
    const OpenSheet sheet(encoded(Qt::green, "png"));
    const auto ticket = service.submit(sheet.open(), DecodeRequest::box(QSize(1, 1)));
    EXPECT_FALSE(ticket->waitFor(std::chrono::milliseconds(200)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.helpers(Requester::Window).empty(); }));
    const pid_t silent = service.helpers(Requester::Window)[0];
    EXPECT_TRUE(
        service.submit(sheet.open(), DecodeRequest::box(kBox))->waitFor(std::chrono::seconds(2)));
    // Nor does a sheet decoded ahead and then chosen wait behind one decoded ahead.
    const auto ahead =
        service.submit(sheet.open(), DecodeRequest::box(QSize(1, 1), Requester::Preload));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.helpers(Requester::Preload).empty(); }));
    const auto chosen = service.submit(sheet.open(), DecodeRequest::box(kBox, Requester::Preload));
    service.hasten(*chosen);
    EXPECT_TRUE(chosen->waitFor(std::chrono::seconds(2)));
    ahead->cancel();
    ticket->cancel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::kill(silent, 0) != 0; }, 1000));
}

// Each bound refuses what passes the other: a picture that needs memory fast but little
// processor time, in a helper of little memory; one that needs time but little memory, given
// little processor time.
TEST(DecodeService, EachBoundHoldsOnItsOwn)
{
    const QString circle = "<circle cx='200' cy='200' r='190' fill='none' stroke='red' "
                           "stroke-width='30' stroke-dasharray='0.5 0.5'/>";
    const QString slow = "<svg xmlns='http://www.w3.org/2000/svg' width='400' height='400'>" +
                         circle.repeated(10) + "</svg>";
    // A GIF drawn on a logical screen of 5000 x 5000, which its reader allocates at once.
    QByteArray gif("GIF89a\x88\x13\x88\x13\x80\0\0\0\0\0\xFF\xFF\xFF,\0\0\0\0\x01\0\x01\0\0"
                   "\x02\x02\x44\x01\0;",
                   35);
    const std::tuple<const char *, QByteArray, int, int, SheetError> cases[] = {
    // what; the file; the helper's memory (MiB) and processor time (ms); the outcome
#if !defined(__SANITIZE_THREAD__) // its allocator ends a helper whose allocation fails
        {"memory, within", gif, kHelperMemoryMiB, 30000, SheetError::None},
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) // shadow memory: no bound
        {"memory, past", gif, 40, 30000, SheetError::TooLarge},
#endif
        {"time, within", slow.toUtf8(), kHelperMemoryMiB, 1000, SheetError::None},
        {"time, past", slow.toUtf8(), kHelperMemoryMiB, 50, SheetError::TooLarge},
    };
    for (const auto &[what, bytes, memoryMiB, milliseconds, outcome] : cases) {
        SCOPED_TRACE(what);
        DecodeServiceOptions options = optionsFor(PROPSCOPE_DECODER);
        options.helper.memoryMiB = memoryMiB;
        options.helper.processorPerSheet = std::chrono::milliseconds(milliseconds);
        DecodeService service(options);
        const OpenSheet sheet(bytes);
        const DecodeResult r = service.submit(sheet.open(), DecodeRequest::box(kBox))->wait();
        EXPECT_EQ(int(r.error), int(outcome)) << r.detail.toStdString();
    }
}

// Where the helper cannot run, sheets are decoded here, which the log and the service say;
// starting it is tried again after a pause, and once it runs, sheets go to it again.
TEST(DecodeService, TriesItsHelperAgainAfterAPause)
{
    QTemporaryDir folder;
    const QString program = folder.filePath("helper");
    DecodeService service(optionsFor(program.toStdString()));
    const OpenSheet sheet(encoded(Qt::green, "png"));
    EXPECT_EQ(centre(service.submit(sheet.open(), DecodeRequest::box(kBox))->wait()),
              QColor(Qt::green));
    EXPECT_TRUE(service.sandboxProblem().contains(program))
        << service.sandboxProblem().toStdString();
    ASSERT_TRUE(QFile::link(PROPSCOPE_DECODER, program));
    EXPECT_EQ(centre(service.submit(sheet.open(), DecodeRequest::box(kBox))->wait()),
              QColor(Qt::green));
    EXPECT_TRUE(service.helpers(Requester::Window).empty()); // still within the pause
    QTest::qWait(1100);
    EXPECT_EQ(centre(service.submit(sheet.open(), DecodeRequest::box(kBox))->wait()),
              QColor(Qt::green));
    EXPECT_EQ(service.helpers(Requester::Window).size(), 1u);
    EXPECT_TRUE(service.sandboxProblem().isEmpty());
    // Once a helper ran, one that cannot start leaves the file unread, whatever the cause: a
    // helper that used up the processes or memory it may have must not get files read here.
    ASSERT_TRUE(QFile::remove(program));
    const pid_t helper = service.helpers(Requester::Window)[0];
    ::kill(helper, SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { // ended, not yet reaped
        QFile stat(QStringLiteral("/proc/%1/stat").arg(helper));
        return stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z ");
    }));
    const DecodeResult refused = service.submit(sheet.open(), DecodeRequest::box(kBox))->wait();
    EXPECT_EQ(int(refused.error), int(SheetError::TooLarge)) << refused.detail.toStdString();
    EXPECT_TRUE(service.sandboxProblem().isEmpty());
}

// Threads ask, give up and let go at once, as the window, the viewer, the gallery and adding
// sheets do: every answer that is waited for comes, and is the picture asked for.
TEST(DecodeService, ManyAskAtOnce)
{
    DecodeService service(optionsFor(PROPSCOPE_DECODER));
    const OpenSheet sheet(encoded(Qt::green, "png"));
    std::vector<std::thread> askers;
    std::atomic_int wrong = 0;
    for (Requester who : {Requester::Window, Requester::Viewer, Requester::Gallery,
                          Requester::Import, Requester::Gallery, Requester::Preload}) {
        askers.emplace_back([&, who] {
            for (int i = 0; i < 20; ++i) {
                const QSize size(40 + 4 * i, 30 + 3 * i);
                auto ticket = service.submit(sheet.open(), DecodeRequest::box(size, who));
                if (i % 3 == 1) {
                    ticket->cancel();
                    continue;
                }
                if (i % 7 == 6)
                    service.release(who);
                const DecodeResult r = ticket->wait();
                wrong += r.isShown() ? r.image.size() != size : ticket->isCancelled() ? 0 : 1;
            }
        });
    }
    for (std::thread &asker : askers)
        asker.join();
    EXPECT_EQ(wrong, 0);
}
