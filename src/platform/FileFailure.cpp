#include "platform/FileFailure.h"

#include <QDir>
#include <QFileInfo>
#include <clocale>
#include <cstring>
#include <locale.h>

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

#ifndef _WIN32 // Windows: SystemErrorWindows.cpp
QString systemErrorText(int error) {
    // In English whatever the user's locale, as are the messages around it.
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (!english)
        return QStringLiteral("Error %1").arg(error);
    return QString::fromLocal8Bit(::strerror_l(error, english));
}

void keepSystemReasonsInEnglish() {
    // The reasons Qt's file classes give come from the system's messages.
    std::setlocale(LC_MESSAGES, "C");
}
#endif

} // namespace zamt
