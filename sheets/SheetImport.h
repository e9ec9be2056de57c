#pragma once

#include "FileDescriptor.h"
#include "SheetError.h"
#include "SheetLoader.h"
#include "SheetNames.h"
#include "SheetStore.h"

#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace sheets {

// How far an import has come, for a progress display, and whether the user has stopped it.
struct ImportProgress {
    std::function<void(int done, int total)> report; // may be empty
    const std::atomic_bool *cancelled = nullptr;

    bool isCancelled() const { return cancelled != nullptr && *cancelled; }
    void operator()(int done, int total) const
    {
        if (report)
            report(done, total);
    }
};

// A file named like a sheet, found among the paths given.
struct ImportCandidate {
    std::string source;  // its path, bytes
    std::string sheet;   // the sheet it gives, spelt as the catalogue spells it
    FileDescriptor file; // open from the look to the copy: what was checked is what is copied
    SheetStore::Existing existing = SheetStore::Existing::None;
    SheetError refusal = SheetError::None; // why it cannot be a sheet
    QString detail;

    bool isAccepted() const { return refusal == SheetError::None; }
};

// A sheet that was not added: refused for what it is, or, with no error, not written for the
// reason `detail` gives.
struct ImportRefusal {
    std::string source;
    SheetError error = SheetError::None;
    QString detail;
};

// A file or folder among the given paths that gives no sheet, and why, so that it can be named.
struct ImportLeftAlone {
    enum class Why {
        NotASheet,  // not named like a sheet
        SameSheet,  // a second file for `sheet`, which `earlier` gives
        Differs,    // differs from the `sheet` already there, which was kept
        Link,       // a link: only what lies in the chosen folders is taken
        TooDeep,    // a folder below the levels looked into
        Unreadable, // a folder that cannot be read
        NoSheetIn,  // a given folder that holds no file named like a sheet
    };
    std::string source;
    Why why = Why::NotASheet;
    std::string sheet;
    std::string earlier;
};

// Files not named like a sheet are each named up to this many; past it they are counted only,
// so a home folder given by mistake still ends in a summary that can be read.
inline constexpr std::size_t kMostNamedLeftAlone = 1000;

// What the given files hold, found before anything is written.
struct ImportPlan {
    std::vector<ImportCandidate> candidates;
    std::vector<ImportLeftAlone> leftAlone;
    std::size_t unnamed = 0; // files not named like a sheet past kMostNamedLeftAlone

    // How many sheets differ from the ones already in the folder: whether to replace them is
    // the one question to ask.
    int conflicts() const;
};

struct ImportResult {
    int added = 0;
    int kept = 0; // already there, left as they were
    int replaced = 0;
    std::vector<ImportLeftAlone> leftAlone;
    std::size_t unnamed = 0; // files not named like a sheet, left alone, past those named
    bool cancelled = false;
    std::vector<ImportRefusal> refused;
    std::vector<std::string> changed; // the sheets added or replaced
};

// Looks through `paths` (files, and folders with subfolders down to kSubfolderLevels) for
// files named like a sheet, in any case, and has `loader` decode each as a choice would show it
// at `box`: only a file that decodes is taken. Where several files give one sheet, the first
// path's wins; within a folder its own files before its subfolders', an exact spelling first,
// then byte order. No link within a folder is followed.
inline constexpr int kSubfolderLevels = 3; // below a chosen folder

ImportPlan planImport(const std::vector<std::string> &paths, const SheetNames &names,
                      const SheetStore &store, const SheetLoader &loader, QSize box,
                      const ImportProgress &progress = {});

// Writes every sheet of the plan that passed its check into the store. Sheets that differ from
// the ones already there replace them when `replace` is set and are kept otherwise. A cancelled
// import puts no sheet in place.
ImportResult runImport(ImportPlan plan, const SheetStore &store, bool replace,
                       const ImportProgress &progress = {});

} // namespace sheets
