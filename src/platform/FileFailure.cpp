#include "platform/FileFailure.h"

#include <QDir>
#include <QFileInfo>

namespace zamt {

QString fileFailureMessage(FileStep step, const QString& path, const QString& reason,
                           TextHook translate) {
    QString form = step == FileStep::Open     ? QStringLiteral("Cannot open file \"%1\". %2")
                   : step == FileStep::Create ? QStringLiteral("Cannot create file \"%1\". %2")
                                              : QStringLiteral("Cannot write file \"%1\". %2");
    if (translate)
        form = translate(form);
    // As the system spells paths: backslashes on Windows.
    const QString shown =
        path.isEmpty() ? path : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return form.arg(shown, reason);
}

QString fileFailureMessage(FileStep step, const QString& path, int error, TextHook translate) {
    return fileFailureMessage(step, path, systemErrorText(error), translate);
}

} // namespace zamt
