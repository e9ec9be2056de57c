#include "SheetActions.h"

#include "PictureBox.h"
#include "Selection.h"
#include "SheetLimits.h"
#include "SheetReasons.h"
#include "SheetViewer.h"
#include "WindowPlacement.h"
#include "WindowRuntime.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>
#include <QShortcut>
#include <QUrl>
#include <QtConcurrent>

#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

// More than this is not put on the clipboard as a file: the largest JPEG the limits let show.
constexpr qint64 kMaxCopiedBytes = sheets::kMaxJpegBytes;

// The bytes of the file open as `file`, when it holds no more than `limit` of them.
std::optional<QByteArray> fileBytes(const sheets::FileDescriptor &file, qint64 limit)
{
    struct stat st {};
    if (::fstat(file.get(), &st) != 0 || st.st_size > limit)
        return std::nullopt;
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ::pread(file.get(), bytes.data() + got, std::size_t(bytes.size() - got), off_t(got));
        if (n <= 0)
            return std::nullopt;
        got += n;
    }
    return bytes;
}

// The clipboard type of a sheet whose content is `format`, as the decoder named it.
QString mimeTypeOf(const QByteArray &format)
{
    if (format.isEmpty())
        return {};
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QStringLiteral("sheet.") + QString::fromLatin1(format), QMimeDatabase::MatchExtension);
    return type.name().startsWith(QLatin1String("image/")) ? type.name() : QString();
}

} // namespace

SheetActions::SheetActions(PictureBox *box, sheets::SheetLoader loader, WindowRuntime &runtime)
    : QObject(box)
    , m_box(box)
    , m_loader(std::move(loader))
    , m_runtime(runtime)
    , m_view(new QAction(tr("&View Full Size"), box))
    , m_copyPicture(new QAction(tr("&Copy Picture"), box))
    , m_copyPath(new QAction(tr("Copy File &Path"), box))
    , m_openFolder(new QAction(tr("&Open Containing Folder"), box))
{
    // Keys for the whole window that no text field takes; on Image1 itself, Ctrl+C copies the
    // picture too, as in any picture view.
    const std::pair<QAction *, QKeySequence> keys[] = {
        {m_view, QKeySequence(Qt::CTRL | Qt::Key_Return)},
        {m_copyPicture, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {m_copyPath, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C)},
        {m_openFolder, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
    };
    for (const auto &[action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        box->addAction(action);
    }
    new QShortcut(QKeySequence::Copy, box, m_copyPicture, &QAction::trigger, Qt::WidgetShortcut);
    connect(m_view, &QAction::triggered, this, &SheetActions::view);
    connect(m_copyPicture, &QAction::triggered, this, &SheetActions::copyPicture);
    connect(m_copyPath, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setMimeData(m_box->pathMimeData()); });
    connect(m_openFolder, &QAction::triggered, this, &SheetActions::openFolder);
    connect(box, &PictureBox::viewRequested, this, &SheetActions::view);
    connect(box, &PictureBox::pictureChanged, this, [this] {
        for (QAction *action : {m_view, m_copyPicture, m_copyPath, m_openFolder})
            action->setEnabled(!m_box->picture().isNull());
    });
    connect(&runtime, &WindowRuntime::sheetLoaded, this, &SheetActions::follow);
    connect(&m_copying, &QFutureWatcher<Copied>::finished, this, [this] {
        if (!m_copying.isCanceled())
            copied(m_copying.result());
    });
}

SheetActions::~SheetActions() = default;

void SheetActions::openFolder()
{
    const QByteArray file = m_box->filePathBytes();
    const QByteArray folder = file.left(std::max<qsizetype>(file.lastIndexOf('/'), 1));
    if (!QDesktopServices::openUrl(
            QUrl::fromEncoded("file://" + QUrl::toPercentEncoding(folder, "/"))))
        m_runtime.msgBox(tr("The folder %1 could not be opened: no program to show folders was "
                            "found.")
                             .arg(QFile::decodeName(folder))
                             .toStdString());
}

SheetViewer *SheetActions::viewer() const
{
    return m_viewer.get();
}

void SheetActions::follow(const SheetOutcome &outcome)
{
    if (outcome.isShown())
        m_entry = outcome.entryText();
    if (m_viewer != nullptr && m_viewer->isVisible())
        m_viewer->showSheet(outcome.sheet, outcome.entryText(), outcome.path, outcome.fullSize,
                            m_box->picture().toImage(), outcome.error);
}

void SheetActions::view()
{
    if (m_box->picture().isNull())
        return;
    if (m_viewer == nullptr)
        m_viewer = std::make_unique<SheetViewer>(m_loader);
    // Titled before it is shown: a desktop takes the first title it sees.
    m_viewer->showSheet(m_box->sheetName().toStdString(), m_entry,
                        m_box->filePathBytes().toStdString(), m_box->fullSize(),
                        m_box->picture().toImage());
    if (!m_viewer->isVisible())
        placeOnScreen(m_viewer.get(), QSize(960, 720), m_box->window());
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

// The sheet file's own bytes, under their type, for programs that take the file as it is; and
// the picture at its own size, when that is within the limits, for those that take pixels. Both
// are read off the window's thread, the picture by its decoder.
void SheetActions::copyPicture()
{
    const std::string sheet = m_box->sheetName().toStdString();
    m_copying.setFuture(QtConcurrent::run([loader = m_loader, sheet] {
        Copied copy;
        sheets::OpenedSheet opened = loader.open(sheet);
        if (!opened.file.isOpen()) {
            copy.picture.error = opened.error;
            return copy;
        }
        copy.bytes = fileBytes(opened.file, kMaxCopiedBytes);
        copy.picture = loader.load(std::move(opened.file), sheets::DecodeRequest::ownSize());
        return copy;
    }));
}

void SheetActions::copied(const Copied &copy)
{
    const sheets::DecodeResult &picture = copy.picture;
    const QString type = picture.isShown() || picture.error == sheets::SheetError::TooLarge
                             ? mimeTypeOf(picture.format)
                             : QString();
    const bool withBytes = copy.bytes.has_value() && !type.isEmpty();
    if (picture.image.isNull() && !withBytes) {
        const SheetReason &reason = reasonFor(picture.error);
        preview::reportSheetError(m_runtime, {reason.number, std::string(reason.text)});
        return;
    }
    auto *data = new QMimeData;
    if (withBytes)
        data->setData(type, *copy.bytes);
    if (!picture.image.isNull())
        data->setImageData(picture.image);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace shell
