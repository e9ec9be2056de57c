#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <string>
#include <string_view>

namespace sheets {

// The user's sheet folder, written so that nothing is ever lost: a sheet is written aside,
// flushed to the disk and only then renamed into place, so a crash or a full disk never leaves
// half a sheet; a sheet already there is only replaced when asked, and is first kept in
// replaced/ under its name and the date and time. Nothing outside the folder is written.
class SheetStore {
public:
    explicit SheetStore(std::string folder);

    const std::string &folder() const { return m_folder; }

    // How a sheet of this name compares with the one in the folder.
    enum class Existing { None, Same, Different };
    // `source` is read from offset 0; an unreadable sheet in the folder counts as different.
    Existing compare(std::string_view name, int source) const;

    // The folder, made if missing, open for writing; closed, with `error` said, when it cannot
    // be had. The calls below write through it.
    FileDescriptor open(QString *error) const;

    // A sheet written aside, not yet in place. Dropping it removes what was written.
    class Pending {
    public:
        Pending() = default;
        Pending(Pending &&other) noexcept;
        Pending &operator=(Pending &&other) noexcept;
        ~Pending();

        bool isValid() const { return m_file.isOpen(); }
        int fd() const { return m_file.get(); }

    private:
        friend class SheetStore;
        void discard();

        FileDescriptor m_file;
        int m_folder = -1;
        std::string m_written; // the name it was written aside under
        std::string m_name;    // the sheet it becomes
    };

    // Writes the bytes of `source` (from offset 0) aside under the sheet's name and starts moving
    // them to the disk. A copy stops early, and comes to nothing, once `cancelled` is set. On
    // failure, `error` says why in words that name the sheet. `folder` must outlive the result.
    Pending write(const FileDescriptor &folder, std::string_view name, int source, QString *error,
                  const std::atomic_bool *cancelled = nullptr) const;

    // Waits until what `pending` holds is on the disk.
    bool flush(const Pending &pending, QString *error) const;
    // Waits until everything written on the disk of `any` is on it: one flush for many sheets,
    // where a flush of each would cost more than copying them.
    bool flushAll(const Pending &any, QString *error) const;

    // Puts a flushed sheet in place. A sheet already there is kept in replaced/ first when
    // `replace` is set; without it, one already there is left alone and this fails.
    bool install(Pending pending, bool replace, QString *error, bool *replaced = nullptr) const;

    // Makes the renames of install() last through a crash.
    static void flushFolder(const FileDescriptor &folder);

    static constexpr std::string_view kReplacedFolder = "replaced";

private:
    bool keepReplaced(int folder, const std::string &name, QString *error) const;

    std::string m_folder;
};

} // namespace sheets
