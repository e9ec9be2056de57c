#include "ImportActions.h"

#include "ApplicationRecord.h"
#include "Catalogue.h"
#include "Dialogs.h"
#include "FileDescriptor.h"
#include "PictureBox.h"
#include "QtText.h"
#include "SheetImporter.h"
#include "SheetReasons.h"
#include "WindowRuntime.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QRegularExpression>
#include <QShortcut>
#include <QUrl>
#include <QtConcurrent>

#include <algorithm>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

using sheets::qs;

namespace {

QSize deviceSize(const QWidget *widget)
{
    return widget->size() * widget->devicePixelRatioF();
}

QStringList localPaths(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

QString entriesText(const std::string &sheet)
{
    QStringList texts;
    for (std::string_view text : catalogue::entriesShowing(sheet))
        texts << qs(text);
    return texts.join('\n'); // their own texts hold commas
}

} // namespace

ImportActions::ImportActions(PictureBox *box, sheets::SheetStore store,
                             const sheets::SheetNames &names, sheets::SheetLoader loader,
                             Dialogs &dialogs)
    : QObject(box)
    , m_box(box)
    , m_store(store)
    , m_names(names)
    , m_loader(loader)
    , m_dialogs(dialogs)
    , m_importer(new SheetImporter(
          std::move(store), names, std::move(loader), [box] { return deviceSize(box); }, dialogs,
          box->window()))
    , m_addSheets(new QAction(tr("A&dd Sheets\u2026"), box))
    , m_paste(new QAction(tr("P&aste Picture"), box))
    , m_usePicture(new QAction(tr("&Use Picture for This Entry\u2026"), box))
    , m_patience(kPatience)
{
    // Keys for the whole window that no text field takes; Ctrl+V pastes a picture on Image1
    // only: in a list's text field it pastes text as ever.
    m_paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    m_addSheets->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    for (QAction *action : {m_paste, m_addSheets})
        action->setShortcutContext(Qt::WindowShortcut);
    // Reaches paste() before a choice too, which says what to do first.
    new QShortcut(QKeySequence::Paste, box, this, &ImportActions::paste, Qt::WidgetShortcut);
    auto *separator = new QAction(box);
    separator->setSeparator(true);
    box->addActions({separator, m_paste, m_usePicture, m_addSheets});
    m_paste->setEnabled(false);
    m_usePicture->setEnabled(false);

    connect(m_addSheets, &QAction::triggered, this, &ImportActions::addSheets);
    connect(m_paste, &QAction::triggered, this, &ImportActions::paste);
    connect(m_usePicture, &QAction::triggered, this, &ImportActions::usePictureFile);
    connect(box, &PictureBox::dropped, this, [this](const QMimeData *data) { drop(data, true); });
    connect(m_importer, &SheetImporter::sheetsAdded, this,
            [this](const QStringList &sheets) { emit sheetsChanged(sheets, false); });
    connect(&m_comparing, &QFutureWatcher<Offered>::finished, this,
            [this] { confirmAndWrite(m_comparing.result()); });
    connect(&m_writing, &QFutureWatcher<Written>::finished, this, [this] {
        const Written written = m_writing.result();
        if (written.error.isEmpty())
            emit sheetsChanged({qs(written.sheet)}, true);
        else
            m_dialogs.message(m_box->window(),
                              written.error + (written.existed
                                                   ? tr(". The sheet there stays as it was.")
                                                   : tr(". Nothing was written.")),
                              qs(kApplicationTitle));
    });
    connect(&m_encoding, &QFutureWatcher<Offered>::finished, this, [this] {
        if (m_encoding.isCanceled())
            return;
        const Offered offered = m_encoding.result();
        if (offered.source->isOpen())
            checked(offered, {});
        else
            m_dialogs.message(m_box->window(), tr("The picture could not be taken."),
                              qs(kApplicationTitle));
    });
}

void ImportActions::follow(const SheetOutcome &outcome)
{
    m_chosen = Chosen{outcome.list, outcome.sheet, outcome.entryText()};
    m_paste->setEnabled(true);
    m_usePicture->setEnabled(true);
}

void ImportActions::addSheets()
{
    addFrom(m_dialogs.chooseSheetSources(m_box->window()));
}

void ImportActions::addFrom(const QStringList &paths)
{
    m_importer->addFrom(paths);
}

void ImportActions::paste()
{
    if (m_chosen)
        usePicture(QGuiApplication::clipboard()->mimeData());
    else
        m_dialogs.message(m_box->window(),
                          tr("Choose an entry first: the pasted picture becomes its sheet."),
                          qs(kApplicationTitle));
}

void ImportActions::usePictureFile()
{
    if (!m_chosen)
        return;
    const QString path = m_dialogs.choosePicture(m_box->window(), m_chosen->entry);
    if (!path.isEmpty())
        useFile(path);
}

void ImportActions::drop(const QMimeData *data, bool onPicture)
{
    const QStringList paths = localPaths(data);
    // One picture that is not named like a sheet, dropped on Image1, is the chosen entry's;
    // folders and sheet files are added as sheets.
    const bool onePicture =
        paths.size() == 1 && QFileInfo(paths[0]).isFile() &&
        !m_names.match(QFile::encodeName(QFileInfo(paths[0]).fileName()).toStdString());
    if (onPicture && m_chosen && (onePicture || (paths.isEmpty() && data->hasImage())))
        usePicture(data);
    else if (!paths.isEmpty())
        addFrom(paths);
}

void ImportActions::usePicture(const QMimeData *data)
{
    const QStringList paths = data != nullptr ? localPaths(data) : QStringList();
    if (paths.size() == 1)
        useFile(paths[0]);
    else if (data != nullptr && data->hasImage())
        useImage(data);
    else
        m_dialogs.message(m_box->window(), tr("There is no picture to paste."),
                          qs(kApplicationTitle));
}

void ImportActions::useFile(const QString &path)
{
    auto file = std::make_shared<sheets::FileDescriptor>(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st {};
    if (!file->isOpen() || ::fstat(file->get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        m_dialogs.message(m_box->window(), tr("%1 cannot be read as a picture.").arg(path),
                          qs(kApplicationTitle));
        return;
    }
    check({m_chosen->sheet, file, path});
}

// Only a picture its decoder reads for the box can be a sheet; the window goes on meanwhile.
void ImportActions::check(const Offered &offered)
{
    m_checking =
        sheets::PendingDecode(m_loader.request(sheets::FileDescriptor(::dup(offered.source->get())),
                                               sheets::DecodeRequest::box(deviceSize(m_box))));
    if (m_checking->waitFor(m_patience)) {
        const sheets::DecodeResult result = m_checking->take();
        m_checking.reset();
        checked(offered, result);
        return;
    }
    m_checking->then(this, [this, offered](const sheets::DecodeResult &result) {
        m_checking = {};
        checked(offered, result);
    });
}

// Another program's picture comes as a file's bytes, which are kept as they are once its helper
// has read them, and are never read here; pixels of this program's own are packed as PNG, off
// the window's thread, since a screenshot takes a while to pack.
void ImportActions::useImage(const QMimeData *data)
{
    QStringList types = data->formats().filter(QRegularExpression(QStringLiteral("^image/")));
    if (!types.isEmpty()) {
        types.sort(); // image/png first where there is one, else the first in order
        std::stable_partition(types.begin(), types.end(), [](const QString &type) {
            return type == QLatin1String("image/png");
        });
        const QByteArray bytes = data->data(types.first());
        auto memory =
            std::make_shared<sheets::FileDescriptor>(::memfd_create("picture", MFD_CLOEXEC));
        if (bytes.isEmpty() || !memory->isOpen() ||
            ::write(memory->get(), bytes.constData(), std::size_t(bytes.size())) != bytes.size()) {
            m_dialogs.message(m_box->window(), tr("The picture could not be taken."),
                              qs(kApplicationTitle));
            return;
        }
        check({m_chosen->sheet, memory, tr("The pasted picture")});
        return;
    }
    m_encoding.setFuture(
        QtConcurrent::run([image = qvariant_cast<QImage>(data->imageData()),
                           offered = Offered{m_chosen->sheet, nullptr, tr("The pasted picture")},
                           box = deviceSize(m_box)]() mutable {
            // Pixels already, as the service would have decoded them for the box.
            offered.preview = image.scaled(image.size().boundedTo(box), Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            offered.source =
                std::make_shared<sheets::FileDescriptor>(::memfd_create("picture", MFD_CLOEXEC));
            const int memory = offered.source->get();
            if (image.isNull() || !QImageWriter(&buffer, "png").write(image) || memory < 0 ||
                ::write(memory, png.constData(), std::size_t(png.size())) != png.size())
                offered.source->reset();
            return offered;
        }));
}

void ImportActions::checked(const Offered &offered, const sheets::DecodeResult &check)
{
    if (!check.isShown()) {
        m_dialogs.message(
            m_box->window(),
            tr("%1 cannot be a sheet: %2.").arg(offered.what, reasonText(check.error)),
            qs(kApplicationTitle));
        return;
    }
    // Held against the sheet there now off the window's thread: both may be large.
    Offered decoded = offered;
    if (!check.image.isNull())
        decoded.preview = check.image;
    m_comparing.setFuture(
        QtConcurrent::run([store = m_store, offered = std::move(decoded)]() mutable {
            offered.existing = store.compare(offered.sheet, offered.source->get());
            return offered;
        }));
}

void ImportActions::confirmAndWrite(const Offered &offered)
{
    QWidget *window = m_box->window();
    const QString title = qs(kApplicationTitle);
    const std::string &sheet = offered.sheet;
    const sheets::SheetStore::Existing existing = offered.existing;
    if (existing == sheets::SheetStore::Existing::Same) {
        m_dialogs.message(window, tr("This picture is %1 already.").arg(qs(sheet)), title);
        return;
    }
    QString question = tr("Use this picture as %1?\n\nThis picture will be shown for:\n%2")
                           .arg(qs(sheet), entriesText(sheet));
    if (existing == sheets::SheetStore::Existing::Different)
        question += tr("\n\nThe %1 there now will be kept in %2.")
                        .arg(qs(sheet), QFile::decodeName((m_store.folder() + '/').c_str()) +
                                            qs(sheets::SheetStore::kReplacedFolder));
    if (!m_dialogs.confirmPicture(window, question, offered.preview, tr("&Use Picture"),
                                  tr("&Cancel")))
        return;
    // Written and flushed off the window's thread: a large picture takes a moment on the disk.
    m_writing.setFuture(QtConcurrent::run([store = m_store, offered]() -> Written {
        QString error;
        const sheets::FileDescriptor folder = store.open(&error);
        sheets::SheetStore::Pending pending =
            folder.isOpen() ? store.write(folder, offered.sheet, offered.source->get(), &error)
                            : sheets::SheetStore::Pending();
        const bool existed = offered.existing != sheets::SheetStore::Existing::None;
        if (!pending.isValid() || !store.flush(pending, &error) ||
            !store.install(std::move(pending), true, &error))
            return {offered.sheet, error, existed};
        sheets::SheetStore::flushFolder(folder);
        return {offered.sheet, {}, existed};
    }));
}

} // namespace shell
