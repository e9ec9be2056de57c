#pragma once

#include "SheetError.h"
#include "SheetLoader.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace shell {

class ZoomView;

// A window of its own around a ZoomView, titled with the sheet file and the entry, with a
// status line that says the picture's size and zoom, or why there is no picture. Esc closes it.
class SheetViewer : public QWidget {
    Q_OBJECT
public:
    explicit SheetViewer(sheets::SheetLoader loader, QWidget *parent = nullptr);

    // Shows `sheet`, found as `path`, of `fullSize` pixels, `preview` at once; with an `error`,
    // says why instead.
    void showSheet(const std::string &sheet, const QString &entry, const std::string &path,
                   QSize fullSize, const QImage &preview,
                   sheets::SheetError error = sheets::SheetError::None);
    ZoomView *view() const { return m_view; }
    // Sheets whose files came, went or changed: the one shown is read again.
    void sheetFilesChanged(const QStringList &sheets);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateStatus();
    void sheetChanged(const sheets::DecodeResult &found);

    ZoomView *m_view;
    QLabel *m_status;
    QString m_sheetStatus;
    std::string m_sheet;
};

} // namespace shell
