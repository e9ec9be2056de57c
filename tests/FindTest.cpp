#include "WindowFixture.h"

#include "CatalogueList.h"
#include "FindPopup.h"
#include "Form1.h"
#include "PictureBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
using testing_support::near;
using testing_support::writeSheet;

namespace {

class FindTest : public testing_support::WindowFixture {
protected:
    void SetUp() override
    {
        for (const char *sheet :
             {"crates.qpk", "interior.qpk", "ghost.qpk", "dg2.qpk", "50cal.qpk"})
            ASSERT_TRUE(
                writeSheet(sheets.path(), sheet, QColor(qHash(QString(sheet)) | 0xFF000000u)));
        WindowFixture::SetUp();
        showActive();
    }

    static QStringList rowsOf(const QAbstractItemModel *model)
    {
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r)
            rows << model->index(r, 0).data().toString();
        return rows;
    }

    // The rows the completion popup of list `n` offers.
    QStringList offered(int n) const { return rowsOf(list(n)->completer()->completionModel()); }

    void typeInto(int n, const QString &text)
    {
        list(n)->setFocus();
        QTest::keyClicks(list(n)->lineEdit(), text);
    }

    QStringList findResults() const { return rowsOf(form->findPopup()->results()->model()); }

    QString accessibleName(QObject *o) const
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o);
        return a ? a->text(QAccessible::Name) : QString();
    }
};

} // namespace

TEST_F(FindTest, CompletionOffersEntriesContainingTheTextIgnoringCase)
{
    typeInto(2, "RAD");
    EXPECT_EQ(offered(2), (QStringList{"Radar Antenna", "Radar Dich", "Radio"}));
    list(2)->lineEdit()->clear();
    typeInto(2, "large,st");
    EXPECT_EQ(offered(2), (QStringList{"Crates, Large,stacked", "Crates, Large,stacked"}));
    EXPECT_TRUE(list(2)->completer()->popup()->isVisible());
    EXPECT_EQ(list(2)->currentIndex(), -1) << "offering is not choosing";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FindTest, PickingFromTheCompletionIsAChoiceOfThatVeryEntry)
{
    struct Case {
        const char *how;
        int row;
        int index;
    };
    for (const Case &c : {Case{"keyboard", 1, 17}, Case{"keyboard", 0, 16}, Case{"mouse", 1, 17}}) {
        SCOPED_TRACE(std::string(c.how) + " row " + std::to_string(c.row));
        form->chooseEntry(1, 27); // something in another list, to be emptied
        list(2)->lineEdit()->clear();
        typeInto(2, "large,st");
        QAbstractItemView *popup = list(2)->completer()->popup();
        ASSERT_TRUE(popup->isVisible());
        if (std::string_view(c.how) == "keyboard") {
            for (int i = 0; i <= c.row; ++i)
                QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        } else {
            const QRect row = popup->visualRect(popup->model()->index(c.row, 0));
            QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, row.center());
        }
        EXPECT_EQ(list(2)->currentIndex(), c.index);
        EXPECT_EQ(form->image()->sheetName(), "crates.qpk");
        EXPECT_EQ(list(1)->currentText(), "") << "Combo2_Click empties Combo1";
        EXPECT_FALSE(popup->isVisible());
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FindTest, EnterOnTypedTextWithoutAPickChoosesNothing)
{
    typeInto(2, "Radio"); // the exact text of an entry
    QTest::keyClick(list(2)->completer()->popup(), Qt::Key_Return);
    QTest::keyClick(list(2)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list(2)->currentIndex(), -1);
    EXPECT_EQ(list(2)->count(), 60);
    EXPECT_TRUE(form->image()->picture().isNull());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FindTest, FindMatchesAcrossListsInListOrder)
{
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(form->findPopup(), nullptr);
    ASSERT_TRUE(form->findPopup()->isVisible());
    EXPECT_TRUE(form->findPopup()->field()->hasFocus());

    // "brIDGe" and "DG1.trn": categories in their order, entries in list order.
    QTest::keyClicks(form->findPopup()->field(), "DG");
    const QStringList dg = findResults();
    ASSERT_EQ(dg.size(), 8);
    EXPECT_EQ(dg[0], "Bridge,Intersection  \u2014  Buildings:");
    EXPECT_EQ(dg[3], "Stone Bridge  \u2014  Buildings:");
    EXPECT_EQ(dg[4], "dg1.trn  \u2014  Mission Terrain:");
    EXPECT_EQ(dg[7], "dg4.trn  \u2014  Mission Terrain:");

    form->findPopup()->field()->setText("cal");
    const QStringList cal = findResults();
    ASSERT_EQ(cal.size(), 5);
    EXPECT_EQ(cal[0], "Table, Chemicals (inside)  \u2014  Decorations:");
    EXPECT_EQ(cal[2], "50 Cal MG (tripod)  \u2014  Objects:");

    form->findPopup()->field()->setText("Wehicles"); // captions are not searched
    EXPECT_TRUE(findResults().isEmpty());

    form->findPopup()->field()->setText("a");
    EXPECT_GT(findResults().size(), 100);
    EXPECT_TRUE(findResults().first().startsWith("Airtower"));
    EXPECT_TRUE(findResults().last().endsWith("Mission Terrain:"));
}

TEST_F(FindTest, EnterChoosesTheHighlightedEntryInItsOwnList)
{
    form->chooseEntry(7, 0); // list 7 keeps its text through a choice in list 2
    form->showFind();
    FindPopup *find = form->findPopup();
    QTest::keyClicks(find->field(), "radio");
    EXPECT_EQ(find->results()->currentIndex().row(), 0) << "the first match is highlighted";
    QTest::keyClick(find->field(), Qt::Key_Return);

    EXPECT_FALSE(find->isVisible());
    EXPECT_EQ(list(2)->currentIndex(), 39);
    EXPECT_EQ(list(2)->currentText(), "Radio");
    EXPECT_EQ(form->image()->sheetName(), "interior.qpk");
    EXPECT_EQ(list(7)->currentText(), "d1.trn");
    EXPECT_TRUE(list(2)->hasFocus());
    EXPECT_EQ(boxes.size(), 1u) << "d1.qpk was missing; nothing more";
}

TEST_F(FindTest, ArrowsMoveTheHighlightAndAClickChooses)
{
    form->showFind();
    FindPopup *find = form->findPopup();
    QTest::keyClicks(find->field(), "ghost town");
    QTest::keyClick(find->field(), Qt::Key_Down);
    QTest::keyClick(find->field(), Qt::Key_Down);
    QTest::keyClick(find->field(), Qt::Key_Up);
    EXPECT_TRUE(find->results()->currentIndex().data().toString().startsWith("Ghost Town Church"));
    QTest::keyClick(find->field(), Qt::Key_Enter);
    EXPECT_EQ(list(1)->currentIndex(), 26);

    form->showFind();
    QTest::keyClicks(find->field(), "50 cal");
    const QRect row = find->results()->visualRect(find->results()->model()->index(2, 0));
    QTest::mouseClick(find->results()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(find->isVisible());
    EXPECT_EQ(list(3)->currentIndex(), 2);
    EXPECT_EQ(form->image()->sheetName(), "50cal.qpk");
    EXPECT_EQ(list(1)->currentText(), "");
}

TEST_F(FindTest, EscapeLeavesEverythingAsItWas)
{
    form->chooseEntry(1, 25);
    const qint64 picture = form->image()->picture().cacheKey();
    form->showFind();
    QTest::keyClicks(form->findPopup()->field(), "dg2");
    QTest::keyClick(form->findPopup()->field(), Qt::Key_Escape);
    EXPECT_FALSE(form->findPopup()->isVisible());
    EXPECT_EQ(list(1)->currentIndex(), 25);
    EXPECT_EQ(list(7)->currentIndex(), -1);
    EXPECT_EQ(form->image()->picture().cacheKey(), picture);
    EXPECT_TRUE(boxes.empty());

    // The window itself is unchanged: same controls, same focus order.
    list(1)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");
}

TEST_F(FindTest, WheelChangesOnlyTheFocusedList)
{
    auto wheel = [](QWidget *w) {
        QWheelEvent event(QPointF(20, 10), w->mapToGlobal(QPointF(20, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &event);
    };
    list(1)->setFocus();
    wheel(list(3));
    EXPECT_EQ(list(3)->currentIndex(), -1);
    EXPECT_TRUE(list(1)->hasFocus()) << "the wheel does not take the focus";

    list(3)->setFocus();
    wheel(list(3));
    EXPECT_EQ(list(3)->currentIndex(), 0);
    EXPECT_EQ(form->image()->sheetName(), "50cal.qpk") << "a wheel step is a choice";
}

TEST_F(FindTest, EverythingHasANameForScreenReaders)
{
    const char *captions[] = {"Buildings:", "Decorations:",       "Objects:",        "People:",
                              "Wehicles",   "Sky Settings (Sun)", "Mission Terrain:"};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(accessibleName(list(n)), captions[n - 1]);
    EXPECT_EQ(accessibleName(form->findChild<QPushButton *>("Command1")), "Exit");
    EXPECT_EQ(accessibleName(form->findChild<QPushButton *>("Command2")), "About...");

    EXPECT_EQ(accessibleName(form->image()), "No picture sheet shown");
    form->chooseEntry(1, 27);
    EXPECT_EQ(accessibleName(form->image()), "Picture sheet ghost.qpk");
    form->chooseEntry(1, 0); // missing: the name stays with the picture
    EXPECT_EQ(accessibleName(form->image()), "Picture sheet ghost.qpk");

    form->showFind();
    EXPECT_EQ(accessibleName(form->findPopup()), "Find an entry");
    EXPECT_EQ(accessibleName(form->findPopup()->field()), "Find text");
    EXPECT_EQ(accessibleName(form->findPopup()->results()), "Matching entries");
}
