#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

namespace shell {

// The most a picture in a question takes, in the screen's logical pixels.
inline constexpr QSize kPicturePreview(160, 120);

// Everything the window asks of the user or tells them in a box of its own. The program shows
// Qt's dialogs; tests and benchmarks answer in their place.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // One OK button, no icon, modal for the whole application; returns when closed.
    virtual void message(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // A question with two answers; true for `accept`.
    virtual bool confirm(QWidget *parent, const QString &question, const QString &accept,
                         const QString &reject) = 0;
    // The same about a picture, already decoded, shown small beside the question; where no
    // picture can be shown, the question alone.
    virtual bool confirmPicture(QWidget *parent, const QString &question, const QImage &picture,
                                const QString &accept, const QString &reject)
    {
        Q_UNUSED(picture);
        return confirm(parent, question, accept, reject);
    }
    // What an action did, with details that are shown on request.
    virtual void report(QWidget *parent, const QString &text, const QString &details) = 0;
    // Folders or files to add sheets from; empty when the user thinks better of it.
    virtual QStringList chooseSheetSources(QWidget *parent) = 0;
    // A picture file for `entry`; empty when the user thinks better of it.
    virtual QString choosePicture(QWidget *parent, const QString &entry) = 0;
};

// Qt's own message boxes and file dialogs.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget *parent, const QString &prompt, const QString &title) override;
    bool confirm(QWidget *parent, const QString &question, const QString &accept,
                 const QString &reject) override;
    bool confirmPicture(QWidget *parent, const QString &question, const QImage &picture,
                        const QString &accept, const QString &reject) override;
    void report(QWidget *parent, const QString &text, const QString &details) override;
    QStringList chooseSheetSources(QWidget *parent) override;
    QString choosePicture(QWidget *parent, const QString &entry) override;
};

} // namespace shell
