#include "platform/HelpFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace zamt {

HelpFile HelpFile::parse(const QByteArray& contents) {
    HelpFile file;
    HelpTopic* current = nullptr;
    const QStringList lines = QString::fromUtf8(contents).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1String("@#")))
            continue;
        if (line.startsWith(QLatin1Char('@'))) {
            const qsizetype blank = line.indexOf(QLatin1Char(' '));
            bool ok = false;
            const int number = line.mid(1, blank < 0 ? -1 : blank - 1).toInt(&ok);
            if (ok) {
                current = &file.topics_[number];
                current->title = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
                current->body.clear();
                continue;
            }
        }
        if (current != nullptr)
            current->body += line + QLatin1Char('\n');
    }
    for (auto& [number, topic] : file.topics_)
        topic.body = topic.body.trimmed();
    return file;
}

std::optional<HelpTopic> HelpFile::topic(int context) const {
    const auto found = topics_.find(context);
    if (found == topics_.end())
        return std::nullopt;
    return found->second;
}

QString locateHelpFile(const QString& fileName, const QString& workingDir, const QString& exeDir) {
    for (const QString& dir : {workingDir, exeDir}) {
        if (dir.isEmpty())
            continue;
        const QFileInfo candidate(QDir(dir), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace zamt
