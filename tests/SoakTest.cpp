// Thousands of loads over every sheet of the catalogue while another process keeps replacing,
// truncating and removing the files. PROPSCOPE_SOAK_LOADS sets how many (default 2000).
#include "SheetFiles.h"

#include "Catalogue.h"
#include "SheetLoader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/statm");
    long size = 0, resident = 0;
    status >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// The other process: only system calls, as a child of a threaded parent must.
[[noreturn]] void churn(const std::vector<std::string> &paths, const std::vector<QByteArray> &kinds)
{
    unsigned state = 12345;
    auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 8; };
    const timespec pause{0, 200 * 1000};
    for (;;) {
        const std::string &path = paths[next() % paths.size()];
        const QByteArray &bytes = kinds[next() % kinds.size()];
        switch (next() % 3) {
        case 0: { // rewritten in place, so a reader may see it half written
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd >= 0 && ::write(fd, bytes.constData(), std::size_t(bytes.size())) >= 0)
                ::close(fd);
            break;
        }
        case 1:
            (void)::truncate(path.c_str(), off_t(next() % 300));
            break;
        default:
            ::unlink(path.c_str());
        }
        ::nanosleep(&pause, nullptr);
    }
}

} // namespace

TEST(Soak, LoadsWhileSheetsChangeUnderfoot)
{
    const int loads = qEnvironmentVariableIntValue("PROPSCOPE_SOAK_LOADS") > 0
                          ? qEnvironmentVariableIntValue("PROPSCOPE_SOAK_LOADS")
                          : 2000;
    QTemporaryDir dir;
    const std::vector<QByteArray> kinds = {testing_support::encoded(Qt::red, "png", {240, 180}),
                                           testing_support::encoded(Qt::green, "jpeg", {240, 180}),
                                           "not a picture"};
    std::vector<std::string> names, paths;
    for (const catalogue::Category &c : catalogue::kCategories)
        for (const catalogue::Entry &e : c.entries) {
            names.emplace_back(e.sheet);
            paths.push_back(dir.filePath(QString::fromStdString(names.back())).toStdString());
        }

    const pid_t churner = ::fork();
    ASSERT_GE(churner, 0);
    if (churner == 0)
        churn(paths, kinds);

    const sheets::SheetLoader loader(sheets::SheetLocator({dir.path().toStdString()}));
    int shown = 0, refused = 0, wrong = 0;
    long warm = 0;
    for (int i = 0; i < loads; ++i) {
        const sheets::DecodedSheet s =
            loader.load(names[std::size_t(i * 37) % names.size()], {393, 305});
        if (s.error == sheets::SheetError::None)
            (s.image.size() == QSize(393, 305) ? shown : wrong) += 1;
        else
            (s.image.isNull() ? refused : wrong) += 1;
        if (i == loads / 4)
            warm = residentKiB();
    }
    const long growth = residentKiB() - warm;
    ::kill(churner, SIGKILL);
    ::waitpid(churner, nullptr, 0);

    std::printf("  %d loads: %d shown, %d refused; memory grew %ld KiB\n", loads, shown, refused,
                growth);
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(shown, 0);
    EXPECT_GT(refused, 0);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(growth, 2048); // AddressSanitizer holds freed memory back on purpose
#endif
}
