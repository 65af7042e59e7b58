#pragma once
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

namespace ui {

// The texts are written in Japanese; English comes from a translation shipped inside the program.
enum class Language { Japanese, English };

// The first of Japanese and English among the user's interface languages (as
// QLocale::system().uiLanguages() lists them); Japanese for the C and POSIX locales and when none
// is given, English when only other languages are.
Language chooseLanguage(const QStringList& uiLanguages);

// The loaded translation into the language, or null for Japanese, which needs none.
std::unique_ptr<QTranslator> translatorFor(Language language);
// Qt's own texts (standard buttons, a text box's menu) in Japanese from the system's Qt
// translations; null for English, which Qt is written in, or where they are not installed.
std::unique_ptr<QTranslator> qtTranslatorFor(Language language);
// Installs both into the application; they stay installed while the result lives.
std::vector<std::unique_ptr<QTranslator>> installTranslations(Language language);

// Installs the translation that the user's languages ask for, once an application object exists;
// it lives as long as the caller's.
std::vector<std::unique_ptr<QTranslator>> installTranslation();

} // namespace ui
