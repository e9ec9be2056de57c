#include "WindowFixture.h"

#include "AboutMessage.h"
#include "Catalogue.h"
#include "CatalogueList.h"
#include "Form1.h"
#include "PictureBox.h"
#include "Selection.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
#include "WindowRuntime.h"
using testing_support::near;
using testing_support::writeSheet;

namespace {

class Form1Test : public testing_support::WindowFixture {
protected:
    void type(QWidget *target, const QString &text) { QTest::keyClicks(target, text); }
};

} // namespace

TEST_F(Form1Test, ControlsStandWhereTheWindowDescriptionPutsThem)
{
    struct Case {
        const char *name;
        QRect pixels;
        const char *caption;
    };
    const Case cases[] = {
        {"Combo7", {8, 296, 217, 21}, ""},
        {"Combo6", {8, 256, 217, 21}, ""},
        {"Combo5", {8, 216, 217, 21}, ""},
        {"Command2", {464, 400, 81, 25}, "About..."},
        {"Combo4", {8, 176, 217, 21}, ""},
        {"Combo3", {8, 136, 217, 21}, ""},
        {"Combo2", {8, 96, 217, 21}, ""},
        {"Command1", {552, 400, 81, 25}, "Exit"},
        {"Combo1", {8, 56, 217, 21}, ""},
        {"Label10", {8, 280, 137, 17}, "Mission Terrain:"},
        {"Label9", {8, 240, 105, 17}, "Sky Settings (Sun)"},
        {"Label8", {8, 352, 81, 17}, "E-Mail:"},
        {"Label7", {8, 368, 169, 17}, nullptr},
        {"Label5", {8, 384, 177, 17}, nullptr},
        {"Label6", {8, 200, 73, 17}, "Wehicles"},
        {"Label4", {8, 160, 57, 17}, "People:"},
        {"Label3", {8, 120, 73, 17}, "Objects:"},
        {"Label2", {8, 80, 89, 17}, "Decorations:"},
        {"Label1", {8, 40, 105, 17}, "Buildings:"},
        {"Image1", {240, 48, 393, 305}, ""},
    };
    QStringList stacking; // bottom to top
    for (QObject *child : form->children()) {
        if (child->isWidgetType())
            stacking << child->objectName();
    }
    ASSERT_EQ(stacking.size(), 20);

    QStringList below, above;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto *w = form->findChild<QWidget *>(c.name, Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.pixels);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (c.caption)
                EXPECT_EQ(label->text(), c.caption);
            else
                EXPECT_TRUE(label->text().endsWith("@example.org")) << label->text().toStdString();
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
            EXPECT_FALSE(label->autoFillBackground()); // the artwork shows between the letters
        } else if (auto *b = qobject_cast<QPushButton *>(w)) {
            EXPECT_EQ(b->text(), c.caption);
        }
        // Created in the table's order; lists and buttons then lie above everything else.
        const bool onTop = qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w);
        (onTop ? above : below) << c.name;
    }
    EXPECT_EQ(stacking, below + above);
}

TEST_F(Form1Test, WindowHasAFixedSizeAndItsOwnCaption)
{
    EXPECT_EQ(form->windowTitle(), "Vorrin Quillet Version 1.2");
    EXPECT_EQ(form->minimumSize(), QSize(650, 439));
    EXPECT_EQ(form->maximumSize(), QSize(650, 439));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(QGuiApplication::applicationDisplayName() == QGuiApplication::applicationName())
        << "a display name of its own would be appended to the window title";
}

TEST_F(Form1Test, StartsWithFilledListsAndNothingChosen)
{
    showActive();
    for (const catalogue::Category &c : catalogue::kCategories) {
        SCOPED_TRACE(c.number);
        CatalogueList *l = list(c.number);
        ASSERT_EQ(l->count(), c.entryCount());
        for (int i = 0; i < l->count(); ++i)
            ASSERT_EQ(l->itemText(i).toStdString(), c.entries[std::size_t(i)].text) << i;
        EXPECT_EQ(l->currentIndex(), -1);
        EXPECT_EQ(l->currentIndex(), -1);
        EXPECT_EQ(l->currentText(), "");
        EXPECT_EQ(l->accessibleName().toStdString(), c.caption);
    }
    EXPECT_TRUE(form->image()->picture().isNull());
    EXPECT_EQ(focusName(), "Combo1");
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Form1Test, TabVisitsListsAndButtonsInTheirOrder)
{
    showActive();
    const QStringList forward = {"Command1", "Combo2", "Combo3", "Combo4", "Command2",
                                 "Combo5",   "Combo6", "Combo7", "Combo1"};
    for (const QString &expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusName(), expected);
    }
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    backward.removeFirst(); // we stand on Combo1
    backward << "Combo1";
    for (const QString &expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), expected);
    }
}

TEST_F(Form1Test, EnterAndEscapePressNoButton)
{
    showActive();
    QSignalSpy exitSpy(button("Command1"), &QPushButton::clicked);
    QSignalSpy aboutSpy(button("Command2"), &QPushButton::clicked);
    for (int n : {1, 4, 7}) {
        list(n)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    EXPECT_EQ(exitSpy.count(), 0);
    EXPECT_EQ(aboutSpy.count(), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Form1Test, ArrowKeyChoiceRunsTheSelectionOfItsList)
{
    ASSERT_TRUE(writeSheet(sheets.path(), "50cal.qpk", Qt::red));
    showActive();
    list(1)->setCurrentIndex(3);
    list(7)->setCurrentIndex(2);

    list(3)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);

    EXPECT_EQ(list(3)->currentIndex(), 0);
    EXPECT_EQ(list(3)->currentText(), "50 Cal MG (tripod)");
    EXPECT_EQ(form->image()->sheetName(), "50cal.qpk");
    EXPECT_TRUE(near(shownColour(), Qt::red));
    EXPECT_EQ(list(1)->currentText(), ""); // emptied
    EXPECT_EQ(list(1)->currentIndex(), -1);
    EXPECT_EQ(list(7)->currentText(), "d3.trn"); // list 7 is in no clearing set
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Form1Test, ChoosingTheSameEntryAgainReadsTheSheetAgain)
{
    ASSERT_TRUE(writeSheet(sheets.path(), "ghost.qpk", Qt::red, "png"));
    showActive();
    QAbstractItemView *view = list(1)->view();
    auto pickFromPopup = [&](int row) {
        list(1)->showPopup();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTRY_VERIFY(!view->window()->isVisible());
    };

    pickFromPopup(27);
    EXPECT_EQ(list(1)->currentIndex(), 27);
    EXPECT_TRUE(near(shownColour(), Qt::red));

    // Same name, new content: the next choice shows the new picture.
    ASSERT_TRUE(writeSheet(sheets.path(), "ghost.qpk", Qt::blue, "jpeg"));
    pickFromPopup(27);
    EXPECT_TRUE(near(shownColour(), Qt::blue));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Form1Test, MissingSheetIsReportedUnderTheApplicationTitle)
{
    ASSERT_TRUE(writeSheet(sheets.path(), "beruit.qpk", Qt::green));
    form->chooseEntry(1, 4);
    ASSERT_TRUE(boxes.empty());
    form->chooseEntry(1, 0); // airtower.qpk is missing
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Vorrin Propscope");
    EXPECT_EQ(boxes[0].prompt, "ERROR open file. Reason: The file is missing!");
    EXPECT_EQ(form->image()->sheetName(), "beruit.qpk");
    EXPECT_TRUE(near(shownColour(), Qt::green));
}

// Qt's editable combo box makes choices of its own; typing must never be one.
TEST_F(Form1Test, TypingNeverChooses)
{
    ASSERT_TRUE(writeSheet(sheets.path(), "airtower.qpk", Qt::red));
    ASSERT_TRUE(writeSheet(sheets.path(), "fence.qpk", Qt::blue));
    showActive();
    form->chooseEntry(2, 0); // something chosen elsewhere, whose text must stay
    const QString shownBefore = form->image()->sheetName();

    struct Case {
        const char *typed;
        Qt::Key finish; // Qt::Key_unknown: just type
    };
    const Case cases[] = {
        {"Airtower", Qt::Key_unknown}, // exact text of an entry
        {"Airtower", Qt::Key_Return},  // ... confirmed with Enter
        {"airtower", Qt::Key_Enter},   // ... in other case
        {"Fence", Qt::Key_Tab},        // ... and leaving the field
        {"Not in the list", Qt::Key_Return},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        list(1)->setFocus();
        list(1)->lineEdit()->clear();
        type(QApplication::focusWidget(), c.typed);
        if (c.finish != Qt::Key_unknown) {
            // The first key may only close the completion popup; press it once more.
            QTest::keyClick(QApplication::focusWidget(), c.finish);
            if (c.finish != Qt::Key_Tab)
                QTest::keyClick(QApplication::focusWidget(), c.finish);
        }
        EXPECT_EQ(list(1)->count(), 68) << "typed text was added as an entry";
        EXPECT_EQ(list(1)->currentIndex(), -1);
        EXPECT_EQ(list(2)->currentText(), "Banana plant 1, Medium");
        EXPECT_EQ(form->image()->sheetName(), shownBefore);
        EXPECT_TRUE(boxes.size() <= 1u); // only the earlier missing plants1.qpk
    }
    EXPECT_EQ(list(1)->currentText(), "Not in the list"); // typed text stays where it was typed
}

TEST_F(Form1Test, EmptyingAListIsNotAChoice)
{
    form->chooseEntry(4, 5);
    boxes.clear();
    list(4)->clearText();
    EXPECT_EQ(list(4)->currentText(), "");
    EXPECT_EQ(list(4)->currentIndex(), -1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Form1Test, AboutShowsItsMessageAndChangesNothing)
{
    ASSERT_TRUE(writeSheet(sheets.path(), "Day1.qpk", Qt::cyan));
    form->chooseEntry(6, 0);
    button("Command2")->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "About Vorrin Quillet");
    const QString text = boxes[0].prompt;
    EXPECT_EQ(text.count('\n'), 12);
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_TRUE(text.startsWith("Vorrin Propscope Version 1.2\n\n"));
    EXPECT_TRUE(text.endsWith("I will continue to add items to the list in future versions.\n"));
    EXPECT_FALSE(text.endsWith("\n\n"));
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 13); // twelve line feeds, nothing after the last
    EXPECT_EQ(lines[2], "Version 1.2 Mission Terrain views Added");
    for (int empty : {1, 3, 9})
        EXPECT_TRUE(lines[empty].isEmpty()) << empty;
    EXPECT_EQ(lines[6], QString(66, '_'));
    EXPECT_TRUE(lines[10].contains("freeware"));
    for (int credit : {4, 5, 7, 8})
        EXPECT_FALSE(lines[credit].isEmpty()) << credit;

    EXPECT_EQ(list(6)->currentIndex(), 0);
    EXPECT_EQ(list(6)->currentText(), "Day1 - Light Bright");
    EXPECT_TRUE(near(shownColour(), Qt::cyan));
}

TEST_F(Form1Test, ExitAndClosingEndTheEventLoop)
{
    for (bool fromFrame : {false, true}) {
        SCOPED_TRACE(fromFrame);
        Form1 window;
        window.Form_Load();
        window.show();
        QTimer::singleShot(0, &window, [&] {
            if (fromFrame)
                window.close();
            else
                window.findChild<QPushButton *>("Command1")->click();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); }); // a hang fails
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(MessageBox, HasOneOkButtonNoIconAndIsModal)
{
    QMessageBox *seen = nullptr;
    QString title, text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!seen)
            return;
        title = seen->windowTitle();
        text = seen->text();
        buttons = int(seen->buttons().size());
        EXPECT_EQ(seen->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(seen->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(seen->textFormat(), Qt::PlainText);
        seen->accept();
    });
    showMessageBox(nullptr, "first line\n<b>second</b>", "Vorrin Propscope");
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(title, "Vorrin Propscope");
    EXPECT_EQ(text, "first line\n<b>second</b>");
    EXPECT_EQ(buttons, 1);
}
