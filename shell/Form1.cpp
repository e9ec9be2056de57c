#include "Form1.h"

#include "AboutMessage.h"
#include "ApplicationRecord.h"
#include "Catalogue.h"
#include "CatalogueList.h"
#include "FindPopup.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Selection.h"
#include "WindowDescription.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

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

namespace {

// The number a control's name ends in: 7 for "Combo7", 10 for "Label10".
int controlNumber(std::string_view name)
{
    int number = 0;
    for (char c : name.substr(name.find_first_of("0123456789")))
        number = number * 10 + (c - '0');
    return number;
}

QRect pixelRect(const ControlDescription &c)
{
    return QRect(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                 twipsToPixels(c.height));
}

// A decoded sheet, ready to paint.
class SheetPicture final : public preview::Picture {
public:
    SheetPicture(QPixmap p, QString n)
        : pixmap(std::move(p))
        , name(std::move(n))
    {}
    QPixmap pixmap;
    QString name;
};

constexpr std::array<void (Form1::*)(), 7> kListClickHandlers = {
    &Form1::Combo1_Click, &Form1::Combo2_Click, &Form1::Combo3_Click, &Form1::Combo4_Click,
    &Form1::Combo5_Click, &Form1::Combo6_Click, &Form1::Combo7_Click,
};

} // namespace

void showMessageBox(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

Form1::Form1(SheetLoader loader, QWidget *parent)
    : QWidget(parent)
    , m_loader(std::move(loader))
    , m_presenter(showMessageBox)
{
    initResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qs(kFormCaption));
    // A fixed frame with minimise and close boxes but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));

    std::array<QWidget *, kControls.size()> created{};
    std::array<QLabel *, 11> labels{}; // by label number
    std::array<QPushButton *, 3> buttons{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlDescription &c = kControls[i];
        const int number = controlNumber(c.name);
        QWidget *w = nullptr;
        switch (c.kind) {
        case ControlKind::List:
            w = m_lists[std::size_t(number - 1)] = new CatalogueList(this);
            break;
        case ControlKind::Button: {
            auto *button = new QPushButton(qs(c.caption), this);
            button->setAutoDefault(false); // Enter presses no button
            button->setDefault(false);
            buttons[std::size_t(number)] = button;
            w = button;
            break;
        }
        case ControlKind::Label: {
            auto *label = new QLabel(qs(c.caption), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            labels[std::size_t(number)] = label;
            w = label;
            break;
        }
        case ControlKind::Picture:
            w = m_image = new PictureBox(this);
            break;
        }
        w->setObjectName(qs(c.name));
        w->setGeometry(pixelRect(c));
        created[i] = w;
    }

    // Lists and buttons lie above labels and the picture box wherever they touch.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].kind == ControlKind::List || kControls[i].kind == ControlKind::Button)
            created[i]->raise();
    }

    // Each list is named by its label, for the Tab key's visits and for screen readers.
    for (const catalogue::Category &c : catalogue::kCategories) {
        CatalogueList *l = list(c.number);
        labels[std::size_t(controlNumber(c.labelControl))]->setBuddy(l);
        l->setAccessibleName(qs(c.caption));
    }

    // Focus order: by tab index, over the controls that can take the focus.
    std::vector<std::pair<int, QWidget *>> order;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlKind kind = kControls[i].kind;
        if (kind == ControlKind::List || kind == ControlKind::Button)
            order.emplace_back(kControls[i].tabIndex, created[i]);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);

    for (int n = 1; n <= 7; ++n) {
        connect(list(n), &QComboBox::activated, this,
                [this, n] { (this->*kListClickHandlers[std::size_t(n - 1)])(); });
    }
    connect(buttons[1], &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(buttons[2], &QPushButton::clicked, this, &Form1::Command2_Click);

    // The search popup is created when first asked for; start-up does not pay for it.
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &Form1::showFind);

    list(1)->setFocus();
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

Form1::~Form1() = default;

void Form1::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = std::move(presenter);
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
        preview::runSelection(*this, number);
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
    msgBox(aboutText(), preview::kVbOkOnly, kAboutTitle);
}

void Form1::chooseEntry(int number, int index)
{
    CatalogueList *l = list(number);
    if (l == nullptr || index < 0 || index >= l->count())
        return;
    l->setCurrentIndex(index);
    (this->*kListClickHandlers[std::size_t(number - 1)])();
}

void Form1::setListText(int number, std::string_view text)
{
    CatalogueList *l = list(number);
    if (l == nullptr)
        return;
    if (text.empty()) {
        l->clearText();
        return;
    }
    const QString shown = qs(text);
    if (l->currentText() != shown)
        l->setCurrentIndex(-1);
    l->setEditText(shown);
}

std::int16_t Form1::listIndex(int number) const
{
    const CatalogueList *l = list(number);
    return l ? static_cast<std::int16_t>(l->currentIndex()) : std::int16_t(-1);
}

preview::LoadedPicture Form1::loadPicture(std::string_view fileName)
{
    const qreal dpr = m_image->devicePixelRatioF();
    const QSize deviceSize(qRound(m_image->width() * dpr), qRound(m_image->height() * dpr));
    DecodedSheet sheet = m_loader.load(fileName, deviceSize);
    if (sheet.image.isNull()) {
        if (!sheet.reason.isEmpty())
            qWarning("%s", qPrintable(sheet.reason));
        return {nullptr, sheet.error};
    }
    // Converted once, here, to what the screen paints fastest.
    QPixmap pixmap = QPixmap::fromImage(std::move(sheet.image));
    if (pixmap.isNull())
        return {nullptr, preview::kErrOutOfMemory};
    pixmap.setDevicePixelRatio(dpr);
    return {std::make_unique<SheetPicture>(std::move(pixmap), qs(fileName)), preview::kNoError};
}

preview::ErrorNumber Form1::setImagePicture(preview::PicturePtr picture)
{
    const auto *sheet = dynamic_cast<const SheetPicture *>(picture.get());
    if (sheet == nullptr)
        return preview::kErrInvalidPicture;
    m_image->setPicture(sheet->pixmap, sheet->name);
    return preview::kNoError;
}

void Form1::msgBox(std::string_view prompt, int, std::optional<std::string_view> title)
{
    // Every box has one OK button and no icon, whatever buttons value it is given.
    m_presenter(this, qs(prompt), qs(title.value_or(kApplicationTitle)));
}

const QPixmap &Form1::artwork()
{
    const qreal dpr = devicePixelRatioF();
    if (m_artwork.isNull() ||
        !qFuzzyCompare(m_artwork.devicePixelRatio(), dpr >= 1.5 ? 2.0 : 1.0)) {
        const bool dense = dpr >= 1.5;
        QImageReader reader(dense ? QStringLiteral(":/propscope/background@2x.jpg")
                                  : QStringLiteral(":/propscope/background.jpg"));
        m_artwork = QPixmap::fromImage(reader.read());
        m_artwork.setDevicePixelRatio(dense ? 2.0 : 1.0);
    }
    return m_artwork;
}

void Form1::showEvent(QShowEvent *event)
{
    // Decoding the icons costs as much as building the whole window, so it waits for the first
    // showing. The larger sizes keep docks and dense screens sharp.
    if (!testAttribute(Qt::WA_SetWindowIcon)) {
        QIcon icon(QStringLiteral(":/propscope/tesselbox.ico"));
        for (int size : {64, 128, 256})
            icon.addFile(QStringLiteral(":/propscope/tesselbox-%1.png").arg(size),
                         QSize(size, size));
        setWindowIcon(icon);
    }
    QWidget::showEvent(event);
}

void Form1::paintEvent(QPaintEvent *)
{
    // Drawn at its own size from the top-left corner, never scaled; it covers the whole window.
    QPainter painter(this);
    painter.drawPixmap(0, 0, artwork());
}

} // namespace shell
