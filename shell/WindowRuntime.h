#pragma once

#include "Catalogue.h"
#include "Runtime.h"
#include "SheetCache.h"
#include "SheetLoader.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shell {

// How long the window waits for a decoder before it goes on answering the user: well within a
// blink, and long enough for the sheets it usually shows; with finding and opening the file,
// the window is never held more than 50 ms.
inline constexpr std::chrono::milliseconds kPatience{40};
// How long after a choice has settled the sheets beside it are decoded ahead: after its frame.
inline constexpr std::chrono::milliseconds kAheadDelay{20};

class CatalogueList;
class Dialogs;
class PictureBox;

// What one choice's sheet came to: shown in Image1, or refused with the reason.
struct SheetOutcome {
    int list = 0; // the entry chosen
    int index = -1;
    std::string sheet;
    sheets::SheetError error = sheets::SheetError::None;
    std::string path; // the file found, from the root, as bytes; empty when none was
    QSize fullSize;   // the picture's own size, when its header could be read

    bool isShown() const { return error == sheets::SheetError::None; }
    QString entryText() const;
};

// The window operations the selection procedure works through, on the seven lists and Image1.
// Sheets are decoded straight to Image1's device pixels; why one could not be had becomes a
// run-time error with the reason's words. Every load is announced, shown or refused, to whatever
// follows the choices.
//
// The window never waits long for a decoder: a sheet answered within the patience is shown (or
// refused) before the load returns, exactly as the procedure expects; a slower one is finished
// when its answer comes, with the same picture or message the procedure would have given, and
// the procedure is told the load is deferred. The newest load wins: an older one still on its
// way is dropped.
//
// Once a choice has settled, the sheets of the entries beside it in the list being moved through
// are decoded ahead, the way of travel first, so that the next key shows its sheet at once. A
// choice whose file is unchanged since it was decoded, ahead or before, is shown from memory,
// with everything else as a choice that decodes; a file that changed is always read again.
class WindowRuntime final : public QObject, public preview::Runtime {
    Q_OBJECT
public:
    using Lists = std::array<CatalogueList *, catalogue::kCategoryCount>;

    WindowRuntime(Lists lists, PictureBox *image, sheets::SheetLoader loader, Dialogs &dialogs);
    ~WindowRuntime() override;

    // What becomes of a load that finishes later: its error, as loadPicture() would have returned.
    using Later = std::function<void(const preview::RuntimeError &)>;

    void setPatience(std::chrono::milliseconds patience) { m_patience = patience; }
    // The next load comes from a held key's press: it does not wait for a decoder at all.
    void setKeyHeld(bool held) { m_keyHeld = held; }
    // Off: every choice decodes its sheet, and nothing is decoded ahead or kept.
    void setPreloading(bool on);
    // The sheets `sheets` changed on disk: nothing decoded from them before is shown again.
    void forget(const QStringList &sheets);
    const sheets::SheetCache &cache() const { return m_cache; }
    // How many sheets are being decoded ahead.
    std::size_t decodingAhead() const { return m_preloads.size(); }
    std::size_t askedAhead() const { return m_askedAhead; } // since the window was made
    // Loads the sheet for the entry chosen in `list`: the error at once, or none when the answer
    // comes later, and then `later` has it.
    std::optional<preview::RuntimeError> load(int list, std::string_view sheet, Later later);

    void clearList(int list) override;
    int listIndex(int list) const override;
    preview::RuntimeError loadPicture(int list, std::string_view sheet) override;
    void msgBox(std::string_view prompt,
                std::optional<std::string_view> title = std::nullopt) override;

signals:
    void sheetLoaded(const shell::SheetOutcome &outcome);

private:
    // One load as asked: which entry, and the file and size its picture is decoded for.
    struct Asked {
        SheetOutcome outcome;
        qreal dpr = 1;
        QSize size;
        std::optional<sheets::FileIdentity> file;
    };
    // A sheet being decoded ahead.
    struct Preload {
        sheets::FileIdentity file;
        QSize size;
        std::string sheet;
        std::shared_ptr<sheets::DecodeTicket> ticket;
    };

    CatalogueList *list(int number) const;
    preview::RuntimeError finish(const Asked &asked, sheets::DecodeResult decoded);
    std::shared_ptr<sheets::DecodeTicket> takePreload(const sheets::FileIdentity &file, QSize size);
    void cancelPreloads();
    void preloadAround(int list, int index, QSize size);
    void preloadAhead();
    void preload(std::string_view sheet, QSize size);
    void refuseAhead(const sheets::FileIdentity &file, QSize size,
                     const sheets::DecodeResult &decoded);

    const Lists m_lists;
    PictureBox *m_image;
    const sheets::SheetLoader m_loader;
    Dialogs &m_dialogs;
    std::chrono::milliseconds m_patience{kPatience};
    sheets::PendingDecode m_pending; // the load still on its way
    bool m_preloading = true;
    bool m_keyHeld = false;
    sheets::SheetCache m_cache;
    std::vector<Preload> m_preloads;
    std::vector<std::pair<sheets::FileIdentity, QSize>> m_refusedAhead; // not decoded ahead again
    std::optional<std::pair<int, int>> m_lastChoice; // list and index, for the way of travel
    std::vector<std::string_view> m_ahead;           // the sheets to decode ahead, in order
    QSize m_aheadSize;
    QTimer m_aheadTimer;
    std::size_t m_askedAhead = 0;
};

} // namespace shell
