#include "SheetFiles.h"

#include "Catalogue.h"
#include "CatalogueList.h"
#include "CatalogueModel.h"
#include "EntryFilter.h"
#include "FindPopup.h"
#include "Form1.h"
#include "Gallery.h"
#include "GalleryView.h"
#include "ImportActions.h"
#include "PictureBox.h"
#include "SheetActions.h"
#include "SheetImporter.h"
#include "SheetReasons.h"
#include "SheetViewer.h"
#include "ThumbnailCache.h"
#include "TileDelegate.h"
#include "ZoomView.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <map>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace shell;
using testing_support::encoded;
using testing_support::writeBytes;

namespace {

// Answers for the user: every box is written down as "title: text", questions get `answer`.
struct RecordingDialogs : Dialogs {
    QStringList &boxes;
    bool answer = true;
    QString picture, pictureFor;        // a picture file chosen, and for which entry
    QImage preview;                     // shown in the last question
    std::function<void(QWidget *)> ask; // when set, answers Qt's own question box instead

    explicit RecordingDialogs(QStringList &record)
        : boxes(record)
    {}
    void message(QWidget *, const QString &prompt, const QString &title) override
    {
        boxes << title + ": " + prompt;
    }
    bool confirm(QWidget *parent, const QString &question, const QString &accept,
                 const QString &reject) override
    {
        boxes << "? " + question;
        if (!ask)
            return answer;
        QTimer::singleShot(0, [this] { ask(QApplication::activeModalWidget()); });
        return QtDialogs().confirm(parent, question, accept, reject);
    }
    bool confirmPicture(QWidget *parent, const QString &question, const QImage &picture,
                        const QString &accept, const QString &reject) override
    {
        preview = picture;
        return confirm(parent, question, accept, reject);
    }
    void report(QWidget *, const QString &text, const QString &details) override
    {
        boxes << "= " + text + (details.isEmpty() ? "" : " | " + details);
    }
    QStringList chooseSheetSources(QWidget *) override
    {
        boxes << "choose sheets";
        return {};
    }
    QString choosePicture(QWidget *, const QString &entry) override
    {
        pictureFor = entry;
        return picture;
    }
};

// A filled, shown main window whose sheets, real and added, are in a temporary folder and are
// decoded by its helpers; its boxes are written down instead of shown.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string sheets = folder.path().toStdString();
        auto recorder = std::make_unique<RecordingDialogs>(boxes);
        dialogs = recorder.get();
        sheets::DecodeServiceOptions options;
        options.helper.program = PROPSCOPE_DECODER;
        options.backgroundHelpers = 2;
        form =
            std::make_unique<Form1>(sheets::SheetPlaces{{sheets}, {}, sheets}, std::move(recorder),
                                    std::make_shared<sheets::DecodeService>(std::move(options)));
        // A sheet's answer comes before a choice returns, however slow a sanitized build is.
        form->setPatience(std::chrono::seconds(20));
        form->Form_Load();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->hide();
    }

    void sheet(const char *name, QColor colour, const char *format = "png")
    {
        ASSERT_TRUE(writeBytes(folder.filePath(name), encoded(colour, format)));
    }
    CatalogueList *list(int n) const { return form->list(n); }
    QPushButton *button(const char *name) const { return form->findChild<QPushButton *>(name); }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    // The control with the keyboard focus: a list rather than its text field.
    QString focusName() const
    {
        QWidget *w = QApplication::focusWidget();
        if (qobject_cast<QComboBox *>(w->parentWidget()))
            w = w->parentWidget();
        return w->objectName();
    }
    // The colour in the middle of what Image1 shows; invalid when it shows nothing.
    QColor shown() const
    {
        const QImage picture = form->image()->picture().toImage();
        return picture.isNull() ? QColor() : picture.pixelColor(picture.rect().center());
    }
    static QString accessibleName(QObject *o)
    {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    }
    static QStringList rows(const QAbstractItemModel *model)
    {
        QStringList result;
        for (int r = 0; r < model->rowCount(); ++r)
            result << model->index(r, 0).data().toString();
        return result;
    }

    QTemporaryDir folder;
    QStringList boxes;
    RecordingDialogs *dialogs = nullptr;
    std::unique_ptr<Form1> form;
};

} // namespace

TEST_F(WindowTest, ControlsStandWhereTheyWereLaidOut)
{
    const std::pair<const char *, QRect> places[] = {
        {"Combo7", {8, 296, 217, 21}}, {"Combo6", {8, 256, 217, 21}},
        {"Combo5", {8, 216, 217, 21}}, {"Command2", {464, 400, 81, 25}},
        {"Combo4", {8, 176, 217, 21}}, {"Combo3", {8, 136, 217, 21}},
        {"Combo2", {8, 96, 217, 21}},  {"Command1", {552, 400, 81, 25}},
        {"Combo1", {8, 56, 217, 21}},  {"Label10", {8, 280, 137, 17}},
        {"Label9", {8, 240, 105, 17}}, {"Label8", {8, 352, 81, 17}},
        {"Label7", {8, 368, 169, 17}}, {"Label5", {8, 384, 177, 17}},
        {"Label6", {8, 200, 73, 17}},  {"Label4", {8, 160, 57, 17}},
        {"Label3", {8, 120, 73, 17}},  {"Label2", {8, 80, 89, 17}},
        {"Label1", {8, 40, 105, 17}},  {"Image1", {240, 48, 393, 305}},
    };
    QStringList stacking, below, above;
    for (QObject *child : form->children())
        if (child->isWidgetType())
            stacking << child->objectName();
    for (const auto &[name, rect] : places) {
        auto *w = form->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->geometry(), rect) << name;
        (qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w) ? above : below) << name;
    }
    EXPECT_EQ(stacking, below + above); // made in order; lists and buttons lie on top

    QStringList captions;
    for (const char *label : {"Label1", "Label2", "Label3", "Label4", "Label6", "Label9", "Label10",
                              "Label8", "Command2", "Command1"}) {
        QWidget *w = form->findChild<QWidget *>(label);
        captions << (qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text()
                                               : static_cast<QPushButton *>(w)->text());
    }
    EXPECT_EQ(captions.join('|'), "Buildings:|Decorations:|Objects:|People:|Wehicles|"
                                  "Sky Settings (Sun)|Mission Terrain:|E-Mail:|About...|Exit");
    EXPECT_EQ(form->windowTitle(), "Vorrin Quillet Version 1.2");
    EXPECT_EQ(form->minimumSize(), QSize(650, 439));
    EXPECT_EQ(form->maximumSize(), QSize(650, 439));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, StartsFilledWithNothingChosen)
{
    for (const catalogue::Category &c : catalogue::kCategories) {
        QStringList expected;
        for (const catalogue::Entry &e : c.entries)
            expected << QString::fromUtf8(e.text.data(), qsizetype(e.text.size()));
        EXPECT_EQ(rows(list(c.number)->model()), expected) << c.name;
        EXPECT_EQ(list(c.number)->currentIndex(), -1);
        EXPECT_EQ(list(c.number)->currentText(), "");
        EXPECT_EQ(accessibleName(list(c.number)).toStdString(), c.caption);
    }
    EXPECT_FALSE(shown().isValid());
    EXPECT_EQ(focusName(), "Combo1");
    EXPECT_TRUE(boxes.isEmpty());
    form->chooseEntry(1, 0); // a screen reader names a list by its label, and reads its text
    const QAccessibleInterface *field = QAccessible::queryAccessibleInterface(list(1)->lineEdit());
    EXPECT_EQ(accessibleName(list(1)) + "|" + field->text(QAccessible::Name),
              "Buildings:|Buildings:");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(list(1))->text(QAccessible::Value), "Airtower");
}

TEST_F(WindowTest, TabVisitsListsAndButtonsInTheirOrderAndEnterPressesNothing)
{
    const QStringList forward = {"Command1", "Combo2", "Combo3", "Combo4", "Command2",
                                 "Combo5",   "Combo6", "Combo7", "Combo1"};
    for (const QString &expected : forward) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focusName(), expected);
    }
    for (int i = forward.size() - 2; i >= -1; --i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), i >= 0 ? forward[i] : forward.last());
    }
    QSignalSpy exits(button("Command1"), &QPushButton::clicked);
    QSignalSpy abouts(button("Command2"), &QPushButton::clicked);
    for (int n : {1, 7}) {
        list(n)->setFocus();
        for (int k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            key(k);
    }
    EXPECT_EQ(exits.count() + abouts.count(), 0);
    EXPECT_TRUE(form->isVisible());
    button("Command2")->setFocus(); // on a button, Enter presses it
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return abouts.count() == 1; }));
}

TEST_F(WindowTest, ArrowKeyChoiceShowsTheSheetAsItIsNowAndEmptiesTheOtherLists)
{
    sheet("50cal.qpk", Qt::red);
    list(1)->setCurrentIndex(3);
    list(7)->setCurrentIndex(2);
    list(3)->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(list(3)->currentText(), "50 Cal MG (tripod)");
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_EQ(form->image()->picture().size(), QSize(393, 305));
    EXPECT_EQ(list(1)->currentText(), "");
    EXPECT_EQ(list(1)->currentIndex(), -1);
    EXPECT_EQ(list(7)->currentText(), "d3.trn"); // in no clearing set
    sheet("50cal.qpk", Qt::blue, "bmp");         // same name, new content
    key(Qt::Key_Down);                           // Objects 1 shows the same sheet
    EXPECT_EQ(shown(), QColor(Qt::blue));
    EXPECT_TRUE(boxes.isEmpty());
}

// Beside a settled choice, the sheets of the list being moved through are decoded ahead, so that
// the next key shows its sheet before the choice returns; a file written over since is read
// again, and one gone is missing, as for any choice; a held key never waits.
TEST_F(WindowTest, NextKeyShowsTheSheetDecodedAheadUnlessItsFileChanged)
{
    for (const auto &[name, colour] :
         {std::pair{"bunker.qpk", Qt::red}, {"bunkerfort.qpk", Qt::green}, {"c130.qpk", Qt::blue}})
        sheet(name, colour);
    const sheets::SheetCache &cache = form->runtime()->cache();
    list(1)->setFocus();
    form->chooseEntry(1, 13); // Bunker; the sheet above it is missing
    ASSERT_TRUE(QTest::qWaitFor([&] { return cache.count() == 2; }));
    form->setPatience(std::chrono::milliseconds(0)); // any sheet decoded now comes later
    key(Qt::Key_Down);
    EXPECT_EQ(shown(), QColor(Qt::green));
    ASSERT_TRUE(QTest::qWaitFor([&] { return cache.count() == 3; }));
    // Written over with a picture slow enough to decode that its answer cannot be in at once.
    const auto slow = [](QColor colour) { return encoded(colour, "png", QSize(4000, 3000)); };
    ASSERT_TRUE(writeBytes(folder.filePath("c130.qpk"), slow(Qt::cyan)));
    key(Qt::Key_Down);
    EXPECT_EQ(shown(), QColor(Qt::green));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == QColor(Qt::cyan); }));
    ASSERT_TRUE(QFile::remove(folder.filePath("bunkerfort.qpk")));
    key(Qt::Key_Up);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.isEmpty(); }));
    EXPECT_EQ(boxes,
              QStringList{"Vorrin Propscope: ERROR open file. Reason: The file is missing!"});
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    // A held key's choice never waits for its sheet, however patient the window is.
    form->setPatience(std::chrono::seconds(20));
    ASSERT_TRUE(writeBytes(folder.filePath("c130.qpk"), slow(Qt::magenta)));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(QApplication::focusWidget(), &held);
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == QColor(Qt::magenta); }));
    // Its release went to another window: a click's choice waits again.
    ASSERT_TRUE(writeBytes(folder.filePath("c130.qpk"), slow(Qt::yellow)));
    form->chooseEntry(1, 15);
    EXPECT_EQ(shown(), QColor(Qt::yellow));
}

// A file refused once is not decoded ahead again each time a choice lands beside it; and where
// sheets are decoded in this process, nothing is: a file merely passed by is never read here.
TEST_F(WindowTest, DecodesAheadOnlyInHelpersAndNeverAFileRefusedBefore)
{
    sheet("bunker.qpk", Qt::red);
    ASSERT_TRUE(writeBytes(folder.filePath("bunkerfort.qpk"), "not a picture"));
    list(1)->setFocus();
    const auto asked = [](const Form1 &f) { return f.runtime()->askedAhead(); };
    form->chooseEntry(1, 13);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked(*form) == 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->runtime()->decodingAhead() == 0; }));
    form->chooseEntry(1, 13);
    QTest::qWait(200); // well past when it would be asked for
    EXPECT_EQ(asked(*form), 1u);
    sheets::DecodeServiceOptions options;
    options.helper.program = folder.filePath("none").toStdString(); // no helper can run
    const std::string sheets = folder.path().toStdString();
    Form1 here(sheets::SheetPlaces{{sheets}, {}, sheets}, std::make_unique<RecordingDialogs>(boxes),
               std::make_shared<sheets::DecodeService>(std::move(options)));
    here.setPatience(std::chrono::seconds(20));
    here.Form_Load();
    ASSERT_TRUE(writeBytes(folder.filePath("bunkerfort.qpk"), encoded(Qt::green, "png")));
    here.chooseEntry(1, 13);
    QTest::qWait(200);
    EXPECT_EQ(asked(here), 0u);
}

// Every reason in the one table, each brought about by a sheet of Buildings: said in the
// missing-file message's form under the application title, and Image1 keeps its picture.
TEST_F(WindowTest, FailedSheetKeepsThePictureAndSaysWhy)
{
    using sheets::SheetError;
    const std::map<SheetError, std::tuple<int, const char *, QByteArray, const char *>> causes = {
        {SheetError::Missing, {0, "airtower.qpk", {}, "The file is missing"}},
        {SheetError::NotAPicture,
         {1, "armory.qpk", "not a picture", "The file is not a readable picture"}},
        {SheetError::TooLarge, // within every limit, but past the helper's processor time
         {2, "barracks.qpk",
          "<svg xmlns='http://www.w3.org/2000/svg' width='400' height='400'>" +
              QByteArray("<circle cx='200' cy='200' r='190' fill='none' stroke='red' "
                         "stroke-width='30' stroke-dasharray='0.5 0.5'/>")
                  .repeated(9998) +
              "</svg>",
          "The picture is too large to show"}},
        {SheetError::NoPermission, {4, "beruit.qpk", {}, "No permission to read the file"}},
        {SheetError::NotAFile,
         {7, "beruit2.qpk/", {}, "It is a folder, pipe or device, not a file"}},
    };
    sheet("ghost.qpk", Qt::green);
    sheet("beruit.qpk", Qt::red);
    ASSERT_EQ(::chmod(QFile::encodeName(folder.filePath("beruit.qpk")), 0), 0);
    testing_support::WithoutReadingEverything notRoot; // a file that is not ours stays so
    // Answered at once, or later, when the window has gone on: the same picture and words.
    for (const std::chrono::milliseconds patience :
         {std::chrono::milliseconds(20000), std::chrono::milliseconds(0)}) {
        form->setPatience(patience);
        for (const SheetReason &reason : kSheetReasons) {
            const auto &[index, file, bytes, words] = causes.at(reason.error);
            SCOPED_TRACE(std::string(file) + (patience.count() ? "" : ", later"));
            ASSERT_TRUE(bytes.isEmpty() || writeBytes(folder.filePath(file), bytes));
            ASSERT_TRUE(!QString(file).endsWith('/') || QDir(folder.path()).mkdir(file) ||
                        patience.count() == 0);
            form->chooseEntry(1, 27);
            ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == QColor(Qt::green); }));
            boxes.clear();
            form->chooseEntry(1, index);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.isEmpty(); }));
            EXPECT_EQ(boxes, QStringList{"Vorrin Propscope: ERROR open file. Reason: " +
                                         QString(words) + "!"});
            EXPECT_EQ(shown(), QColor(Qt::green));
            EXPECT_EQ(list(1)->currentIndex(), index); // the choice itself stands
        }
    }
}

// A sheet within a tenth of Image1's proportions fills it; any other picture (a screenshot, a
// portrait, a photo turned as its EXIF orientation says) is drawn whole and centred.
TEST_F(WindowTest, PicturesKeepTheirProportions)
{
    QImage stored(60, 40, QImage::Format_RGB32); // red on the left, to be turned a quarter
    stored.fill(Qt::blue);                       // clockwise: upright, red stands above blue
    QPainter(&stored).fillRect(0, 0, 30, 40, Qt::red);
    QByteArray turned;
    QBuffer buffer(&turned);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && stored.save(&buffer, "jpeg"));
    turned.insert(2, QByteArray("\xFF\xE1\x00\x22"
                                "Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03"
                                "\0\0\0\x01\0\x06\0\0\0\0\0\0",
                                36));
    const std::pair<QByteArray, QRect> rows[] = {
        {encoded(Qt::red, "png", {393, 305}), {0, 0, 393, 305}},
        {encoded(Qt::red, "png", {400, 300}), {0, 0, 393, 305}},
        {encoded(Qt::red, "png", {1920, 1080}), {0, 42, 393, 221}},
        {encoded(Qt::red, "png", {1080, 1920}), {111, 0, 171, 305}},
        {turned, {95, 0, 203, 305}},
    };
    for (const auto &[bytes, drawn] : rows) {
        SCOPED_TRACE(drawn.width());
        ASSERT_TRUE(writeBytes(folder.filePath("house.qpk"), bytes));
        form->chooseEntry(1, 31);
        EXPECT_EQ(form->image()->pictureRect(), QRectF(drawn));
        const QImage box = form->image()->grab().toImage();
        EXPECT_GT(box.pixelColor(drawn.center().x(), drawn.top() + 9).red(), 200);
        EXPECT_EQ(box.pixelColor(drawn.center().x(), drawn.bottom() - 9).blue() > 200,
                  bytes == turned);
        EXPECT_EQ(box.pixelColor(0, 0) == QColor(Qt::red), drawn.topLeft().isNull());
    }
}

// While a sheet is read the window goes on; a newer choice wins, and the older one's answer
// never shows. A picture offered for the chosen entry is decoded by its helper first: each
// hostile file is refused with its reason in bounded time, chosen with Use Picture or pasted.
TEST_F(WindowTest, NewestChoiceWinsAndHostilePicturesAreRefused)
{
    sheet("ghost.qpk", Qt::blue);
    sheet("house.qpk", Qt::red);
    form->setPatience(std::chrono::milliseconds(0));
    QStringList pictures; // every picture Image1 shows, as it comes
    QObject::connect(form->image(), &PictureBox::pictureChanged,
                     [&] { pictures << shown().name(); });
    form->chooseEntry(1, 27);
    EXPECT_TRUE(pictures.isEmpty()); // still on its way
    form->Command2_Click();          // the window answers meanwhile
    form->chooseEntry(1, 31);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == QColor(Qt::red); }));
    QTest::qWait(200);
    EXPECT_FALSE(pictures.contains(QColor(Qt::blue).name())) << pictures.join(' ').toStdString();
    EXPECT_EQ(boxes.size(), 1);

    QTemporaryDir elsewhere;
    for (const testing_support::HostileSheet &h :
         testing_support::writeHostileSheets(elsewhere.path())) {
        for (bool pasted : {false, true}) {
            SCOPED_TRACE(std::string(h.what) + (pasted ? ", pasted" : ""));
            const QString file = elsewhere.filePath(h.sheet);
            boxes.clear();
            if (pasted) {
                auto *data = new QMimeData;
                data->setUrls({QUrl::fromLocalFile(file)});
                QGuiApplication::clipboard()->setMimeData(data);
                form->importActions()->pasteAction()->trigger();
            } else {
                dialogs->picture = file;
                form->importActions()->usePictureAction()->trigger();
            }
            EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.isEmpty(); }, 3000));
            EXPECT_EQ(boxes, QStringList{"Vorrin Propscope: " + file +
                                         " cannot be a sheet: " + reasonText(h.refusal) + "."});
        }
    }
    EXPECT_EQ(dialogs->pictureFor, "House Wooden 1");
}

// Its file dialog names the entry, and offers sheets among the pictures.
TEST(Dialogs, PictureChooserNamesTheEntryAndOffersSheets)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            seen = dialog->windowTitle() + "|" + dialog->nameFilters().first();
            dialog->reject();
        }
    });
    EXPECT_TRUE(QtDialogs().choosePicture(nullptr, "Bed,bunk").isEmpty());
    EXPECT_TRUE(seen.startsWith("Use Picture for Bed,bunk|Pictures (*.qpk *."))
        << seen.toStdString();
}

// Qt's editable combo box makes choices of its own; typing must never be one.
TEST_F(WindowTest, TypingNeverChooses)
{
    sheet("airtower.qpk", Qt::red);
    const std::pair<const char *, int> cases[] = {
        {"Airtower", 0},        {"Airtower", Qt::Key_Return},        {"airtower", Qt::Key_Enter},
        {"Fence", Qt::Key_Tab}, {"Not in the list", Qt::Key_Return},
    };
    for (const auto &[typed, finish] : cases) {
        SCOPED_TRACE(typed);
        list(1)->setFocus();
        list(1)->lineEdit()->clear();
        QTest::keyClicks(QApplication::focusWidget(), typed);
        for (int i = 0; finish != 0 && i < (finish == Qt::Key_Tab ? 1 : 2); ++i)
            key(finish); // the first may only close the completion popup
        EXPECT_EQ(list(1)->count(), 68) << "typed text was added as an entry";
        EXPECT_EQ(list(1)->currentIndex(), -1);
        EXPECT_FALSE(shown().isValid());
    }
    EXPECT_EQ(list(1)->currentText(), "Not in the list"); // typed text stays where it was typed
}

TEST_F(WindowTest, AboutShowsItsMessageAndChangesNothing)
{
    sheet("Day1.qpk", Qt::cyan);
    form->chooseEntry(6, 0);
    button("Command2")->click();
    ASSERT_EQ(boxes.size(), 1);
    const QString prefix = "About Vorrin Quillet: ";
    ASSERT_TRUE(boxes[0].startsWith(prefix));
    const QStringList lines = boxes[0].mid(prefix.size()).split('\n');
    ASSERT_EQ(lines.size(), 13); // twelve line feeds, nothing after the last
    EXPECT_EQ(lines[0], "Vorrin Propscope Version 1.2");
    EXPECT_EQ(lines[2], "Version 1.2 Mission Terrain views Added");
    EXPECT_EQ(lines[6], QString(66, '_'));
    EXPECT_EQ(lines[11], "I will continue to add items to the list in future versions.");
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(lines[i].isEmpty(), i == 1 || i == 3 || i == 9 || i == 12) << i;
    EXPECT_FALSE(boxes[0].contains('\r'));
    EXPECT_EQ(list(6)->currentText(), "Day1 - Light Bright");
    EXPECT_EQ(shown(), QColor(Qt::cyan));
}

TEST_F(WindowTest, ExitAndClosingEndTheEventLoop)
{
    for (bool fromFrame : {false, true}) {
        QTimer::singleShot(0, form.get(),
                           [&] { fromFrame ? (void)form->close() : button("Command1")->click(); });
        QTimer hang; // fails a hang, and is gone before it could end a later test's loop
        hang.callOnTimeout(qApp, [] { QCoreApplication::exit(99); });
        hang.start(5000);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(form->isVisible());
        form->show();
    }
}

TEST_F(WindowTest, MessageBoxHasOneOkButtonNoIconAndIsModal)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        seen = QStringLiteral("%1|%2|%3")
                   .arg(box->text())
                   .arg(box->buttons().size())
                   .arg(box->icon() == QMessageBox::NoIcon &&
                        box->windowModality() == Qt::ApplicationModal &&
                        box->button(QMessageBox::Ok)->icon().isNull());
        box->accept();
    });
    QtDialogs().message(form.get(), "one\n<b>two</b>", "Vorrin Propscope");
    EXPECT_EQ(seen, "one\n<b>two</b>|1|1");
}

TEST_F(WindowTest, CompletionOffersContainedTextAndAPickIsAChoiceOfThatEntry)
{
    sheet("crates.qpk", Qt::red);
    list(2)->setFocus();
    QTest::keyClicks(list(2)->lineEdit(), "RAD");
    EXPECT_EQ(rows(list(2)->completer()->completionModel()),
              (QStringList{"Radar Antenna", "Radar Dich", "Radio"}));
    EXPECT_EQ(list(2)->currentIndex(), -1) << "offering is not choosing";
    for (int row : {1, 0}) { // the two "Crates, Large,stacked" stay two entries
        form->chooseEntry(1, 27);
        list(2)->lineEdit()->clear();
        QTest::keyClicks(list(2)->lineEdit(), "large,st");
        QAbstractItemView *popup = list(2)->completer()->popup();
        ASSERT_TRUE(popup->isVisible());
        const QRect rect = popup->visualRect(popup->model()->index(row, 0));
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(list(2)->currentIndex(), 16 + row);
        EXPECT_EQ(shown(), QColor(Qt::red));
        EXPECT_EQ(list(1)->currentText(), "");
    }
}

TEST_F(WindowTest, FindChoosesInItsOwnListAndEscapeChangesNothing)
{
    sheet("interior.qpk", Qt::red);
    sheet("50cal.qpk", Qt::blue);
    form->chooseEntry(7, 0); // list 7 keeps its text through a choice in list 2
    boxes.clear();
    key(Qt::Key_F, Qt::ControlModifier);
    FindPopup *find = form->findPopup();
    ASSERT_TRUE(find != nullptr && find->isVisible() && find->field()->hasFocus());
    QTest::keyClicks(find->field(), "DG");
    const QStringList dg = rows(find->results()->model());
    ASSERT_EQ(dg.size(), 8); // entries starting with the text first, then in list order
    EXPECT_EQ(dg[0], "dg1.trn  \u2014  Mission Terrain");
    EXPECT_EQ(dg[4], "Bridge,Intersection  \u2014  Buildings");
    find->field()->setText("Wehicles"); // captions are not searched
    EXPECT_TRUE(rows(find->results()->model()).isEmpty());

    find->field()->setText("radi");
    key(Qt::Key_Down); // Radio, below Radar Dich
    key(Qt::Key_Return);
    EXPECT_FALSE(find->isVisible());
    EXPECT_EQ(list(2)->currentIndex(), 39);
    EXPECT_TRUE(list(2)->hasFocus());
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_EQ(list(7)->currentText(), "d1.trn");

    form->showFind();
    QTest::keyClicks(find->field(), "50 cal");
    const QRect row = find->results()->visualRect(find->results()->model()->index(2, 0));
    QTest::mouseClick(find->results()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(list(3)->currentIndex(), 2);
    EXPECT_EQ(list(2)->currentText(), "");

    form->showFind();
    QTest::keyClicks(find->field(), "dg2");
    key(Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
    EXPECT_EQ(list(7)->currentIndex(), 0);
    EXPECT_EQ(shown(), QColor(Qt::blue));
    EXPECT_EQ(accessibleName(find->field()), "Find text");
    EXPECT_TRUE(boxes.isEmpty());
    struct Exact {
        const char *typed;
        int list, index;
    };
    for (const Exact &c : {Exact{"g1.trn", 7, 13}, Exact{"FENCE", 1, 24}}) {
        form->showFind();
        find->field()->setText(c.typed); // the exact entry before those that contain it
        key(Qt::Key_Return);
        EXPECT_EQ(list(c.list)->currentIndex(), c.index) << c.typed;
    }
}

TEST_F(WindowTest, WheelChangesOnlyTheFocusedList)
{
    auto wheel = [](QWidget *w) {
        QWheelEvent event(QPointF(20, 10), w->mapToGlobal(QPointF(20, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &event);
    };
    wheel(list(3));
    EXPECT_EQ(list(3)->currentIndex(), -1);
    EXPECT_TRUE(list(1)->hasFocus()) << "the wheel does not take the focus";
    list(3)->setFocus();
    wheel(list(3));
    EXPECT_EQ(list(3)->currentIndex(), 0);
    EXPECT_EQ(boxes.size(), 1) << "a wheel step is a choice, whose sheet is missing";
}

// The viewer decodes for the zoom it shows, follows the choices made in the main window, and
// shows nothing for a sheet that is missing.
TEST_F(WindowTest, ViewerDecodesWhatItShowsAndFollowsChoices)
{
    auto *actions = form->sheetActions();
    for (QAction *action : form->image()->actions()) // most need a sheet or a choice
        EXPECT_EQ(action->isEnabled(),
                  action->isSeparator() ||
                      action->text().contains(QRegularExpression("^(&Gal|A&dd)")))
            << action->text().toStdString();
    ASSERT_TRUE(writeBytes(folder.filePath("ghost.qpk"), testing_support::flatJpeg(20000, 15000)));
    sheet("house.qpk", Qt::red, "bmp");
    form->chooseEntry(1, 27);
    EXPECT_EQ(form->image()->toolTip(), folder.filePath("ghost.qpk"));
    const QRect screen = form->screen()->availableGeometry();
    form->move(screen.right() - 200, screen.bottom() - 150); // what opens stays on the screen
    QTest::mouseDClick(form->image(), Qt::LeftButton);
    ASSERT_NE(actions->viewer(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(actions->viewer()));
    form->showGallery();
    for (QWidget *opened : std::initializer_list<QWidget *>{actions->viewer(), form->gallery()})
        EXPECT_TRUE(screen.contains(opened->frameGeometry())) << opened->objectName().toStdString();
    form->gallery()->close();
    EXPECT_EQ(actions->viewer()->windowTitle(), "ghost.qpk \u2014 Ghost Town Saloon");
    ZoomView *view = actions->viewer()->view();
    const QSize room = view->viewport()->size();
    // (QTRY_* would only return from the test here: its failures are not GoogleTest's.)
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->decodedSize().width() <= room.width(); }));
    view->zoomTo(1.0, QPointF(room.width() / 2, room.height() / 2));
    // 100 %: the part shown, sharp, and not 300 megapixels.
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->decodedSize().width() > room.width(); }));
    EXPECT_LT(view->decodedSize().width(), 4 * room.width());

    form->chooseEntry(1, 31); // the viewer follows
    EXPECT_EQ(actions->viewer()->windowTitle(), "house.qpk \u2014 House Wooden 1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->isSettled(); }));
    EXPECT_EQ(view->decodedSize(), QSize(52, 40)); // never enlarged when it fits
    form->chooseEntry(1, 0);                       // airtower.qpk is missing
    EXPECT_TRUE(view->decodedSize().isEmpty());
    EXPECT_EQ(boxes.size(), 1);

    // The file changed behind the viewer: a redraw shows it as it is now, or says it is gone.
    form->chooseEntry(1, 31);
    auto *status = actions->viewer()->findChild<QLabel *>();
    for (const char *change : {"30 \u00d7 120", "The file is missing"}) {
        ASSERT_TRUE(QString(change).startsWith("The")
                        ? QFile::remove(folder.filePath("house.qpk"))
                        : writeBytes(folder.filePath("house.qpk"),
                                     encoded(Qt::blue, "png", QSize(30, 120))));
        view->zoomBy(1.25, QPointF(10, 10));
        EXPECT_TRUE(QTest::qWaitFor([&] { return status->text().contains(change); }))
            << status->text().toStdString();
    }
    EXPECT_TRUE(view->decodedSize().isEmpty());
}

// Opened folders, written down instead of shown.
class FolderRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened = url; }

public:
    QUrl opened;
};

// Every action of Image1's menu has a key of its own anywhere in the window, even with the focus
// in a list's text field; Shift+F10 opens the menu, which shows the keys.
TEST_F(WindowTest, EveryActionHasItsKeyAnywhereInTheWindow)
{
    sheet("house.qpk", Qt::red);
    form->chooseEntry(1, 31);
    FolderRecorder folders;
    QDesktopServices::setUrlHandler("file", &folders, "open");
    QGuiApplication::clipboard()->setImage(QImage::fromData(encoded(Qt::blue, "png")));
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const std::tuple<QKeySequence, std::function<QString()>, QString> rows[] = {
        {Qt::CTRL | Qt::SHIFT | Qt::Key_V, [&] { return boxes.join('|').left(29); },
         "? Use this picture as house.q"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_C, // the pixels, and the file as it is
         [&] {
             return QString::number(clipboard->image().width()) +
                    (clipboard->mimeData()->data("image/png") == encoded(Qt::red, "png") ? " file"
                                                                                         : "");
         },
         "52 file"},
        {Qt::CTRL | Qt::ALT | Qt::Key_C,
         [&] { return QString(clipboard->mimeData()->data("text/plain")); },
         folder.filePath("house.qpk")},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_O, [&] { return folders.opened.toLocalFile(); },
         folder.path()},
        {Qt::CTRL | Qt::Key_O, [&] { return boxes.join('|'); }, "choose sheets"},
        {Qt::CTRL | Qt::Key_Return,
         [&] { return QString::number(form->sheetActions()->viewer() != nullptr); }, "1"},
    };
    dialogs->answer = false;
    for (const auto &[keys, effect, expected] : rows) {
        SCOPED_TRACE(keys.toString().toStdString());
        boxes.clear();
        list(2)->setFocus();
        QTest::keySequence(QApplication::focusWidget(), keys);
        EXPECT_TRUE(QTest::qWaitFor([&] { return effect() == expected; }))
            << effect().toStdString();
    }
    QDesktopServices::unsetUrlHandler("file");

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu != nullptr ? menu->actions() : QList<QAction *>())
            items << action->text() + " " + action->shortcut().toString();
        if (menu != nullptr)
            menu->close();
    });
    key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(items.contains("&View Full Size Ctrl+Return")) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains("A&dd Sheets\u2026 Ctrl+O"));
}

// While Ctrl+F is open its field and list are part of the main window, a frame, for a screen
// reader; the gallery says when its filter matches nothing, and sizes its tiles with Ctrl and
// the keypad's plus and minus, which never reach the filter.
TEST_F(WindowTest, FindAndGalleryForTheKeyboardAndScreenReaders)
{
    form->showFind();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
    std::function<bool(QAccessibleInterface *, QObject *)> holds = [&](QAccessibleInterface *at,
                                                                       QObject *object) {
        for (int i = 0; at != nullptr && i < at->childCount(); ++i) {
            if (at->child(i)->object() == object || holds(at->child(i), object))
                return true;
        }
        return false;
    };
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_TRUE(holds(window, form->findPopup()->field()));
    EXPECT_TRUE(holds(window, form->findPopup()->results()));

    form->showGallery();
    Gallery *gallery = form->gallery();
    const int width = gallery->view()->tileWidth();
    QTest::keyClick(gallery->filterField(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_GT(gallery->view()->tileWidth(), width);
    QTest::keyClick(gallery->filterField(), Qt::Key_Minus,
                    Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(gallery->view()->tileWidth(), width);
    EXPECT_EQ(gallery->filterField()->text(), "");
    EXPECT_FALSE(gallery->noMatchLabel()->isVisibleTo(gallery));
    QTest::keyClicks(gallery->filterField(), "zzz");
    EXPECT_TRUE(gallery->noMatchLabel()->isVisibleTo(gallery));
    QStyleOptionViewItem option;
    option.initFrom(gallery->view());
    EXPECT_EQ(
        TileDelegate::twoLines("Wooden,large,wooden,large,wooden,large", option, 60)[0].left(3),
        "Woo"); // the start of a name is never cut
}

#include "WindowTest.moc"

// A pick in the gallery is a choice in its own list; its filter matches as Ctrl+F does; a tile
// whose sheet cannot be had says why, and nothing says it in a box.
TEST_F(WindowTest, GalleryChoosesFiltersAndShowsWhyNot)
{
    sheet("ghost.qpk", Qt::red);
    ASSERT_TRUE(writeBytes(folder.filePath("house.qpk"), "not a picture"));
    key(Qt::Key_G, Qt::ControlModifier);
    Gallery *gallery = form->gallery();
    ASSERT_TRUE(gallery != nullptr && gallery->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return gallery->pending() == 0; }));
    const QAbstractItemModel *tiles = gallery->view()->model();
    auto tileOf = [&](const QString &text) {
        return tiles->match(tiles->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly)[0];
    };
    EXPECT_EQ(tileOf("Ghost Town Saloon").data(Qt::AccessibleTextRole),
              "Buildings: Ghost Town Saloon");
    EXPECT_EQ(tileOf("Ghost Town Saloon").data(Qt::AccessibleDescriptionRole), "ghost.qpk");
    EXPECT_EQ(tileOf("House Wooden 2").data(Qt::AccessibleDescriptionRole),
              sheets::qs(reasonFor(sheets::SheetError::NotAPicture).text));
    EXPECT_EQ(tileOf("Airtower").data(Qt::AccessibleDescriptionRole), "The file is missing");
    EXPECT_TRUE(boxes.isEmpty());

    for (const catalogue::Category &c : catalogue::kCategories) { // one pick in each list
        form->chooseEntry(c.number == 1 ? 2 : 1, 0);
        const QModelIndex tile = tileOf(QString::fromUtf8(c.entries.back().text.data(),
                                                          qsizetype(c.entries.back().text.size())));
        gallery->view()->setCurrentIndex(tile);
        QTest::keyClick(gallery->view(), Qt::Key_Return);
        EXPECT_EQ(list(c.number)->currentIndex(), c.entryCount() - 1) << c.name;
        EXPECT_EQ(list(c.number == 1 ? 2 : 1)->currentText(), "") << c.name;
    }
    EXPECT_EQ(shown(), QColor()); // every last entry's sheet is missing here
    EXPECT_EQ(boxes.size(), 7 + 7);

    form->showFind(); // the gallery's filter matches as Find does, in list order
    QTest::keyClicks(form->findPopup()->field(), "DG");
    QTest::keyClicks(gallery->filterField(), "DG");
    QStringList found, shownEntries, shownCaptions;
    for (const QString &row : rows(form->findPopup()->results()->model()))
        found << row.section("  \u2014  ", 0, 0);
    for (int row = 0; row < tiles->rowCount(); ++row)
        (tiles->index(row, 0).data(ListRole).toInt() ? shownEntries : shownCaptions)
            << tiles->index(row, 0).data().toString();
    std::rotate(found.begin(), found.begin() + 4, found.end()); // Find ranks dg1…dg4 first
    EXPECT_EQ(shownEntries, found);
    EXPECT_EQ(shownCaptions, (QStringList{"Buildings:", "Mission Terrain:"}));
    form->findPopup()->hide();
    QTest::keyClick(gallery->filterField(), Qt::Key_Escape); // clears the filter ...
    EXPECT_EQ(gallery->filterField()->text(), "");
    QTest::keyClicks(gallery->filterField(), "g1.trn"); // Enter takes the exact entry
    QTest::keyClick(gallery->filterField(), Qt::Key_Return);
    EXPECT_EQ(list(7)->currentIndex(), 13);
    QTest::keyClick(gallery->filterField(), Qt::Key_Escape);
    QTest::keyClick(gallery->filterField(), Qt::Key_Escape); // ... then closes
    EXPECT_FALSE(gallery->isVisible());
}

// The gallery keeps its tiles in the desktop's thumbnail cache and takes them from there while
// they are the sheet's as it is now; a refused sheet is recorded and not read again while it is
// unchanged. A cached file is anyone's: one not right for the sheet, or not a plain small file,
// is not believed, and is written again.
TEST_F(WindowTest, GalleryKeepsItsTilesInTheDesktopCache)
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME") + "/thumbnails";
    ASSERT_TRUE(cache.startsWith(QDir::tempPath())); // never the desktop's own
    QDir(cache).removeRecursively();
    const auto cached = [&](const char *below, const char *name) {
        return cache + below +
               sheets::ThumbnailCache::fileNameOf(sheets::ThumbnailCache::uriOf(
                   QFile::encodeName(folder.filePath(name)).toStdString()));
    };
    const QString ghost = cached("/large/", "ghost.qpk"),
                  house = cached("/fail/tesselbox/", "house.qpk");
    const QSize big(400, 300);
    // BMP: the same size in every colour.
    ASSERT_TRUE(writeBytes(folder.filePath("ghost.qpk"), encoded(Qt::red, "bmp", big)));
    ASSERT_TRUE(writeBytes(folder.filePath("house.qpk"), "not a picture"));
    const auto reopen = [&] {
        form->showGallery();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->gallery()->pending() == 0; }));
        form->gallery()->waitForThumbnails();
    };
    const auto tile = [&](const char *text, int role) {
        const QAbstractItemModel *tiles = form->gallery()->view()->model();
        return tiles->match(tiles->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly)[0].data(
            role);
    };
    const auto ghostShows = [&] {
        const QImage picture = tile("Ghost Town Saloon", Qt::DecorationRole).value<QImage>();
        return picture.pixelColor(picture.rect().center());
    };
    const auto said = [&] { return tile("House Wooden 2", Qt::AccessibleDescriptionRole); };
    const auto moved = [&](const char *name, const QByteArray &bytes, time_t by) {
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat st {};
        ASSERT_EQ(::stat(path.constData(), &st), 0);
        ASSERT_TRUE(bytes.isNull() || writeBytes(folder.filePath(name), bytes));
        st.st_mtim.tv_sec += by;
        const timespec times[2] = {st.st_atim, st.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    };

    reopen();
    QImageReader written(ghost);
    const QImage thumbnail = written.read();
    const QFileInfo sheetFile(folder.filePath("ghost.qpk"));
    EXPECT_EQ(thumbnail.size(), QSize(256, 192));
    EXPECT_EQ(thumbnail.text("Thumb::URI"), "file://" + sheetFile.filePath());
    EXPECT_EQ(thumbnail.text("Thumb::MTime"),
              QString::number(sheetFile.lastModified().toSecsSinceEpoch()));
    EXPECT_EQ(thumbnail.text("Thumb::Size"), QString::number(sheetFile.size()));
    EXPECT_EQ(QImageReader(house).read().text(sheets::kRefusalKey),
              QString::number(int(sheets::SheetError::NotAPicture)));
    for (const QString &path : {cache, cache + "/large", cache + "/fail/tesselbox", ghost, house}) {
        struct stat st {};
        EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, path.endsWith(".png") ? 0600u : 0700u) << path.toStdString();
    }

    // Written over, their size and time kept: what the cache says shows, nothing is read again.
    moved("ghost.qpk", encoded(Qt::blue, "bmp", big), 0);
    moved("house.qpk", "P1\n1 1\n1     ", 0); // a picture of 13 bytes
    reopen();
    EXPECT_EQ(ghostShows(), QColor(Qt::red));
    EXPECT_EQ(said(), sheets::qs(reasonFor(sheets::SheetError::NotAPicture).text));
    moved("ghost.qpk", {}, 10); // changed: read again
    moved("house.qpk", {}, 10);
    reopen();
    EXPECT_EQ(ghostShows(), QColor(Qt::blue));
    EXPECT_EQ(said(), "house.qpk");

    const auto forged = [](const QByteArray &uri, qint64 mtime, qint64 size) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::green);
        image.setText("Thumb::URI", uri);
        image.setText("Thumb::MTime", QString::number(mtime));
        image.setText("Thumb::Size", QString::number(size));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "png") ? bytes : "";
    };
    const QByteArray uri = "file://" + QFile::encodeName(sheetFile.filePath());
    const qint64 mtime = QFileInfo(sheetFile.filePath()).lastModified().toSecsSinceEpoch();
    const qint64 size = sheetFile.size();
    const QByteArray right = forged(uri, mtime, size);
    const QString outside = folder.filePath("outside.png");
    ASSERT_TRUE(writeBytes(outside, right));
    const std::tuple<const char *, QByteArray, QColor> forgeries[] = {
        {"its own", right, Qt::green},
        {"another file's", forged(uri + "x", mtime, size), Qt::blue},
        {"an older one", forged(uri, mtime - 1, size), Qt::blue},
        {"of another size", forged(uri, mtime, size + 1), Qt::blue},
        {"over 4 MiB", right + QByteArray(4 << 20, '\0'), Qt::blue},
        {"damaged", right.left(right.size() - 20), Qt::blue},
        {"a link", {}, Qt::blue},
    };
    for (const auto &[what, bytes, shows] : forgeries) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(QFile::remove(ghost));
        ASSERT_TRUE(bytes.isNull() ? QFile::link(outside, ghost) : writeBytes(ghost, bytes));
        reopen();
        EXPECT_EQ(ghostShows(), shows);
        EXPECT_EQ(QImageReader(ghost).read().text("Thumb::MTime"), QString::number(mtime));
    }
    EXPECT_EQ(QFileInfo(ghost).isSymLink(), false);
    QFile kept(outside);
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == right);
}

// Sheets added, replaced in place or removed by hand: the card, an open gallery and an open
// viewer follow without being asked; Image1 keeps what was chosen; nothing says it in a box.
TEST_F(WindowTest, EverythingFollowsTheSheetFolders)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->image()->hint().isEmpty(); }));
    form->showGallery();
    const QAbstractItemModel *tiles = form->gallery()->view()->model();
    const auto tileSays = [&] {
        return tiles->match(tiles->index(0, 0), Qt::DisplayRole, "Airtower", 1, Qt::MatchExactly)[0]
            .data(Qt::AccessibleDescriptionRole)
            .toString();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return tileSays() == "The file is missing"; }));
    sheet("airtower.qpk", Qt::red);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->image()->hint().isEmpty(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tileSays() == "airtower.qpk"; }));

    form->chooseEntry(1, 0);
    QTest::mouseDClick(form->image(), Qt::LeftButton);
    auto *status = form->sheetActions()->viewer()->findChild<QLabel *>();
    ZoomView *view = form->sheetActions()->viewer()->view();
    QWidget *viewed = view->viewport();
    const auto viewerShows = [&](QColor colour) {
        return QTest::qWaitFor(
            [&] { return viewed->grab().toImage().pixelColor(viewed->rect().center()) == colour; });
    };
    EXPECT_TRUE(viewerShows(Qt::red) && QTest::qWaitFor([&] { return view->isSettled(); }));
    sheet("airtower.qpk", Qt::blue); // written over in place, its size the same
    EXPECT_TRUE(viewerShows(Qt::blue));
    ASSERT_TRUE(QFile::remove(folder.filePath("airtower.qpk")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tileSays() == "The file is missing"; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text().contains("The file is missing"); }));
    sheet("airtower.qpk", Qt::green); // and back
    EXPECT_TRUE(viewerShows(Qt::green));
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
}

// A new user's road to pictures: while no sheet is there, Image1 and the gallery say where
// sheets go; a picture pasted or dropped on Image1 becomes the chosen entry's sheet after a
// yes, shows at once and keeps the old one; a folder dropped on the window is added.
TEST_F(WindowTest, OwnPicturesBecomeSheets)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->image()->hint().isEmpty(); }));
    EXPECT_TRUE(form->image()->hint().contains(folder.path() + "."));
    form->showGallery();
    EXPECT_EQ(form->gallery()->hint(), form->image()->hint());
    form->gallery()->close();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    QTest::mouseClick(form->image(), Qt::LeftButton); // with no entry chosen, Ctrl+V says so
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes, QStringList{"Vorrin Propscope: Choose an entry first: the pasted picture "
                                 "becomes its sheet."});
    boxes.clear();
    form->chooseEntry(2, 0);  // a picture goes to the entry chosen last ...
    form->chooseEntry(1, 27); // ... whose ghost.qpk is missing
    QGuiApplication::clipboard()->setImage(QImage::fromData(encoded(Qt::red, "png")));
    QTest::mouseClick(form->image(), Qt::LeftButton);
    key(Qt::Key_V, Qt::ControlModifier);
    // Packed, held against the sheet there and written off the window's thread.
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == QColor(Qt::red); }));
    EXPECT_EQ(boxes.mid(2), QStringList{"? Use this picture as ghost.qpk?\n\nThis picture will be "
                                        "shown for:\nGhost Town Barn\nGhost Town Church\nGhost "
                                        "Town Saloon\nGhost Town Store\nGhost Town Store, two "
                                        "story"});
    EXPECT_EQ(dialogs->preview.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(QImageReader(folder.filePath("ghost.qpk")).format(), "png");
    EXPECT_TRUE(form->image()->hint().isEmpty());
    EXPECT_TRUE(form->gallery()->hint().isEmpty());

    const QByteArray blue = encoded(Qt::blue, "bmp");
    QTemporaryDir elsewhere;
    ASSERT_TRUE(writeBytes(elsewhere.filePath("blue.bmp"), blue));
    auto drop = [](QWidget *on, const QString &path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(on, &enter);
        if (enter.isAccepted())
            QApplication::sendEvent(on, &dropped);
    };
    for (bool yes : {false, true}) { // a no changes nothing; a yes keeps the file's own bytes
        dialogs->answer = yes;
        boxes.clear();
        drop(form->image(), elsewhere.filePath("blue.bmp"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.size() == 1; }));
        EXPECT_TRUE(boxes[0].endsWith(" now will be kept in " + folder.path() + "/replaced."));
        EXPECT_EQ(dialogs->preview.pixelColor(20, 20), QColor(Qt::blue)); // as its helper read it
        EXPECT_EQ(QTest::qWaitFor([&] { return shown() == QColor(Qt::blue); }, 500), yes);
    }
    QFile sheet(folder.filePath("ghost.qpk"));
    EXPECT_TRUE(sheet.open(QIODevice::ReadOnly) && sheet.readAll() == blue);

    QGuiApplication::clipboard()->setText("Radio"); // in a list's field, Ctrl+V pastes text
    list(2)->setFocus();
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(list(2)->currentText(), "Radio");

    ASSERT_TRUE(writeBytes(elsewhere.filePath("ARMORY.QPK"), encoded(Qt::green, "png")));
    boxes.clear();
    drop(form.get(), elsewhere.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->importActions()->importer()->isBusy(); }));
    EXPECT_EQ(boxes, QStringList{"= Added 1 sheet(s) to " + folder.path() +
                                 ".\nLeft alone 1 file(s) or folder(s) that give no sheet. | " +
                                 elsewhere.filePath("blue.bmp: left alone: not named like a "
                                                    "sheet")});
    form->chooseEntry(1, 1);
    EXPECT_EQ(shown(), QColor(Qt::green));

    // On a full disk, only a sheet that was there is said to stay as it was.
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, full{64, RLIM_INFINITY};
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    for (const auto &[entry, words] : {std::pair(1, "disk. The sheet there stays as it was."),
                                       std::pair(2, "disk. Nothing was written.")}) {
        form->chooseEntry(1, entry); // armory.qpk, then barracks.qpk, which is missing
        boxes.clear();
        drop(form->image(), elsewhere.filePath("blue.bmp"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.size() == 2; }));
        EXPECT_TRUE(boxes.last().endsWith(words)) << boxes.join('\n').toStdString();
    }
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
}

// A folder that takes a while to look at: its progress, wide enough for its whole title, goes
// before the question, which a key and a click answer, and goes at once on a Cancel; the
// summary's details name what was left alone.
TEST_F(WindowTest, AddingAFolderAsksInTheOpenAndSaysWhatItLeftAlone)
{
    auto progress = []() -> QProgressDialog * {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *p = qobject_cast<QProgressDialog *>(w); p && p->isVisible())
                return p;
        return nullptr;
    };
    auto click = [](QWidget *button) {
        QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(button->window(), button->rect().center()));
    };
    QTemporaryDir from;
    const QByteArray big = encoded(Qt::red, "png", QSize(6000, 5000)); // slow to decode
    for (std::size_t i = 0; i < 16; ++i) {
        const char *name = catalogue::kSheets[i].data();
        ASSERT_TRUE(writeBytes(from.filePath(name), big));
        sheet(name, Qt::blue);
    }
    ASSERT_TRUE(writeBytes(from.filePath("README.txt"), "read me"));
    const std::pair<int, QString> answers[] = {{Qt::Key_Escape, "Kept 16 "},
                                               {Qt::LeftButton, "Replaced 16 "}};
    for (const auto &[answer, outcome] : answers) {
        boxes.clear();
        dialogs->ask = [&](QWidget *box) {
            QTest::qWait(500); // longer than a progress takes to show
            EXPECT_EQ(progress(), nullptr);
            ASSERT_TRUE(qobject_cast<QMessageBox *>(box));
            if (answer == Qt::LeftButton)
                click(static_cast<QMessageBox *>(box)->defaultButton()); // Replace
            else
                QTest::keyClick(box->windowHandle(), Qt::Key(answer));
        };
        form->importActions()->addFrom({from.path()});
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !form->importActions()->importer()->isBusy(); }, 20000));
        EXPECT_TRUE(boxes.last().contains(outcome)) << boxes.join('\n').toStdString();
        EXPECT_TRUE(boxes.last().contains(from.filePath("README.txt: left alone: not named")));
    }
    form->importActions()->addFrom({from.path()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress() != nullptr; }));
    QPointer<QProgressDialog> shown = progress();
    QFont title = shown->font();
    title.setBold(true);
    title.setPointSize(11);
    EXPECT_GT(shown->width(), QFontMetrics(title).horizontalAdvance("Adding Sheets") + 120);
    click(shown->findChild<QPushButton *>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !form->importActions()->importer()->isBusy(); }, 20000));
    EXPECT_EQ(boxes.last(), "= Cancelled: no sheet was added.");
}
