// Thousands of choices over the whole catalogue while another process keeps replacing,
// truncating and removing the sheet files. PROPSCOPE_SOAK_CHOICES sets how many (default 2000;
// the full run is 10000).
#include "SheetFiles.h"

#include "Catalogue.h"
#include "Form1.h"
#include "PictureBox.h"
#include "Selection.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

using namespace shell;
using sheets::SheetLoader;
using sheets::SheetLocator;

namespace {

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

QByteArray encodedSheet(QColor colour, const char *format)
{
    QImage image(240, 180, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n <= 0)
            return;
        done += n;
    }
}

// The other process: changes sheet files at random until it is killed. Uses only system calls,
// as a child of a threaded parent must.
[[noreturn]] void churn(const std::vector<std::string> &paths,
                        const std::vector<QByteArray> &variants)
{
    unsigned state = 12345;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    const timespec pause{0, 200 * 1000};
    for (;;) {
        if (::getppid() == 1)
            ::_exit(0);
        const std::string &path = paths[next() % paths.size()];
        const QByteArray &bytes = variants[next() % variants.size()];
        switch (next() % 4) {
        case 0: { // replace whole, atomically
            const std::string temporary = path + ".new";
            const int fd =
                ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd >= 0) {
                writeAll(fd, bytes);
                ::close(fd);
                ::rename(temporary.c_str(), path.c_str());
            }
            break;
        }
        case 1: { // rewrite in place, so a reader may see it half written
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd >= 0) {
                writeAll(fd, bytes);
                ::close(fd);
            }
            break;
        }
        case 2:
            ::truncate(path.c_str(), off_t(next() % 300));
            break;
        default:
            ::unlink(path.c_str());
            break;
        }
        ::nanosleep(&pause, nullptr);
    }
}

} // namespace

TEST(Soak, ChoicesWhileSheetsChangeUnderfoot)
{
    const int choices = qEnvironmentVariableIsSet("PROPSCOPE_SOAK_CHOICES")
                            ? qEnvironmentVariableIntValue("PROPSCOPE_SOAK_CHOICES")
                            : 2000;
    const int warmUp = std::min(500, choices / 4);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const std::vector<QByteArray> variants = {
        encodedSheet(Qt::red, "png"), encodedSheet(Qt::green, "jpeg"),
        encodedSheet(Qt::blue, "bmp"), QByteArray("not a picture at all"), QByteArray()};
    std::vector<std::string> paths;
    std::vector<std::pair<int, int>> entries;
    for (const catalogue::Category &c : catalogue::kCategories) {
        for (const catalogue::Entry &e : c.entries) {
            entries.emplace_back(c.number, e.index);
            const QString path = dir.filePath(QString::fromLatin1(e.sheet.data(), e.sheet.size()));
            if (!QFile::exists(path)) {
                testing_support::writeBytes(path, variants[paths.size() % 2]);
                paths.push_back(path.toStdString());
            }
        }
    }
    ASSERT_EQ(paths.size(), 119u);

    // Only the count and the last prompt are kept: the test's own memory must not grow.
    std::size_t promptCount = 0;
    QString lastPrompt;
    Form1 form(SheetLoader(SheetLocator(testing_support::folderList({dir.path()}))));
    form.setMessagePresenter([&](QWidget *, const QString &prompt, const QString &) {
        ++promptCount;
        lastPrompt = prompt;
    });
    form.Form_Load();

    const pid_t churner = ::fork();
    ASSERT_GE(churner, 0);
    if (churner == 0)
        churn(paths, variants);

    const QString missing = QString::fromLatin1(preview::kMissingFileMessage.data());
    const QString unreadable = QString::fromLatin1(preview::kUnreadablePictureMessage.data());
    int shown = 0, reported = 0, wrong = 0;
    long residentAfterWarmUp = 0;
    for (int i = 0; i < choices; ++i) {
        const auto [category, index] = entries[std::size_t(i * 37) % entries.size()];
        const std::size_t before = promptCount;
        const qint64 key = form.image()->picture().cacheKey();
        form.chooseEntry(category, index);

        const bool newPicture =
            form.image()->picture().cacheKey() != key &&
            form.image()->sheetName().toStdString() == catalogue::sheetFor(category, index).value();
        const std::size_t messages = promptCount - before;
        if (newPicture && messages == 0)
            ++shown;
        else if (!newPicture && messages == 1 &&
                 (lastPrompt == missing || lastPrompt == unreadable))
            ++reported;
        else
            ++wrong;
        if (i + 1 == warmUp)
            residentAfterWarmUp = residentBytes();
    }
    const long growth = residentBytes() - residentAfterWarmUp;

    ::kill(churner, SIGKILL);
    ::waitpid(churner, nullptr, 0);

    std::printf("  %d choices: %d shown, %d reported; resident memory grew %ld KiB after %d\n",
                choices, shown, reported, growth / 1024, warmUp);
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(shown, 0);
    EXPECT_GT(reported, 0);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back on purpose; measure only without it.
    EXPECT_LT(growth, 2L * 1024 * 1024);
#endif
}
