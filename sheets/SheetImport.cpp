#include "SheetImport.h"

#include "FolderEntries.h"
#include "SheetLoader.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

namespace sheets {

namespace {

struct Found {
    std::string path;
    std::string name;    // the file's own name
    bool exact;          // spelt as its sheet is
    bool regular;        // a plain file, when it was listed
    FileDescriptor file; // opened where it was found, when it is the first for its sheet
    int openError = 0;   // why it could not be, when not
};

// Why a file that could not be opened cannot be a sheet.
SheetError openRefusal(int error)
{
    return error == EACCES || error == EPERM ? SheetError::NoPermission
           : error == ENOENT                 ? SheetError::Missing
                                             : SheetError::NotAFile;
}

// What the folder open as `folderFd` holds, into `files`: its own files, an exact spelling of a
// sheet first, then in byte order, then its subfolders' in turn, down to kSubfolderLevels. Each
// file and subfolder is opened from the folder it was listed in, and no link is followed: nothing
// outside the chosen folder is taken, even when a folder is swapped for a link meanwhile. Only
// the first file for each sheet not in `taken` is opened, and a subfolder only while it is
// searched, so a folder of thousands never runs out of descriptors. False when it cannot be read.
bool walk(FileDescriptor folderFd, const std::string &folder, int level, const SheetNames &names,
          std::set<std::string> &taken, std::vector<Found> &files,
          std::vector<ImportLeftAlone> &leftAlone, const ImportProgress &progress)
{
    using Why = ImportLeftAlone::Why;
    const int at = folderFd.get();
    std::vector<Found> own;
    std::vector<std::pair<std::string, std::string>> folders; // name, path
    std::vector<ImportLeftAlone> aside; // named in byte order, whatever order the listing has
    const bool listed = forEachEntry(folderFd, [&](const char *entry) {
        if (progress.isCancelled())
            return false;
        const std::string name = entry;
        const std::string path = folder + '/' + name;
        struct stat st {};
        if (::fstatat(at, entry, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return true; // gone since it was listed
        if (S_ISLNK(st.st_mode))
            aside.push_back({path, Why::Link, {}, {}});
        else if (S_ISDIR(st.st_mode))
            folders.emplace_back(name, path);
        else
            own.push_back({path, name, names.match(name) == name, S_ISREG(st.st_mode), {}, 0});
        return true;
    });
    if (!listed)
        return false;
    std::sort(aside.begin(), aside.end(), [](const ImportLeftAlone &a, const ImportLeftAlone &b) {
        return a.source < b.source;
    });
    std::move(aside.begin(), aside.end(), std::back_inserter(leftAlone));
    std::sort(own.begin(), own.end(), [](const Found &a, const Found &b) {
        return a.exact != b.exact ? a.exact : a.name < b.name;
    });
    for (Found &f : own) {
        const std::optional<std::string> sheet = names.match(f.name);
        if (!sheet || !taken.insert(*sheet).second)
            continue;
        // Looked at before it is opened: opening a device or a FIFO may do something itself.
        if (f.regular)
            f.file.reset(::openat(at, f.name.c_str(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        f.openError = !f.regular ? ENODEV : f.file.isOpen() ? 0 : errno;
    }
    std::move(own.begin(), own.end(), std::back_inserter(files));
    std::sort(folders.begin(), folders.end());
    for (const auto &[name, sub] : folders) {
        if (progress.isCancelled())
            break;
        if (level == kSubfolderLevels) {
            leftAlone.push_back({sub, Why::TooDeep, {}, {}});
            continue;
        }
        FileDescriptor opened(
            ::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!opened.isOpen() && errno == ELOOP)
            leftAlone.push_back({sub, Why::Link, {}, {}});
        else if (!walk(std::move(opened), sub, level + 1, names, taken, files, leftAlone, progress))
            leftAlone.push_back({sub, Why::Unreadable, {}, {}});
    }
    return true;
}

// Opens one file that is named like a sheet, unless it was opened where it was found, and sends
// it to be decoded for the box; none when it is refused before that.
std::shared_ptr<DecodeTicket> examine(ImportCandidate &candidate, const SheetLoader &loader,
                                      QSize box)
{
    struct stat st {};
    if (!candidate.file.isOpen() && candidate.isAccepted()) {
        // Named by the user: a link is theirs to give. Looked at before it is opened.
        if (::stat(candidate.source.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            candidate.refusal = SheetError::NotAFile;
            return nullptr;
        }
        candidate.file.reset(
            ::open(candidate.source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (!candidate.file.isOpen())
            candidate.refusal = openRefusal(errno);
    }
    if (candidate.file.isOpen() &&
        (::fstat(candidate.file.get(), &st) != 0 || !S_ISREG(st.st_mode)))
        candidate.refusal = SheetError::NotAFile;
    if (!candidate.isAccepted()) {
        candidate.file.reset();
        return nullptr;
    }
    return loader.request(FileDescriptor(::dup(candidate.file.get())),
                          DecodeRequest::box(box, Requester::Import));
}

// What the decoder made of it: refused with its reason, or compared with the sheet there now.
void judge(ImportCandidate &candidate, const DecodeResult &decoded, const SheetStore &store)
{
    if (!decoded.isShown()) {
        candidate.refusal = decoded.error;
        candidate.detail = decoded.detail;
        candidate.file.reset();
        return;
    }
    candidate.existing = store.compare(candidate.sheet, candidate.file.get());
    if (candidate.existing == SheetStore::Existing::Same)
        candidate.file.reset();
}

// A sheet on its way into the folder.
struct Writing {
    ImportCandidate *candidate;
    SheetStore::Pending pending; // removed through the folder, so dropped before it
    QString error;
};

// Writes every sheet aside, two at a time: starting a file on its way to the disk costs as much
// as copying it, and the other core does that while this one copies.
void writeAside(std::vector<Writing> &writing, const SheetStore &store,
                const FileDescriptor &folder, const ImportProgress &progress)
{
    const int total = int(writing.size()) + 1;
    std::atomic_int done = 0;
    auto writeEvery = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < writing.size() && !progress.isCancelled(); i += step) {
            Writing &w = writing[i];
            w.pending = store.write(folder, w.candidate->sheet, w.candidate->file.get(), &w.error,
                                    progress.cancelled);
            w.candidate->file.reset();
            progress(++done, total);
        }
    };
    std::thread other(writeEvery, 1, 2);
    writeEvery(0, 2);
    other.join();
}

// Flushes what was written aside, then puts each sheet in its place.
void putInPlace(std::vector<Writing> &writing, const SheetStore &store, bool replace,
                ImportResult &result)
{
    auto refuse = [&result](const Writing &w, const QString &why) {
        result.refused.push_back({w.candidate->source, SheetError::None, why});
    };
    QString flushError;
    const auto anyWritten = std::find_if(writing.begin(), writing.end(),
                                         [](const Writing &w) { return w.pending.isValid(); });
    if (anyWritten != writing.end() && !store.flushAll(anyWritten->pending, &flushError)) {
        for (Writing &w : writing) {
            if (w.pending.isValid())
                refuse(w, flushError);
            w.pending = {};
        }
    }
    for (Writing &w : writing) {
        if (!w.pending.isValid())
            continue;
        QString error;
        bool replacedOne = false;
        const bool mayReplace = replace && w.candidate->existing == SheetStore::Existing::Different;
        if (store.install(std::move(w.pending), mayReplace, &error, &replacedOne)) {
            ++(replacedOne ? result.replaced : result.added);
            result.changed.push_back(w.candidate->sheet);
        } else {
            refuse(w, error);
        }
    }
}

} // namespace

int ImportPlan::conflicts() const
{
    return int(std::count_if(candidates.begin(), candidates.end(), [](const ImportCandidate &c) {
        return c.isAccepted() && c.existing == SheetStore::Existing::Different;
    }));
}

ImportPlan planImport(const std::vector<std::string> &paths, const SheetNames &names,
                      const SheetStore &store, const SheetLoader &loader, QSize box,
                      const ImportProgress &progress)
{
    using Why = ImportLeftAlone::Why;
    ImportPlan plan;
    std::map<std::string, std::size_t> bySheet; // the candidate that gives each sheet
    std::set<std::string> taken;                // the sheets a file was opened for
    for (const std::string &path : paths) {
        if (progress.isCancelled())
            break;
        std::vector<Found> files;
        struct stat st {};
        const bool folder = ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        if (!folder) {
            const std::string name = path.substr(path.rfind('/') + 1);
            files.push_back({path, name, true, true, {}, 0});
            if (const auto sheet = names.match(name))
                taken.insert(*sheet);
        } else if (!walk(FileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
                         path, 0, names, taken, files, plan.leftAlone, progress)) {
            plan.leftAlone.push_back({path, Why::Unreadable, {}, {}});
        }
        const std::size_t before = plan.candidates.size();
        for (Found &f : files) {
            const std::optional<std::string> sheet = names.match(f.name);
            const auto earlier = sheet ? bySheet.find(*sheet) : bySheet.end();
            if (!sheet) {
                if (plan.leftAlone.size() < kMostNamedLeftAlone)
                    plan.leftAlone.push_back({f.path, Why::NotASheet, {}, {}});
                else
                    ++plan.unnamed;
            } else if (earlier != bySheet.end()) {
                plan.leftAlone.push_back(
                    {f.path, Why::SameSheet, *sheet, plan.candidates[earlier->second].source});
            } else {
                bySheet.emplace(*sheet, plan.candidates.size());
                plan.candidates.push_back(
                    {f.path,
                     *sheet,
                     std::move(f.file),
                     {},
                     f.openError ? openRefusal(f.openError) : SheetError::None,
                     {}});
            }
        }
        if (folder && plan.candidates.size() == before)
            plan.leftAlone.push_back({path, Why::NoSheetIn, {}, {}});
    }
    // Every file goes to the decoders at once, so that each helper takes its share.
    std::vector<PendingDecode> checks;
    for (ImportCandidate &candidate : plan.candidates)
        checks.emplace_back(examine(candidate, loader, box));
    const int total = int(plan.candidates.size());
    for (int i = 0; i < total && !progress.isCancelled(); ++i) {
        ImportCandidate &candidate = plan.candidates[std::size_t(i)];
        PendingDecode &check = checks[std::size_t(i)];
        // A cancel ends the wait for a slow file too.
        while (check && !check->waitFor(std::chrono::milliseconds(50)) && !progress.isCancelled()) {
        }
        if (check && !progress.isCancelled())
            judge(candidate, check->take(), store);
        progress(i + 1, total);
    }
    return plan;
}

ImportResult runImport(ImportPlan plan, const SheetStore &store, bool replace,
                       const ImportProgress &progress)
{
    using Why = ImportLeftAlone::Why;
    ImportResult result;
    result.leftAlone = std::move(plan.leftAlone);
    result.unnamed = plan.unnamed;
    std::vector<ImportCandidate *> toWrite;
    for (ImportCandidate &c : plan.candidates) {
        if (!c.isAccepted()) {
            result.refused.push_back({c.source, c.refusal, c.detail});
        } else if (c.existing == SheetStore::Existing::None ||
                   (c.existing == SheetStore::Existing::Different && replace)) {
            toWrite.push_back(&c);
        } else {
            ++result.kept;
            if (c.existing == SheetStore::Existing::Different)
                result.leftAlone.push_back({c.source, Why::Differs, c.sheet, {}});
        }
    }
    if (toWrite.empty())
        return result;

    // Everything is written aside first, so that a cancel leaves nothing behind; the disk then
    // takes all of it in one flush, and only then does any sheet take its place.
    QString folderError;
    const FileDescriptor folder = store.open(&folderError);
    if (!folder.isOpen()) {
        for (const ImportCandidate *c : toWrite)
            result.refused.push_back({c->source, SheetError::None, folderError});
        return result;
    }
    std::vector<Writing> writing;
    for (ImportCandidate *c : toWrite)
        writing.push_back({c, {}, {}});
    writeAside(writing, store, folder, progress);
    if (progress.isCancelled()) {
        result.cancelled = true;
        result.kept = 0;
        std::erase_if(result.leftAlone,
                      [](const ImportLeftAlone &l) { return l.why == Why::Differs; });
        return result;
    }
    for (const Writing &w : writing) {
        if (!w.pending.isValid())
            result.refused.push_back({w.candidate->source, SheetError::None, w.error});
    }
    putInPlace(writing, store, replace, result);
    SheetStore::flushFolder(folder);
    progress(int(writing.size()) + 1, int(writing.size()) + 1);
    return result;
}

} // namespace sheets
