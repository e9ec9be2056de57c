#include "SheetStore.h"

#include "SheetFolders.h"
#include "SheetLimits.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheets {

namespace {

constexpr std::size_t kCopyChunk = 4 * 1024 * 1024;
constexpr mode_t kSheetMode = 0644;

QString qName(std::string_view name)
{
    return QFile::decodeName(QByteArray(name.data(), qsizetype(name.size())));
}

// Why writing `name` failed, in the user's words.
QString writeProblem(std::string_view name, int error)
{
    QString why;
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        why = QCoreApplication::translate("sheets::SheetStore", "not enough room on the disk");
        break;
    case EROFS:
        why = QCoreApplication::translate("sheets::SheetStore", "the sheet folder is read-only");
        break;
    case EACCES:
    case EPERM:
        why = QCoreApplication::translate("sheets::SheetStore",
                                          "no permission to write in the sheet folder");
        break;
    default:
        why = qt_error_string(error);
    }
    return QCoreApplication::translate("sheets::SheetStore", "%1 could not be written: %2")
        .arg(qName(name), why);
}

// Copies by reading and writing, where the kernel cannot copy between the two files itself.
ssize_t copyByHand(int from, off_t *offset, int to)
{
    std::vector<char> buffer(1024 * 1024);
    const ssize_t n = ::pread(from, buffer.data(), buffer.size(), *offset);
    if (n <= 0)
        return n;
    for (ssize_t written = 0; written < n;) {
        const ssize_t w = ::write(to, buffer.data() + written, std::size_t(n - written));
        if (w < 0)
            return -1;
        written += w;
    }
    *offset += n;
    return n;
}

bool sameBytes(int a, int b, off_t size)
{
    std::vector<char> x(256 * 1024), y(256 * 1024);
    for (off_t at = 0; at < size;) {
        const ssize_t n = ::pread(a, x.data(), x.size(), at);
        if (n <= 0 || ::pread(b, y.data(), std::size_t(n), at) != n ||
            std::memcmp(x.data(), y.data(), std::size_t(n)) != 0)
            return false;
        at += n;
    }
    return true;
}

} // namespace

SheetStore::SheetStore(std::string folder)
    : m_folder(std::move(folder))
{}

SheetStore::Pending::Pending(Pending &&other) noexcept
    : m_file(std::move(other.m_file))
    , m_folder(other.m_folder)
    , m_written(std::exchange(other.m_written, {}))
    , m_name(std::move(other.m_name))
{}

SheetStore::Pending &SheetStore::Pending::operator=(Pending &&other) noexcept
{
    if (this != &other) {
        discard();
        m_file = std::move(other.m_file);
        m_folder = other.m_folder;
        m_written = std::exchange(other.m_written, {});
        m_name = std::move(other.m_name);
    }
    return *this;
}

SheetStore::Pending::~Pending()
{
    discard();
}

void SheetStore::Pending::discard()
{
    if (!m_written.empty())
        ::unlinkat(m_folder, std::exchange(m_written, {}).c_str(), 0);
}

FileDescriptor SheetStore::open(QString *error) const
{
    const QString folder = QFile::decodeName(m_folder.c_str());
    if (!makeFolders(m_folder)) {
        *error = QCoreApplication::translate("sheets::SheetStore",
                                             "The sheet folder %1 could not be made: %2")
                     .arg(folder, qt_error_string(errno));
        return {};
    }
    FileDescriptor opened(::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.isOpen())
        *error = QCoreApplication::translate("sheets::SheetStore",
                                             "The sheet folder %1 cannot be opened: %2")
                     .arg(folder, qt_error_string(errno));
    return opened;
}

SheetStore::Existing SheetStore::compare(std::string_view name, int source) const
{
    const std::string path = m_folder + '/' + std::string(name);
    struct stat there {
    }, here{};
    if (::lstat(path.c_str(), &there) != 0)
        // Nothing there when the folder is missing or is a file; one that cannot be looked at
        // may hold a sheet, and is not written over without a yes.
        return errno == ENOENT || errno == ENOTDIR ? Existing::None : Existing::Different;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen() || ::fstat(file.get(), &there) != 0 || !S_ISREG(there.st_mode) ||
        ::fstat(source, &here) != 0 || there.st_size != here.st_size)
        return Existing::Different;
    return sameBytes(source, file.get(), here.st_size) ? Existing::Same : Existing::Different;
}

SheetStore::Pending SheetStore::write(const FileDescriptor &folder, std::string_view name,
                                      int source, QString *error,
                                      const std::atomic_bool *cancelled) const
{
    Pending pending;
    pending.m_folder = folder.get();
    pending.m_name = name;
    // Hidden, and never a sheet's name in any case.
    for (unsigned attempt = 0; !pending.isValid() && attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", QRandomGenerator::global()->generate());
        const std::string written = '.' + pending.m_name + suffix;
        pending.m_file.reset(::openat(folder.get(), written.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kSheetMode));
        if (pending.isValid())
            pending.m_written = written;
        else if (errno != EEXIST)
            break;
    }
    if (!pending.isValid()) {
        *error = writeProblem(name, errno);
        return {};
    }
    off_t offset = 0;
    for (ssize_t n = 1; n != 0;) {
        if (cancelled != nullptr && *cancelled)
            return {};
        n = ::copy_file_range(source, &offset, pending.fd(), nullptr, kCopyChunk, 0);
        if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP))
            n = copyByHand(source, &offset, pending.fd());
        if (n < 0) {
            *error = writeProblem(name, errno);
            return {};
        }
        // A file that grew past any sheet since it was looked at fills no disk.
        if (offset > kMaxSheetBytes) {
            *error = QCoreApplication::translate("sheets::SheetStore",
                                                 "%1 grew larger than a sheet may be")
                         .arg(qName(name));
            return {};
        }
    }
    // The disk starts on this sheet while the next is copied, so that flushing them all later
    // waits for little.
    ::sync_file_range(pending.fd(), 0, 0, SYNC_FILE_RANGE_WRITE);
    return pending;
}

bool SheetStore::flush(const Pending &pending, QString *error) const
{
    if (::fsync(pending.fd()) == 0)
        return true;
    *error = writeProblem(pending.m_name, errno);
    return false;
}

bool SheetStore::flushAll(const Pending &any, QString *error) const
{
    if (::syncfs(any.fd()) == 0)
        return true;
    *error = writeProblem(any.m_name, errno);
    return false;
}

bool SheetStore::install(Pending pending, bool replace, QString *error, bool *replaced) const
{
    const int folder = pending.m_folder;
    const std::string &written = pending.m_written;
    const std::string &name = pending.m_name;
    bool installed =
        ::renameat2(folder, written.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0;
    // A sheet already there goes to replaced/ first. (A file system that cannot refuse to
    // replace says EINVAL: it is asked whether there is one.)
    if (!installed && (errno == EEXIST || errno == EINVAL)) {
        struct stat st {};
        const bool there = ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (there && !replace) {
            *error = QCoreApplication::translate("sheets::SheetStore",
                                                 "%1 is already in the sheet folder")
                         .arg(qName(name));
            return false;
        }
        if (there && !keepReplaced(folder, name, error))
            return false;
        installed = ::renameat(folder, written.c_str(), folder, name.c_str()) == 0;
        if (installed && replaced != nullptr)
            *replaced = there;
    }
    if (!installed) {
        *error = writeProblem(name, errno);
        return false;
    }
    pending.m_written.clear(); // in place now: not to be removed
    return true;
}

// Links the sheet now called `name` into replaced/, so that it is never missing: the new sheet
// then takes its name in one step.
bool SheetStore::keepReplaced(int folder, const std::string &name, QString *error) const
{
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) {
        *error =
            QCoreApplication::translate("sheets::SheetStore",
                                        "%1 in the sheet folder is not a file; it was left alone")
                .arg(qName(name));
        return false;
    }
    const std::string kept(kReplacedFolder);
    if (::mkdirat(folder, kept.c_str(), 0777) != 0 && errno != EEXIST) {
        *error = writeProblem(name, errno);
        return false;
    }
    const FileDescriptor replacedFolder(
        ::openat(folder, kept.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const std::size_t dot = name.rfind('.');
    const std::string stem = name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")).toStdString();
    for (int n = 1; replacedFolder.isOpen() && n < 1000; ++n) {
        const std::string copy =
            stem + '-' + stamp + (n > 1 ? '-' + std::to_string(n) : "") + extension;
        int done = ::linkat(folder, name.c_str(), replacedFolder.get(), copy.c_str(), 0);
        if (done != 0 && errno != EEXIST) // a file system without hard links
            done = ::renameat2(folder, name.c_str(), replacedFolder.get(), copy.c_str(),
                               RENAME_NOREPLACE);
        if (done == 0) {
            ::fsync(replacedFolder.get());
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    *error = writeProblem(name, errno);
    return false;
}

void SheetStore::flushFolder(const FileDescriptor &folder)
{
    ::fsync(folder.get());
}

} // namespace sheets
