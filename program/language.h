#pragma once
// The interface language: Japanese when the desktop's locale is Japanese, English otherwise.
// KORVEN_LANG=en or ja overrides the locale. Only what a person reads changes with it; every
// file the programs write stays the same in either language.
#include <QString>

namespace korven {

enum class Language { English, Japanese };

// The language for these environment values (empty = unset). KORVEN_LANG "en" or "ja" wins;
// otherwise the first set of LC_ALL, LC_MESSAGES and LANG decides, as the C library does.
Language chooseLanguage(const QString &korvenLang, const QString &lcAll, const QString &lcMessages,
                        const QString &lang);
// The same for the process's environment.
Language languageFromEnvironment();

// The help manual's file name in the program folder for a language.
QString helpFileName(Language language);

// Loads the program's and Qt's own Japanese texts into the application for Japanese; nothing
// for English. Returns false when the program's translation could not be loaded.
bool installTranslations(Language language);
// Takes back what installTranslations installed (tests switch between languages).
void removeTranslations();

// The language installTranslations last chose.
Language currentLanguage();

} // namespace korven
