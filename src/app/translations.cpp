#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace mottler {
namespace {

// The installed translators: the program's own (":/i18n/mottler_<language>.qm", compiled in)
// and Qt's (qtbase_<language>.qm from the Qt installation, when it is there).
std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;

std::unique_ptr<QTranslator> Loaded(const QLocale& locale, const QString& name,
                                    const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    RemoveTranslations();
    // QTranslator::load tries each of locale.uiLanguages() in turn. English is the source
    // language and has no file, so an English locale finds none and keeps the source texts.
    ownTranslator = Loaded(locale, QStringLiteral("mottler"), QStringLiteral(":/i18n"));
    if (!ownTranslator)
        return false;
    // Qt's texts in the language the program's own translation was found for, so the
    // standard buttons never speak a language the rest of the window does not.
    const QLocale found(ownTranslator->language());
    qtTranslator = Loaded(found, QStringLiteral("qtbase"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

void RemoveTranslations() {
    for (std::unique_ptr<QTranslator>* translator : {&ownTranslator, &qtTranslator}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

} // namespace mottler
