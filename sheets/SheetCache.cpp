#include "SheetCache.h"

#include <algorithm>
#include <array>
#include <ctime>

#include <sys/stat.h>
#include <sys/vfs.h>

namespace sheets {

namespace {

// File systems whose change times are kept to the nanosecond.
bool keepsFineTimes(int fd)
{
    constexpr std::array<__fsword_t, 7> kFine{
        0xEF53,     // ext2, ext3, ext4
        0x58465342, // xfs
        0x9123683E, // btrfs
        0x01021994, // tmpfs
        0xF2F52010, // f2fs
        0x2FC12FC1, // zfs
        0x794C7630, // overlayfs
    };
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 &&
           std::find(kFine.begin(), kFine.end(), fs.f_type) != kFine.end();
}

} // namespace

std::optional<FileIdentity> FileIdentity::of(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    constexpr std::int64_t kNs = 1000000000;
    FileIdentity file{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::int64_t(st.st_size),
                      std::int64_t(st.st_mtim.tv_sec) * kNs + st.st_mtim.tv_nsec,
                      std::int64_t(st.st_ctim.tv_sec) * kNs + st.st_ctim.tv_nsec};
    if (!keepsFineTimes(fd)) { // unchanged for longer than such a time's step
        struct timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        file.settled = std::int64_t(now.tv_sec) * kNs + now.tv_nsec - file.changedNs > 3 * kNs;
    }
    return file;
}

const DecodeResult *SheetCache::find(const FileIdentity &file, QSize size)
{
    const auto item = std::find_if(m_items.begin(), m_items.end(),
                                   [&](const Item &i) { return i.file == file && i.size == size; });
    if (item == m_items.end())
        return nullptr;
    m_items.splice(m_items.begin(), m_items, item);
    return &item->decoded;
}

void SheetCache::insert(const FileIdentity &file, QSize size, std::string_view sheet,
                        const DecodeResult &decoded)
{
    const std::int64_t bytes = decoded.image.sizeInBytes();
    if (!file.settled || !decoded.isShown() || decoded.image.isNull() || bytes > m_budget)
        return;
    if (find(file, size) != nullptr)
        drop(m_items.begin());
    m_items.push_front(Item{file, size, std::string(sheet), decoded, bytes});
    m_bytes += bytes;
    while (m_bytes > m_budget)
        drop(std::prev(m_items.end()));
}

void SheetCache::forget(std::string_view sheet)
{
    for (auto item = m_items.begin(); item != m_items.end();) {
        const auto next = std::next(item);
        if (item->sheet == sheet)
            drop(item);
        item = next;
    }
}

void SheetCache::clear()
{
    m_items.clear();
    m_bytes = 0;
}

void SheetCache::drop(std::list<Item>::iterator item)
{
    m_bytes -= item->bytes;
    m_items.erase(item);
}

} // namespace sheets
