#include "ui/language.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace ui {

Language chooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        const QString language = tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == u"en")
            return Language::English;
        if (language == u"ja" || language == u"c" || language == u"posix")
            return Language::Japanese;
    }
    // Another language: English is read far more widely than Japanese.
    return uiLanguages.isEmpty() ? Language::Japanese : Language::English;
}

std::unique_ptr<QTranslator> translatorFor(Language language)
{
    if (language == Language::Japanese)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    // Built into the program: a missing translation is a build fault, not the user's.
    const bool loaded = translator->load(QStringLiteral(":/i18n/taisen_en.qm"));
    Q_ASSERT(loaded);
    return loaded ? std::move(translator) : nullptr;
}

std::unique_ptr<QTranslator> qtTranslatorFor(Language language)
{
    if (language == Language::English)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    const bool loaded =
        translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return loaded ? std::move(translator) : nullptr;
}

std::vector<std::unique_ptr<QTranslator>> installTranslations(Language language)
{
    std::vector<std::unique_ptr<QTranslator>> installed;
    std::unique_ptr<QTranslator> both[] = {translatorFor(language), qtTranslatorFor(language)};
    for (auto& translator : both)
        if (translator) {
            QCoreApplication::installTranslator(translator.get());
            installed.push_back(std::move(translator));
        }
    return installed;
}

std::vector<std::unique_ptr<QTranslator>> installTranslation()
{
    return installTranslations(chooseLanguage(QLocale::system().uiLanguages()));
}

} // namespace ui
