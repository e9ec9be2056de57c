#include "SheetFolderWatch.h"

#include "FolderEntries.h"

#include <QFile>

#include <chrono>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>

namespace sheets {

namespace {

// Long enough for a copy of many files to end, short enough to feel at once.
constexpr std::chrono::milliseconds kSettle{300};
// Folders and sheets watched at most: well within the desktop's inotify allowance.
constexpr std::size_t kMostWatched = 2048;

bool isFolder(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// `folder`, or the nearest folder above it that exists.
std::string nearestExisting(std::string folder)
{
    while (!folder.empty() && !isFolder(folder)) {
        const std::size_t slash = folder.find_last_of('/');
        folder = slash == 0                   ? std::string("/")
                 : slash == std::string::npos ? std::string(".")
                                              : folder.substr(0, slash);
    }
    return folder;
}

} // namespace

SheetFolderWatch::SheetFolderWatch(std::vector<std::string> folders, const SheetNames &names,
                                   QObject *parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_names(names)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettle);
    connect(&m_settle, &QTimer::timeout, this, &SheetFolderWatch::recheck);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    m_seen = look();
    watch();
}

SheetFolderWatch::Seen SheetFolderWatch::look()
{
    Seen seen;
    for (std::size_t i = 0; i < m_folders.size(); ++i) {
        const FileDescriptor folder(
            ::open(m_folders[i].c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        forEachEntry(folder, [&](const char *entry) {
            struct stat st {};
            // The link itself, not what it names: a link into a dead mount never holds the window.
            if (m_names.match(entry) &&
                ::fstatat(folder.get(), entry, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
                seen[{i, entry}] = {st.st_ino, st.st_size,
                                    st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
            return true;
        });
    }
    return seen;
}

// Each folder, and each sheet in it, since a folder's watch does not tell of a file written over
// in place. A path that now names another file or folder than the one watched (a folder renamed
// away and made again) is watched anew.
void SheetFolderWatch::watch()
{
    std::map<QString, ino_t> wanted;
    auto want = [&wanted](const std::string &path) {
        struct stat st {};
        if (wanted.size() < kMostWatched && ::stat(path.c_str(), &st) == 0)
            wanted.emplace(QFile::decodeName(path.c_str()), st.st_ino);
    };
    for (const std::string &folder : m_folders)
        want(nearestExisting(folder));
    for (const auto &[where, _] : m_seen)
        want(m_folders[where.first] + '/' + where.second);
    QStringList gone, added;
    for (const auto &[path, file] : m_watched) {
        const auto still = wanted.find(path);
        if (still == wanted.end() || still->second != file)
            gone << path;
    }
    for (const auto &[path, file] : wanted) {
        const auto before = m_watched.find(path);
        if (before == m_watched.end() || before->second != file)
            added << path;
    }
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    if (!added.isEmpty())
        m_watcher.addPaths(added);
    m_watched = std::move(wanted);
}

void SheetFolderWatch::recheck()
{
    Seen now = look();
    std::set<std::string> changed;
    for (const auto &[where, file] : now) {
        const auto before = m_seen.find(where);
        if (before == m_seen.end() || before->second != file)
            changed.insert(*m_names.match(where.second));
    }
    for (const auto &[where, _] : m_seen) {
        if (!now.contains(where))
            changed.insert(*m_names.match(where.second));
    }
    m_seen = std::move(now);
    watch(); // a folder made since
    if (changed.empty())
        return;
    QStringList sheets;
    for (const std::string &sheet : changed)
        sheets << QFile::decodeName(sheet.c_str());
    emit sheetsChanged(sheets);
}

} // namespace sheets
