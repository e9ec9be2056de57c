#include "WindowRuntime.h"

#include "ApplicationRecord.h"
#include "CatalogueList.h"
#include "Form1.h"
#include "PictureBox.h"
#include "QtText.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>

namespace shell {

preview::ErrorNumber errorNumberOf(sheets::SheetError error)
{
    switch (error) {
    case sheets::SheetError::None:
        return preview::kNoError;
    case sheets::SheetError::Missing:
        return preview::kErrFileNotFound;
    case sheets::SheetError::NotAPicture:
        return preview::kErrInvalidPicture;
    case sheets::SheetError::TooLarge:
        return preview::kErrOutOfMemory;
    case sheets::SheetError::NoPermission:
        return preview::kErrPermissionDenied;
    case sheets::SheetError::NotAFile:
        return preview::kErrPathFileAccess;
    }
    return preview::kErrInternal;
}

WindowRuntime::WindowRuntime(Form1 &form, sheets::SheetLoader loader)
    : m_form(form)
    , m_loader(std::move(loader))
{}

void WindowRuntime::setListText(int list, std::string_view text)
{
    CatalogueList *l = m_form.list(list);
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

int WindowRuntime::listIndex(int list) const
{
    const CatalogueList *l = m_form.list(list);
    return l != nullptr ? l->currentIndex() : -1;
}

preview::ErrorNumber WindowRuntime::loadPicture(std::string_view fileName)
{
    PictureBox *image = m_form.image();
    const qreal dpr = image->devicePixelRatioF();
    const QSize deviceSize(qRound(image->width() * dpr), qRound(image->height() * dpr));
    sheets::DecodedSheet sheet = m_loader.load(fileName, deviceSize);
    if (sheet.image.isNull()) {
        qWarning("%s", qPrintable(sheet.reason));
        return errorNumberOf(sheet.error);
    }
    // Converted once, here, to what the screen paints fastest.
    QPixmap pixmap = QPixmap::fromImage(std::move(sheet.image));
    if (pixmap.isNull())
        return preview::kErrOutOfMemory;
    pixmap.setDevicePixelRatio(dpr);
    image->setPicture(pixmap, qs(fileName),
                      QFileInfo(QFile::decodeName(sheet.path.c_str())).absoluteFilePath());
    return preview::kNoError;
}

void WindowRuntime::msgBox(std::string_view prompt, std::optional<std::string_view> title)
{
    m_form.dialogs().message(&m_form, qs(prompt), qs(title.value_or(kApplicationTitle)));
}

} // namespace shell
