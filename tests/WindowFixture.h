#pragma once

#include "SheetFiles.h"

#include "CatalogueList.h"
#include "Form1.h"
#include "PictureBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace testing_support {

struct Box {
    QString title;
    QString prompt;
};

// A filled main window that finds its sheets in a temporary folder and records its message
// boxes instead of showing them.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sheets.isValid());
        form = std::make_unique<shell::Form1>(
            sheets::SheetLoader(sheets::SheetLocator(folderList({sheets.path()}))));
        form->setMessagePresenter([this](QWidget *, const QString &prompt, const QString &title) {
            boxes.push_back({title, prompt});
        });
        form->Form_Load();
    }

    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->hide();
    }

    void showActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    shell::CatalogueList *list(int n) const { return form->list(n); }
    QPushButton *button(const char *name) const { return form->findChild<QPushButton *>(name); }

    // The control that has the keyboard focus (a list rather than its text field).
    QString focusName() const
    {
        QWidget *w = QApplication::focusWidget();
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QComboBox *>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }

    // The colour in the middle of the picture Image1 shows.
    QColor shownColour() const
    {
        const QImage picture = form->image()->picture().toImage();
        return picture.isNull() ? QColor() : picture.pixelColor(picture.rect().center());
    }

    QTemporaryDir sheets;
    std::vector<Box> boxes;
    std::unique_ptr<shell::Form1> form;
};

} // namespace testing_support
