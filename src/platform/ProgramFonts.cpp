#include "platform/ProgramFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace zamt {

void addProgramFonts() {
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(name));
}

} // namespace zamt
