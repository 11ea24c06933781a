#include "report/system/RptFormatTable.h"

#include "report/common/RptTranslate.h"
#include "report/system/TRptRenderFile.h"

#include <QStringList>

namespace zamt {

namespace {

// The file's own name, its folders aside.
QString ownName(const QString& name) {
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QString RptOutputFormat::fileNameFor(const QString& fileName) const {
    const QString name = fileName.trimmed();
    const QString own = ownName(name);
    // A name that ends in a folder separator names no file: it is left for
    // the write to refuse.
    if (own.isEmpty() || own.contains(QLatin1Char('.')))
        return name;
    return name + extension;
}

RptFormatTable::RptFormatTable() {
    const QString snapshot = rptTranslate(QStringLiteral("Report Snapshot File (RPS)"));
    const QString native = rptTranslate(QStringLiteral("Native Printer Output (PRN)"));
    formats_.push_back({RptOutputKind::SnapshotFile, snapshot, snapshot + QStringLiteral("|*.RPS"),
                        rptTranslate(QStringLiteral("Report Snapshot Files (*.rps)|*.rps")),
                        QStringLiteral(".rps")});
    formats_.push_back({RptOutputKind::NativePrinterFile, native, native + QStringLiteral("|*.PRN"),
                        QString(), QStringLiteral(".prn")});
    for (TRptRenderFile* renderer : RptOutputFormats::instance().active())
        formats_.push_back({RptOutputKind::RenderedFile, rptTranslate(renderer->displayName()),
                            renderer->filter(), renderer->filter(), renderer->extension(),
                            renderer});
}

const RptOutputFormat& RptFormatTable::at(int position) const {
    if (position < 0 || position >= int(formats_.size()))
        return formats_.front();
    return formats_[size_t(position)];
}

int RptFormatTable::positionOf(const RptOutputFormat& format) const {
    for (size_t i = 0; i < formats_.size(); ++i)
        if (&formats_[i] == &format)
            return int(i);
    return 0;
}

std::vector<const RptOutputFormat*> RptFormatTable::offered(RptFormatUse use) const {
    std::vector<const RptOutputFormat*> result;
    for (const RptOutputFormat& format : formats_)
        if (use == RptFormatUse::Setup || !format.saveAsFilter.isEmpty())
            result.push_back(&format);
    return result;
}

QString RptFormatTable::filter(RptFormatUse use) const {
    QStringList pairs;
    for (const RptOutputFormat* format : offered(use))
        pairs << (use == RptFormatUse::Setup ? format->filter : format->saveAsFilter);
    return pairs.join(QLatin1Char('|'));
}

const RptOutputFormat& RptFormatTable::atFilterIndex(RptFormatUse use, int index) const {
    const std::vector<const RptOutputFormat*> formats = offered(use);
    if (index < 1 || index > int(formats.size()))
        return formats_.front();
    return *formats[size_t(index - 1)];
}

int RptFormatTable::filterIndexOf(RptFormatUse use, const RptOutputFormat& format) const {
    const std::vector<const RptOutputFormat*> formats = offered(use);
    for (size_t i = 0; i < formats.size(); ++i)
        if (formats[i] == &format)
            return int(i) + 1;
    return 1;
}

const RptOutputFormat* RptFormatTable::withExtension(QString extension) const {
    if (!extension.startsWith(QLatin1Char('.')))
        extension.prepend(QLatin1Char('.'));
    for (const RptOutputFormat& format : formats_)
        if (format.extension.compare(extension, Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

RptOutputTarget RptFormatTable::targetFor(const QString& fileName,
                                          const RptOutputFormat& chosen) const {
    const QString name = ownName(fileName.trimmed());
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const RptOutputFormat* named = dot < 0 ? nullptr : withExtension(name.mid(dot));
    const RptOutputFormat& format = named ? *named : chosen;
    return {format, format.fileNameFor(fileName)};
}

} // namespace zamt
