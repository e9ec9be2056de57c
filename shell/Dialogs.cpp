#include "Dialogs.h"

#include "ApplicationRecord.h"
#include "QtText.h"
#include "SheetSourceDialog.h"

#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>

namespace shell {

using sheets::qs;

void QtDialogs::message(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // plain, like the window's own buttons
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtDialogs::confirm(QWidget *parent, const QString &question, const QString &accept,
                        const QString &reject)
{
    return confirmPicture(parent, question, {}, accept, reject);
}

bool QtDialogs::confirmPicture(QWidget *parent, const QString &question, const QImage &picture,
                               const QString &accept, const QString &reject)
{
    QMessageBox box(QMessageBox::Question, qs(kApplicationTitle), question, QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    if (!picture.isNull()) { // in place of the question's icon, at the screen's own pixels
        const qreal dpr = box.devicePixelRatioF();
        QPixmap shown = QPixmap::fromImage(
            picture.scaled(kPicturePreview * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        shown.setDevicePixelRatio(dpr);
        box.setIconPixmap(shown);
    }
    QPushButton *yes = box.addButton(accept, QMessageBox::AcceptRole);
    box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void QtDialogs::report(QWidget *parent, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Information, qs(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    box.exec();
}

QStringList QtDialogs::chooseSheetSources(QWidget *parent)
{
    SheetSourceDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QStringList();
}

QString QtDialogs::choosePicture(QWidget *parent, const QString &entry)
{
    // Sheets are pictures too, whatever their extension.
    QStringList patterns{QStringLiteral("*.qpk")};
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("shell::QtDialogs", "Use Picture for %1").arg(entry),
        QString(),
        QCoreApplication::translate("shell::QtDialogs", "Pictures (%1);;All files (*)")
            .arg(patterns.join(' ')));
}

} // namespace shell
