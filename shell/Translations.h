#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace shell {

// The program's own words and Qt's (its file chooser, its standard buttons) in the desktop's
// language, the first of its languages the program has; English, the words in the code, when
// English comes first or none is had. The window's own texts are never translated.
class Translations {
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // "de", "pt_BR" and so on; empty for English.
    QString language() const { return m_language; }
    bool hasQtWords() const { return !m_qt.isEmpty(); }
    // From now on every tr() of the application reads them; the application must exist.
    void install();
    // Before the application exists: `source` in the language, or as it is.
    QString text(const char *context, const char *source) const;

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};

} // namespace shell
