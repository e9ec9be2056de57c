#pragma once

#include "SheetNames.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace sheets {

// Notices sheets added, replaced or removed in the searched folders by anyone: this program, a
// terminal, a file manager. Changes that come together are told once, a moment after the last.
// A folder that does not exist yet is watched for from the nearest folder above it. Lives on the
// window's thread.
class SheetFolderWatch : public QObject {
    Q_OBJECT
public:
    SheetFolderWatch(std::vector<std::string> folders, const SheetNames &names,
                     QObject *parent = nullptr);

    // Looks again at once, also for what a watch cannot tell: a watched folder renamed away and
    // made anew.
    void recheck();

signals:
    // The sheets, spelt as the catalogue spells them, whose file in any folder came, went or
    // changed.
    void sheetsChanged(const QStringList &sheets);

private:
    // A file as last seen: where, which file, how big, last written when.
    using Seen = std::map<std::pair<std::size_t, std::string>, std::tuple<ino_t, off_t, long long>>;

    Seen look();
    void watch();

    const std::vector<std::string> m_folders;
    const SheetNames m_names;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    Seen m_seen;
    std::map<QString, ino_t> m_watched; // each path watched, and the file it named then
};

} // namespace sheets
