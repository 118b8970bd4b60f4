#include "program/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korven {

namespace {

// "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.eucJP@euro": the language is the part before '_', '.', '@'.
bool isJapaneseLocale(const QString &value)
{
    qsizetype end = value.size();
    for (QChar stop : {u'_', u'.', u'@'}) {
        const qsizetype at = value.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    return value.left(end).compare(QLatin1String("ja"), Qt::CaseInsensitive) == 0;
}

QTranslator *programTranslator = nullptr;
QTranslator *qtTranslator = nullptr;
Language installed = Language::English;

} // namespace

Language chooseLanguage(const QString &korvenLang, const QString &lcAll, const QString &lcMessages,
                        const QString &lang)
{
    const QString choice = korvenLang.trimmed().toLower();
    if (choice == QLatin1String("ja"))
        return Language::Japanese;
    if (choice == QLatin1String("en"))
        return Language::English;
    for (const QString &value : {lcAll, lcMessages, lang}) {
        if (!value.isEmpty())
            return isJapaneseLocale(value) ? Language::Japanese : Language::English;
    }
    return Language::English;
}

Language languageFromEnvironment()
{
    return chooseLanguage(qEnvironmentVariable("KORVEN_LANG"), qEnvironmentVariable("LC_ALL"),
                          qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QString helpFileName(Language language)
{
    return language == Language::Japanese ? QStringLiteral("KORVENHelp.ja.html")
                                          : QStringLiteral("KORVENHelp.html");
}

bool installTranslations(Language language)
{
    removeTranslations();
    installed = language;
    if (language != Language::Japanese)
        return true;
    programTranslator = new QTranslator;
    const bool loaded = programTranslator->load(QStringLiteral(":/i18n/korven_ja.qm"));
    if (loaded)
        QCoreApplication::installTranslator(programTranslator);
    // Qt's own dialogs and message-box buttons; without Qt's translations they stay English.
    qtTranslator = new QTranslator;
    if (qtTranslator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    return loaded;
}

void removeTranslations()
{
    for (QTranslator **t : {&programTranslator, &qtTranslator}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    installed = Language::English;
}

Language currentLanguage() { return installed; }

} // namespace korven
