#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace zamt {

bool installQtTranslations(const QLocale& locale) {
    static std::unique_ptr<QTranslator> installed;
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    installed = std::make_unique<QTranslator>();
    if (!installed->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed.reset();
        return false;
    }
    return QCoreApplication::installTranslator(installed.get());
}

} // namespace zamt
