#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace shell {

Translations::Translations(const QLocale &locale)
{
    const QString prefix = QStringLiteral("tesselbox_");
    // uiLanguages() follows LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, most wanted first.
    for (QString name : locale.uiLanguages()) {
        name.replace(u'-', u'_');
        if (name == u"C" || name == u"en" || name.startsWith(u"en_"))
            return;
        // load() also tries the name without its territory: "de_AT" finds "de".
        if (m_own.load(prefix + name, QStringLiteral(":/i18n"))) {
            m_language = m_own.filePath().section(u'/', -1).mid(prefix.size());
            m_language.chop(3); // ".qm"
            (void)m_qt.load(QStringLiteral("qtbase_") + name,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void Translations::install()
{
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
    if (!m_own.isEmpty())
        QCoreApplication::installTranslator(&m_own);
}

QString Translations::text(const char *context, const char *source) const
{
    const QString translated = m_own.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace shell
