#include "WindowRuntime.h"

#include "ApplicationRecord.h"
#include "CatalogueList.h"
#include "Dialogs.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Selection.h"
#include "SheetFolders.h"
#include "SheetReasons.h"

#include <QFile>
#include <QPixmap>

#include <algorithm>

namespace shell {

using sheets::qs;

QString SheetOutcome::entryText() const
{
    const catalogue::Entry *entry = catalogue::entry(list, index);
    return entry != nullptr ? qs(entry->text) : QString();
}

WindowRuntime::WindowRuntime(Lists lists, PictureBox *image, sheets::SheetLoader loader,
                             Dialogs &dialogs)
    : QObject(image)
    , m_lists(lists)
    , m_image(image)
    , m_loader(std::move(loader))
    , m_dialogs(dialogs)
{
    m_aheadTimer.setSingleShot(true);
    connect(&m_aheadTimer, &QTimer::timeout, this, &WindowRuntime::preloadAhead);
}

// No answer may reach a runtime that has gone.
WindowRuntime::~WindowRuntime()
{
    cancelPreloads();
}

CatalogueList *WindowRuntime::list(int number) const
{
    return number >= 1 && number <= int(m_lists.size()) ? m_lists[std::size_t(number - 1)]
                                                        : nullptr;
}

void WindowRuntime::clearList(int number)
{
    if (CatalogueList *l = list(number))
        l->clearText();
}

int WindowRuntime::listIndex(int number) const
{
    const CatalogueList *l = list(number);
    return l != nullptr ? l->currentIndex() : -1;
}

preview::RuntimeError WindowRuntime::loadPicture(int list, std::string_view sheet)
{
    const std::optional<preview::RuntimeError> error =
        load(list, sheet, [this](const preview::RuntimeError &later) {
            preview::reportSheetError(*this, later);
        });
    return error.value_or(preview::RuntimeError{preview::kErrDeferred, {}});
}

std::optional<preview::RuntimeError> WindowRuntime::load(int list, std::string_view sheet,
                                                         Later later)
{
    m_pending.reset();                                 // the newest choice wins
    const bool held = std::exchange(m_keyHeld, false); // a release may go to another window
    const qreal dpr = m_image->devicePixelRatioF();
    Asked asked{{list, listIndex(list), std::string(sheet), {}, {}, {}},
                dpr,
                QSize(qRound(m_image->width() * dpr), qRound(m_image->height() * dpr)),
                {}};
    sheets::OpenedSheet opened = m_loader.open(sheet);
    std::shared_ptr<sheets::DecodeTicket> ticket;
    if (!opened.file.isOpen()) {
        sheets::DecodeResult missing;
        missing.error = opened.error;
        ticket = sheets::DecodeTicket::finished(std::move(missing), opened.path);
    } else if (m_preloading) {
        asked.file = sheets::FileIdentity::of(opened.file.get());
        if (asked.file) {
            if (const sheets::DecodeResult *kept = m_cache.find(*asked.file, asked.size)) {
                sheets::DecodeResult shown = *kept;
                shown.path = opened.path;
                cancelPreloads();
                return finish(asked, std::move(shown));
            }
            ticket = takePreload(*asked.file, asked.size);
        }
    }
    cancelPreloads();
    if (!ticket)
        ticket = m_loader.request(std::move(opened.file), sheets::DecodeRequest::box(asked.size),
                                  std::move(opened.path));
    sheets::PendingDecode pending(std::move(ticket));
    if (pending->waitFor(held ? std::chrono::milliseconds(0) : m_patience))
        return finish(asked, pending->take());
    pending->then(this, [this, asked, later = std::move(later)](sheets::DecodeResult decoded) {
        m_pending = {};
        later(finish(asked, std::move(decoded)));
    });
    m_pending = std::move(pending);
    return std::nullopt;
}

preview::RuntimeError WindowRuntime::finish(const Asked &asked, sheets::DecodeResult decoded)
{
    SheetOutcome outcome = asked.outcome;
    outcome.error = decoded.error;
    outcome.fullSize = decoded.fullSize;
    if (!decoded.path.empty())
        outcome.path = sheets::absolutePath(decoded.path);
    if (asked.file && m_preloading) {
        m_cache.insert(*asked.file, asked.size, outcome.sheet, decoded);
        refuseAhead(*asked.file, asked.size, decoded);
    }
    // Converted once, here, to what the screen paints fastest.
    QPixmap pixmap = QPixmap::fromImage(std::move(decoded.image));
    if (pixmap.isNull() && outcome.isShown())
        outcome.error = sheets::SheetError::TooLarge;
    if (outcome.isShown()) {
        pixmap.setDevicePixelRatio(asked.dpr);
        m_image->setPicture(pixmap, qs(outcome.sheet), QByteArray::fromStdString(outcome.path),
                            outcome.fullSize);
    } else {
        qWarning("%s: %s", outcome.path.empty() ? outcome.sheet.c_str() : outcome.path.c_str(),
                 qPrintable(reasonText(outcome.error, decoded.detail)));
    }
    emit sheetLoaded(outcome);
    preloadAround(outcome.list, outcome.index, asked.size);
    if (outcome.isShown())
        return {};
    const SheetReason &reason = reasonFor(outcome.error);
    return {reason.number, std::string(reason.text)};
}

void WindowRuntime::setPreloading(bool on)
{
    m_preloading = on;
    if (!on) {
        cancelPreloads();
        m_cache.clear();
    }
}

void WindowRuntime::forget(const QStringList &sheets)
{
    for (const QString &sheet : sheets) {
        const std::string name = QFile::encodeName(sheet).toStdString();
        m_cache.forget(name);
        std::erase_if(m_preloads, [&](const Preload &p) {
            if (p.sheet != name)
                return false;
            p.ticket->cancel();
            return true;
        });
    }
}

std::shared_ptr<sheets::DecodeTicket> WindowRuntime::takePreload(const sheets::FileIdentity &file,
                                                                 QSize size)
{
    const auto p = std::find_if(m_preloads.begin(), m_preloads.end(),
                                [&](const Preload &p) { return p.file == file && p.size == size; });
    if (p == m_preloads.end())
        return nullptr;
    std::shared_ptr<sheets::DecodeTicket> ticket = std::move(p->ticket);
    m_preloads.erase(p);
    m_loader.service()->hasten(*ticket);
    return ticket;
}

void WindowRuntime::cancelPreloads()
{
    m_aheadTimer.stop();
    m_ahead.clear();
    for (const Preload &p : m_preloads)
        p.ticket->cancel();
    m_preloads.clear();
}

// The entries beside the one chosen, in the list being moved through: the one the user moved
// towards first. Only while helpers decode: without them, a file merely passed by would be read
// in this process.
void WindowRuntime::preloadAround(int number, int index, QSize size)
{
    const std::optional<std::pair<int, int>> last = std::exchange(m_lastChoice, {{number, index}});
    if (!m_preloading || m_loader.service() == nullptr ||
        !m_loader.service()->sandboxProblem().isEmpty() || index < 0)
        return;
    const auto focused = std::find_if(m_lists.begin(), m_lists.end(),
                                      [](const CatalogueList *l) { return l->hasFocus(); });
    if (focused != m_lists.end() && int(focused - m_lists.begin()) + 1 != number)
        return; // the focus is in another list, whose entries are not moved through now
    const int way = last && last->first == number && last->second > index ? -1 : 1;
    m_ahead.clear();
    for (const int next : {index + way, index - way}) {
        if (const catalogue::Entry *entry = catalogue::entry(number, next))
            m_ahead.push_back(entry->sheet);
    }
    m_aheadSize = size;
    // Once the chosen picture is on the screen: its frame must not share the processor with them.
    m_aheadTimer.start(kAheadDelay);
}

void WindowRuntime::preloadAhead()
{
    for (const std::string_view sheet : std::exchange(m_ahead, {}))
        preload(sheet, m_aheadSize);
}

void WindowRuntime::preload(std::string_view sheet, QSize size)
{
    sheets::OpenedSheet opened = m_loader.open(sheet);
    if (!opened.file.isOpen())
        return;
    const std::optional<sheets::FileIdentity> file = sheets::FileIdentity::of(opened.file.get());
    if (!file || m_cache.find(*file, size) != nullptr ||
        std::find(m_refusedAhead.begin(), m_refusedAhead.end(), std::pair{*file, size}) !=
            m_refusedAhead.end() ||
        std::any_of(m_preloads.begin(), m_preloads.end(),
                    [&](const Preload &p) { return p.file == *file && p.size == size; }))
        return;
    std::shared_ptr<sheets::DecodeTicket> ticket = m_loader.request(
        std::move(opened.file), sheets::DecodeRequest::box(size, sheets::Requester::Preload),
        std::move(opened.path));
    sheets::DecodeTicket *const id = ticket.get();
    ticket->then(this, [this, id, file = *file, size,
                        name = std::string(sheet)](sheets::DecodeResult decoded) {
        std::erase_if(m_preloads, [id](const Preload &p) { return p.ticket.get() == id; });
        m_cache.insert(file, size, name, decoded);
        refuseAhead(file, size, decoded);
    });
    m_preloads.push_back({*file, size, std::string(sheet), std::move(ticket)});
    ++m_askedAhead;
}

// A file refused once, say one that spends all the processor time it may, is decoded again only
// when chosen, not each time a choice lands beside it.
void WindowRuntime::refuseAhead(const sheets::FileIdentity &file, QSize size,
                                const sheets::DecodeResult &decoded)
{
    constexpr std::size_t kRemembered = 64;
    if (decoded.isShown() || decoded.transient) // a helper that could not answer now may later
        return;
    if (m_refusedAhead.size() == kRemembered)
        m_refusedAhead.erase(m_refusedAhead.begin());
    m_refusedAhead.emplace_back(file, size);
}

void WindowRuntime::msgBox(std::string_view prompt, std::optional<std::string_view> title)
{
    m_dialogs.message(m_image->window(), qs(prompt), qs(title.value_or(kApplicationTitle)));
}

} // namespace shell
