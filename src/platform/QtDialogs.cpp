#include "platform/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintDialog>

namespace zamt {

QString qtNameFilter(const QString& filter) {
    QStringList entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            QStringLiteral("(%1)").arg(QString(parts[i + 1]).replace(';', ' '));
        // A caption that shows its patterns already ("Report Snapshot Files
        // (*.rps)") is not given them twice.
        entries << (parts[i].endsWith(patterns, Qt::CaseInsensitive)
                        ? parts[i]
                        : parts[i] + QLatin1Char(' ') + patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

// For each "caption|patterns" pair, the extension its first pattern gives a
// name typed without one: "pdf" for "*.pdf", none for "*.*" or "*".
QStringList patternExtensions(const QString& filter) {
    QStringList extensions;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString first = parts[i + 1].section(QLatin1Char(';'), 0, 0).trimmed();
        QString extension = first.startsWith(QStringLiteral("*.")) ? first.mid(2) : QString();
        for (const QChar wildcard : {u'*', u'?', u'['})
            if (extension.contains(wildcard))
                extension.clear();
        extensions << extension;
    }
    return extensions;
}

QString withoutDot(QString extension) {
    if (extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    return extension;
}

} // namespace

std::optional<QString> QtDialogs::openFile(QWidget* parent, const OpenFileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setNameFilter(qtNameFilter(request.filter));
    dialog.setDefaultSuffix(withoutDot(request.defaultExtension));
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

std::optional<SaveFileAnswer> QtDialogs::saveFile(QWidget* parent, const SaveFileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    const QStringList filters = qtNameFilter(request.filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    // A name typed without an extension gets the one of the filter selected
    // when it has one of its own ("passport" with "*.pdf" is passport.pdf),
    // else the request's; without a default extension it gets none.
    const QString fallback = withoutDot(request.defaultExtension);
    const QStringList extensions = patternExtensions(request.filter);
    const auto followFilter = [&dialog, &filters, &extensions, &fallback](const QString& chosen) {
        if (fallback.isEmpty())
            return;
        const QString own = extensions.value(filters.indexOf(chosen));
        dialog.setDefaultSuffix(own.isEmpty() ? fallback : own);
    };
    followFilter(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = int(filters.indexOf(dialog.selectedNameFilter()));
    return SaveFileAnswer{QDir::cleanPath(dialog.selectedFiles().constFirst()),
                          index < 0 ? 1 : index + 1};
}

std::optional<QString> QtDialogs::inputText(QWidget* parent, const InputTextRequest& request) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    // A set-up dialog: the printer and its settings, no page range.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zamt
