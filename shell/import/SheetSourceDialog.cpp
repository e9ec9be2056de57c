#include "SheetSourceDialog.h"

#include <QFileInfo>

namespace shell {

SheetSourceDialog::SheetSourceDialog(QWidget *parent)
    : QFileDialog(parent, tr("Add Sheets from Folders or Files"))
{
    // Qt's own dialog: a desktop's chooser takes either folders or files, never both.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFiles);
    setLabelText(QFileDialog::Accept, tr("&Add"));
}

void SheetSourceDialog::accept()
{
    const QStringList chosen = selectedFiles();
    for (const QString &path : chosen) {
        if (!QFileInfo::exists(path))
            return QFileDialog::accept(); // says what is wrong
    }
    m_chosen = chosen;
    QDialog::accept();
}

} // namespace shell
