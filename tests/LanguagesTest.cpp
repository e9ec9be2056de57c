// The program in every language it speaks: the window's own texts stay exactly as they are, the
// words it adds are translated, each menu's and dialog's accelerators are its own, and no label
// or button is cut short.
#include "CatalogueList.h"
#include "Dialogs.h"
#include "Form1.h"
#include "Gallery.h"
#include "PictureBox.h"
#include "SheetActions.h"
#include "SheetSourceDialog.h"
#include "SheetViewer.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace shell;

namespace {

// The texts of `window`'s visible labels and buttons (and a menu's actions) that their room cuts
// short, and the accelerators and keys that two of them share.
QStringList faults(QWidget *window, const QList<QAction *> &actions = {})
{
    QStringList found, letters, keys;
    const auto accelerator = [&](const QString &text) {
        const qsizetype at = QString(text).remove("&&").indexOf('&');
        if (at >= 0 && letters.contains(text.mid(at + 1, 1).toLower()))
            found << "shared accelerator: " + text;
        letters << (at >= 0 ? text.mid(at + 1, 1).toLower() : QString());
    };
    for (QAction *action : actions) {
        accelerator(action->text());
        if (keys.contains(action->shortcut().toString()) && !action->shortcut().isEmpty())
            found << "shared key: " + action->text();
        keys << action->shortcut().toString();
    }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        auto *button = qobject_cast<QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (!w->isVisibleTo(window) || text.isEmpty())
            continue;
        if (button != nullptr || label->buddy() != nullptr)
            accelerator(text);
        const QRect room = w->contentsRect();
        if (label != nullptr && label->wordWrap()
                ? label->heightForWidth(room.width()) > room.height()
                : w->sizeHint().width() > w->width())
            found << "cut short: " + text;
    }
    return found;
}

// Looks at the modal dialog that `open` shows, with `look`, and closes it; nullptr: none came.
void modal(const std::function<void()> &open, const std::function<void(QWidget *)> &look)
{
    QTimer poll; // fires in whatever loop `open` waits in
    bool seen = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget(); dialog != nullptr && !seen) {
            seen = true;
            look(dialog);
            dialog->close();
        }
    });
    poll.start(20);
    open();
    if (!seen)
        look(nullptr);
}

// What the window and its added dialogs show in `language`: the window's own texts and boxes,
// some added texts, and the faults found in each menu and dialog.
std::tuple<QStringList, QStringList, QStringList> showIn(const QString &language)
{
    Translations translations{QLocale(language)};
    EXPECT_EQ(translations.language(), language == "en" ? QString() : language);
    EXPECT_EQ(translations.hasQtWords(), language != "en");
    translations.install();
    QTemporaryDir folder;
    sheets::DecodeServiceOptions options;
    options.helper.program = PROPSCOPE_DECODER;
    Form1 form(sheets::SheetPlaces{{folder.path().toStdString()}, {}, folder.path().toStdString()},
               nullptr, std::make_shared<sheets::DecodeService>(std::move(options)));
    form.setPatience(std::chrono::seconds(20));
    form.Form_Load();
    form.show();
    PictureBox *box = form.image();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box->hint().isEmpty(); }));
    QStringList own{form.windowTitle()}, added{box->hint()}, found = faults(&form, box->actions());
    if (!box->hintRect().contains(
            box->fontMetrics().boundingRect(box->hintRect(), PictureBox::kHintFlags, box->hint())))
        found << "cut short: " + box->hint(); // the first-start card
    for (QWidget *w : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        own << w->property("text").toString(); // labels' and buttons' captions
    for (int n = 1; n <= 7; ++n) {
        for (int row = 0; row < form.list(n)->count(); ++row)
            own << form.list(n)->itemText(row);
    }
    const auto said = [&](QWidget *w) {
        if (auto *message = qobject_cast<QMessageBox *>(w))
            own << message->windowTitle() + ": " + message->text();
    };
    modal([&] { form.Command2_Click(); }, said);
    modal([&] { form.chooseEntry(1, 0); }, said); // missing
    QFile(folder.filePath("ghost.qpk")).open(QIODevice::WriteOnly);
    modal([&] { form.chooseEntry(1, 27); }, said); // not a picture

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(folder.filePath("house.qpk"), "PNG");
    form.chooseEntry(1, 31);
    added << form.sheetActions()->viewAction()->text();
    form.sheetActions()->view();
    found << faults(form.sheetActions()->viewer());
    form.showGallery();
    found << faults(form.gallery());
    const auto look = [&](QWidget *w) { found << (w ? faults(w) : QStringList("no dialog")); };
    SheetSourceDialog chooser(&form);
    modal([&] { chooser.exec(); }, look);
    for (const auto &[context, accept, reject] :
         {std::tuple{"shell::ImportActions", "&Use Picture", "&Cancel"},
          std::tuple{"shell::SheetImporter", "&Replace", "&Keep Them"}}) {
        const QString yes = QCoreApplication::translate(context, accept);
        const QString no = QCoreApplication::translate(context, reject);
        modal([&] { QtDialogs().confirm(&form, yes, yes, no); }, look);
    }
    return {own, added, found};
}

} // namespace

TEST(Languages, OwnTextsStayAddedOnesAreTranslatedWholeAndDistinct)
{
    const auto [english, englishAdded, englishFaults] = showIn("en");
    EXPECT_EQ(englishFaults.join('|').toStdString(), "");
    EXPECT_EQ(english.filter("Vorrin Propscope: ERROR open file. Reason: The file is").size(), 2);
    for (const QString &language : QString(PROPSCOPE_LANGUAGES).split(' ')) {
        SCOPED_TRACE(language.toStdString());
        const auto [own, added, found] = showIn(language);
        EXPECT_EQ(own, english);
        for (qsizetype i = 0; i < added.size(); ++i)
            EXPECT_NE(added[i], englishAdded[i]);
        EXPECT_EQ(found.join('|').toStdString(), "");
    }
}
