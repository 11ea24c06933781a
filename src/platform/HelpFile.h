#pragma once
// The program's help file: UTF-8 text of numbered topics. A line
// "@N Title" starts topic N; the lines up to the next such line are its body.
// Lines before the first topic and lines starting with "@#" are comments.
#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

namespace zamt {

struct HelpTopic {
    QString title;
    QString body;
};

class HelpFile {
public:
    static HelpFile parse(const QByteArray& contents);
    std::optional<HelpTopic> topic(int context) const;
    size_t topicCount() const { return topics_.size(); }

private:
    std::map<int, HelpTopic> topics_;
};

// Where the help engine finds a help file named without a folder: the working
// directory first, then the folder of the executable. Empty when neither has it.
QString locateHelpFile(const QString& fileName, const QString& workingDir, const QString& exeDir);

} // namespace zamt
