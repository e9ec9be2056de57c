#include "WindowRuntime.h"

#include "ApplicationRecord.h"
#include "CatalogueList.h"
#include "Dialogs.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Selection.h"
#include "SheetFolders.h"
#include "SheetReasons.h"

#include <QPixmap>

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
{}

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
    m_pending.reset(); // the newest choice wins
    const qreal dpr = m_image->devicePixelRatioF();
    const QSize deviceSize(qRound(m_image->width() * dpr), qRound(m_image->height() * dpr));
    const SheetOutcome asked{list, listIndex(list), std::string(sheet), {}, {}, {}};
    sheets::PendingDecode ticket(m_loader.request(sheet, sheets::DecodeRequest::box(deviceSize)));
    if (ticket->waitFor(m_patience))
        return finish(asked, ticket->take(), dpr);
    ticket->then(this, [this, asked, dpr, later = std::move(later)](sheets::DecodeResult decoded) {
        m_pending = {};
        later(finish(asked, std::move(decoded), dpr));
    });
    m_pending = std::move(ticket);
    return std::nullopt;
}

preview::RuntimeError WindowRuntime::finish(const SheetOutcome &asked, sheets::DecodeResult decoded,
                                            qreal dpr)
{
    SheetOutcome outcome = asked;
    outcome.error = decoded.error;
    outcome.fullSize = decoded.fullSize;
    if (!decoded.path.empty())
        outcome.path = sheets::absolutePath(decoded.path);
    // Converted once, here, to what the screen paints fastest.
    QPixmap pixmap = QPixmap::fromImage(std::move(decoded.image));
    if (pixmap.isNull() && outcome.isShown())
        outcome.error = sheets::SheetError::TooLarge;
    if (outcome.isShown()) {
        pixmap.setDevicePixelRatio(dpr);
        m_image->setPicture(pixmap, qs(outcome.sheet), QByteArray::fromStdString(outcome.path),
                            outcome.fullSize);
    } else {
        qWarning("%s: %s", outcome.path.empty() ? outcome.sheet.c_str() : outcome.path.c_str(),
                 qPrintable(reasonText(outcome.error, decoded.detail)));
    }
    emit sheetLoaded(outcome);
    if (outcome.isShown())
        return {};
    const SheetReason &reason = reasonFor(outcome.error);
    return {reason.number, std::string(reason.text)};
}

void WindowRuntime::msgBox(std::string_view prompt, std::optional<std::string_view> title)
{
    m_dialogs.message(m_image->window(), qs(prompt), qs(title.value_or(kApplicationTitle)));
}

} // namespace shell
