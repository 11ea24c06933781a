#pragma once
// File names for the Windows API: wide characters, backslashes. (Windows only.)
#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <string>

namespace zamt {

inline std::wstring widePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

inline std::wstring widePath(const std::string& utf8) {
    return widePath(QString::fromStdString(utf8));
}

// Names Windows gives to devices, in every folder and with any extension
// (CON, NUL, COM1, ...), and names it would silently cut short (a dot or a
// blank at the end): never a file of the user's.
inline bool reservedOrCutFileName(const QString& name) {
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9]|CONIN\\$|CONOUT\\$) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch() || name.endsWith(QLatin1Char('.')) ||
           name.endsWith(QLatin1Char(' '));
}

} // namespace zamt
