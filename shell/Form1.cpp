#include "Form1.h"

#include "AboutMessage.h"
#include "ApplicationRecord.h"
#include "BuiltInPictures.h"
#include "Catalogue.h"
#include "CatalogueList.h"
#include "CatalogueListAccessible.h"
#include "CommandButton.h"
#include "FindPopup.h"
#include "Gallery.h"
#include "ImportActions.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Selection.h"
#include "SheetActions.h"
#include "SheetFolderWatch.h"
#include "SheetViewer.h"
#include "WindowAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <exception>
#include <new>
#include <utility>
#include <vector>

// The artwork and icon live in this library; a static library must ask for them by name.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace shell {

using sheets::qs;

namespace {

// States that would take the window past its own size.
constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

QSize ownSize()
{
    return {twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips)};
}

constexpr std::array<void (Form1::*)(), catalogue::kCategoryCount> kListClickHandlers = {
    &Form1::Combo1_Click, &Form1::Combo2_Click, &Form1::Combo3_Click, &Form1::Combo4_Click,
    &Form1::Combo5_Click, &Form1::Combo6_Click, &Form1::Combo7_Click,
};

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::List || kind == ControlKind::Button;
}

// Where sheets go and how to add them, for a user who has none yet.
QString noSheetsHint(const std::string &userFolder)
{
    QString folder = QFile::decodeName(userFolder.c_str());
    const QString home = QFile::decodeName(qgetenv("HOME"));
    if (!home.isEmpty() && folder.startsWith(home + '/'))
        folder = QStringLiteral("~") + folder.mid(home.size());
    return QCoreApplication::translate(
               "shell::Form1",
               "No picture sheets were found. They go in %1.\n\n"
               "To add yours, choose Add Sheets\u2026 (right-click the picture box) or "
               "drop a folder of sheets on the window. To give the chosen entry a "
               "picture, paste a screenshot on the picture box (click it, then Ctrl+V).")
        .arg(folder);
}

QWidget *createControl(const ControlDescription &c, QWidget *parent)
{
    switch (c.kind) {
    case ControlKind::List:
        return new CatalogueList(parent);
    case ControlKind::Button:
        return new CommandButton(qs(c.caption), parent);
    case ControlKind::Label: {
        auto *label = new QLabel(qs(c.caption), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Picture:
        return new PictureBox(parent);
    }
    return nullptr;
}

} // namespace

Form1::Form1(sheets::SheetPlaces places, std::unique_ptr<Dialogs> dialogs,
             std::shared_ptr<sheets::DecodeService> decoders, QWidget *parent)
    : QWidget(parent)
    , m_places(std::move(places))
    , m_names(catalogue::kSheets)
    , m_dialogs(dialogs != nullptr ? std::move(dialogs) : std::make_unique<QtDialogs>())
    , m_loader(sheets::SheetLocator(m_places.searchOrder()), std::move(decoders))
{
    initResources();
    static const bool accessible =
        (QAccessible::installFactory(WindowAccessible::forObject),
         QAccessible::installFactory(CatalogueListAccessible::forObject), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qs(kFormCaption));
    // A fixed frame with minimise and close boxes but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    keepOwnSize();

    createControls();
    stackListsAndButtonsOnTop();
    nameListsByTheirLabels();
    setFocusOrder();
    connectHandlers();
    m_runtime = new WindowRuntime(m_lists, m_image, m_loader, *m_dialogs);
    m_actions = new SheetActions(m_image, m_loader, *m_runtime);
    m_imports = new ImportActions(m_image, sheets::SheetStore(m_places.userFolder), m_names,
                                  m_loader, *m_dialogs);
    connect(m_runtime, &WindowRuntime::sheetLoaded, m_imports, &ImportActions::follow);
    connect(m_imports, &ImportActions::sheetsChanged, this, &Form1::sheetsChanged);
    setAcceptDrops(true);
    // While no helper can run, sheets are read in this process: said at the top of Image1's
    // menu, with why, after every sheet loaded.
    auto *unsandboxed = new QAction(m_image);
    unsandboxed->setEnabled(false);
    unsandboxed->setVisible(false);
    m_image->insertAction(m_image->actions().value(0), unsandboxed);
    connect(m_runtime, &WindowRuntime::sheetLoaded, unsandboxed, [this, unsandboxed] {
        const QString problem =
            m_loader.service() != nullptr ? m_loader.service()->sandboxProblem() : QString();
        unsandboxed->setText(tr("Sheets are read without the sandbox: %1").arg(problem));
        unsandboxed->setVisible(!problem.isEmpty());
    });
    auto *gallery = new QAction(tr("&Gallery of All Entries"), m_image);
    gallery->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    gallery->setShortcutContext(Qt::WindowShortcut);
    connect(gallery, &QAction::triggered, this, &Form1::showGallery);
    m_image->addAction(gallery);
    list(1)->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlDescription &c = kControls[i];
        QWidget *w = createControl(c, this);
        w->setObjectName(qs(c.name));
        w->setGeometry(c.pixelLeft(), c.pixelTop(), c.pixelWidth(), c.pixelHeight());
        m_controls[i] = w;
        if (c.kind == ControlKind::List)
            m_lists[std::size_t(c.number - 1)] = static_cast<CatalogueList *>(w);
        else if (c.kind == ControlKind::Picture)
            m_image = static_cast<PictureBox *>(w);
    }
}

// Lists and buttons lie above labels and the picture box wherever they touch.
void Form1::stackListsAndButtonsOnTop()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (takesFocus(kControls[i].kind))
            m_controls[i]->raise();
    }
}

// Each list is named by its label, for the Tab key's visits and for screen readers.
void Form1::nameListsByTheirLabels()
{
    for (const catalogue::Category &c : catalogue::kCategories) {
        static_cast<QLabel *>(control(ControlKind::Label, c.labelNumber))->setBuddy(list(c.number));
        list(c.number)->setAccessibleName(qs(c.caption));
        list(c.number)->lineEdit()->setAccessibleName(qs(c.caption));
    }
}

// By tab index, over the controls that can take the focus.
void Form1::setFocusOrder()
{
    std::vector<std::pair<int, QWidget *>> order;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (takesFocus(kControls[i].kind))
            order.emplace_back(kControls[i].tabIndex, m_controls[i]);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void Form1::connectHandlers()
{
    for (int n = 1; n <= catalogue::kCategoryCount; ++n) {
        connect(list(n), &QComboBox::activated, this,
                [this, n] { (this->*kListClickHandlers[std::size_t(n - 1)])(); });
        list(n)->installEventFilter(this); // a held key, in the list or its text field
        list(n)->lineEdit()->installEventFilter(this);
    }
    connect(static_cast<QPushButton *>(control(ControlKind::Button, 1)), &QPushButton::clicked,
            this, &Form1::Command1_Click);
    connect(static_cast<QPushButton *>(control(ControlKind::Button, 2)), &QPushButton::clicked,
            this, &Form1::Command2_Click);

    // The search popup is created when first asked for; start-up does not pay for it.
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &Form1::showFind);
    // Image1's menu from anywhere in the window; the Menu key keeps opening the menu of what has
    // the focus, such as a list's Cut, Copy and Paste.
    auto *menu = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menu, &QShortcut::activated, this, [this] {
        const QPoint inside(m_image->width() / 2, m_image->height() / 2);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, inside, m_image->mapToGlobal(inside));
        QCoreApplication::sendEvent(m_image, &event);
    });
}

QWidget *Form1::control(ControlKind kind, int number) const
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].kind == kind && kControls[i].number == number)
            return m_controls[i];
    }
    return nullptr;
}

void Form1::showFind()
{
    if (m_find == nullptr) {
        m_find = new FindPopup(this);
        connect(m_find, &FindPopup::entryChosen, this, [this](int number, int index) {
            list(number)->setFocus();
            chooseEntry(number, index);
        });
    }
    m_find->open();
}

void Form1::showGallery()
{
    if (m_gallery == nullptr) {
        m_gallery = std::make_unique<Gallery>(m_loader);
        connect(m_gallery.get(), &Gallery::entryChosen, this, &Form1::chooseEntry);
        connect(m_gallery.get(), &Gallery::addSheetsRequested, m_imports,
                &ImportActions::addSheets);
        m_gallery->setHint(m_image->hint());
        connect(m_runtime, &WindowRuntime::sheetLoaded, m_gallery.get(),
                [this](const SheetOutcome &outcome) {
                    m_gallery->showChoice(outcome.list, outcome.index);
                });
    }
    m_gallery->open(this);
}

void Form1::updateSheetHint()
{
    const QString hint =
        m_names.anyHeldBy(m_places.realFolders) ? QString() : noSheetsHint(m_places.userFolder);
    m_image->setHint(hint);
    if (m_gallery != nullptr)
        m_gallery->setHint(hint);
}

// Added sheets count at once: the chosen entry's shows as choosing it again would show it.
void Form1::sheetsChanged(const QStringList &sheets, bool picked)
{
    m_runtime->forget(sheets);
    updateSheetHint();
    if (m_gallery != nullptr && m_gallery->isVisible())
        m_gallery->reload();
    const std::optional<ImportActions::Chosen> &chosen = m_imports->chosen();
    if (!chosen || !sheets.contains(qs(chosen->sheet)))
        return;
    const auto shown = [this, picked, sheet = chosen->sheet](const preview::RuntimeError &error) {
        if (error.number != preview::kNoError) {
            preview::reportSheetError(*m_runtime, error);
            return;
        }
        const QString written = QFile::decodeName((m_places.userFolder + '/' + sheet).c_str());
        if (picked && m_image->filePath() != written)
            m_dialogs->message(this,
                               tr("The picture is kept as %1, but %2 is found first, so that one "
                                  "still shows.")
                                   .arg(written, m_image->filePath()),
                               qs(kApplicationTitle));
    };
    if (const auto error = m_runtime->load(chosen->list, chosen->sheet, shown))
        shown(*error);
}

// Sheets that came, went or changed in the searched folders, by anyone: the card, the gallery's
// tiles and the viewer follow. Image1 keeps what was chosen, as it always does until the next
// choice; reading it again here could overtake a choice still on its way.
void Form1::sheetFilesChanged(const QStringList &sheets)
{
    m_runtime->forget(sheets);
    updateSheetHint();
    if (m_gallery != nullptr && m_gallery->isVisible())
        m_gallery->refresh(sheets);
    if (SheetViewer *viewer = m_actions->viewer(); viewer != nullptr && viewer->isVisible())
        viewer->sheetFilesChanged(sheets);
}

void Form1::setPreloading(bool on)
{
    m_runtime->setPreloading(on);
}

void Form1::setPatience(std::chrono::milliseconds patience)
{
    m_runtime->setPatience(patience);
    m_imports->setPatience(patience);
}

CatalogueList *Form1::list(int number) const
{
    if (number < 1 || number > int(m_lists.size()))
        return nullptr;
    return m_lists[std::size_t(number - 1)];
}

void Form1::Form_Load()
{
    preview::ErrorNumber error = preview::kNoError;
    try {
        for (const catalogue::Category &c : catalogue::kCategories) {
            for (const catalogue::Entry &e : c.entries)
                list(c.number)->addItem(qs(e.text));
        }
    } catch (const std::bad_alloc &) {
        error = preview::kErrOutOfMemory;
    } catch (...) {
        error = preview::kErrInternal;
    }
    // The first entry added to an empty combo box becomes its current one; start with none.
    for (CatalogueList *l : m_lists)
        l->clearText();
    // Filling opens no file, so the only errors are out of memory and the like: said, not shown.
    if (error != preview::kNoError)
        qWarning("Could not fill the lists: run-time error %d", int(error));
}

void Form1::listClicked(int number)
{
    try {
        preview::runSelection(*m_runtime, number);
    } catch (const std::exception &e) {
        qWarning("Choice in Combo%d failed: %s", number, e.what());
    } catch (...) {
        qWarning("Choice in Combo%d failed", number);
    }
}

void Form1::Combo1_Click()
{
    listClicked(1);
}

void Form1::Combo2_Click()
{
    listClicked(2);
}

void Form1::Combo3_Click()
{
    listClicked(3);
}

void Form1::Combo4_Click()
{
    listClicked(4);
}

void Form1::Combo5_Click()
{
    listClicked(5);
}

void Form1::Combo6_Click()
{
    listClicked(6);
}

void Form1::Combo7_Click()
{
    listClicked(7);
}

void Form1::Command1_Click()
{
    close();
}

void Form1::Command2_Click()
{
    m_runtime->msgBox(aboutText(), kAboutTitle);
}

void Form1::chooseEntry(int number, int index)
{
    CatalogueList *l = list(number);
    if (l == nullptr || index < 0 || index >= l->count())
        return;
    l->setCurrentIndex(index);
    (this->*kListClickHandlers[std::size_t(number - 1)])();
}

const QPixmap &Form1::artwork()
{
    if (!isArtworkFor(m_artwork, devicePixelRatioF()))
        m_artwork = windowArtwork(devicePixelRatioF());
    return m_artwork;
}

void Form1::letMaximise(Qt::WindowState state)
{
    // Qt's own Wayland decoration offers maximise whatever the flags say, and a compositor may
    // maximise on its own. A window that kept its fixed size through it would break the protocol
    // and be disconnected, so it takes the size asked for and gives it back at once (see
    // changeEvent). Lifted here, as the request goes out, before the compositor's answer, and
    // fixed again only once the window has its own size back.
    if (!(kLargeStates & state))
        return;
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTimer::singleShot(std::chrono::seconds(1), this, &Form1::keepOwnSize); // if never answered
}

void Form1::keepOwnSize()
{
    if (maximumSize() == ownSize())
        return;
    if (!windowHandle() || (size() == ownSize() && !(windowState() & kLargeStates)))
        setFixedSize(ownSize());
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && (windowState() & kLargeStates)) {
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~kLargeStates); });
    } else if (event->type() == QEvent::WindowStateChange && event->spontaneous() &&
               maximumSize() != size()) {
        // The desktop says the window is back to normal, at whatever size it chose: it takes
        // its own again.
        resize(ownSize());
        setFixedSize(ownSize());
    }
    QWidget::changeEvent(event);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    keepOwnSize();
    QWidget::resizeEvent(event);
}

bool Form1::event(QEvent *event)
{
    // Sheets put in place by hand count once the user comes back to the window.
    if (event->type() == QEvent::WindowActivate) {
        updateSheetHint();
        if (m_watch != nullptr)
            m_watch->recheck();
    }
    return QWidget::event(event);
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    m_imports->drop(event->mimeData(), false);
}

// A held key's choices do not wait for their sheets: each next press comes before a decode could
// end, and would only wait behind one no longer wanted.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (m_runtime != nullptr && (type == QEvent::KeyPress || type == QEvent::KeyRelease))
        m_runtime->setKeyHeld(static_cast<QKeyEvent *>(event)->isAutoRepeat());
    return QWidget::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent *event)
{
    // Looked at once the window is up, not while it starts; the decoding helper starts then
    // too, so that it is ready by the first choice.
    QTimer::singleShot(0, this, &Form1::updateSheetHint);
    if (sheets::DecodeService *decoders = m_loader.service(); decoders != nullptr && !m_shownOnce)
        QTimer::singleShot(0, this, [decoders] { decoders->warmUp(sheets::Requester::Window); });
    if (!m_shownOnce && windowHandle() != nullptr)
        connect(windowHandle(), &QWindow::windowStateChanged, this, &Form1::letMaximise);
    if (!m_shownOnce)
        QTimer::singleShot(0, this, [this] {
            m_watch = new sheets::SheetFolderWatch(m_places.searchOrder(), m_names, this);
            connect(m_watch, &sheets::SheetFolderWatch::sheetsChanged, this,
                    &Form1::sheetFilesChanged);
        });
    m_shownOnce = true;
    // Decoded at the first showing, not while building the window.
    if (!testAttribute(Qt::WA_SetWindowIcon))
        setWindowIcon(programIcon());
    QWidget::showEvent(event);
}

void Form1::paintEvent(QPaintEvent *)
{
    // Drawn at its own size from the top-left corner, never scaled; it covers the whole window.
    QPainter painter(this);
    painter.drawPixmap(0, 0, artwork());
}

} // namespace shell
