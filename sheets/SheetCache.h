#pragma once

#include "DecodeResult.h"

#include <QSize>

#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>

namespace sheets {

// What a file is now, as far as the file system tells: a sheet replaced, written over or touched
// since has another identity.
struct FileIdentity {
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = -1;
    std::int64_t modifiedNs = 0, changedNs = 0;
    // Whether a rewrite would change it: on a file system that keeps times to the second or
    // coarser (FAT, network shares), a file written over within that second keeps its identity,
    // so only one unchanged for a while counts.
    bool settled = true;

    // The identity of the file open as `fd`; none when it cannot be had.
    static std::optional<FileIdentity> of(int fd);
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
};

// Sheets decoded for the window, by the file they were read from and the size they were decoded
// at, so that a choice whose file is unchanged shows them without decoding again. Only pictures
// of settled files are kept, never refusals, within a budget of decoded bytes; the least recently
// used go first. Owned by the window's thread.
class SheetCache {
public:
    static constexpr std::int64_t kDefaultBudget = std::int64_t(32) << 20;

    explicit SheetCache(std::int64_t budgetBytes = kDefaultBudget)
        : m_budget(budgetBytes)
    {}

    // The picture decoded from `file` at `size`, now the most recently used; null when none is.
    const DecodeResult *find(const FileIdentity &file, QSize size);
    // Keeps `decoded`, a picture of the sheet `sheet`, read from `file` at `size`.
    void insert(const FileIdentity &file, QSize size, std::string_view sheet,
                const DecodeResult &decoded);
    // Drops every picture of the sheet `sheet`, whatever its file.
    void forget(std::string_view sheet);
    void clear();

    std::int64_t bytes() const { return m_bytes; }
    std::size_t count() const { return m_items.size(); }

private:
    struct Item {
        FileIdentity file;
        QSize size;
        std::string sheet;
        DecodeResult decoded;
        std::int64_t bytes = 0;
    };
    void drop(std::list<Item>::iterator item);

    std::list<Item> m_items; // the most recently used first
    std::int64_t m_bytes = 0;
    const std::int64_t m_budget;
};

} // namespace sheets
