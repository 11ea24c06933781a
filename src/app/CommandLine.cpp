#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace zamt {

namespace {

const QString kName = QStringLiteral("zamt05");

// The options every start understands; options of further ways to run the
// program are added here, and the result read in parseCommandLine.
void describeOptions(QCommandLineParser& parser) {
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Computes the correction coefficient K of a single-path ultrasonic flowmeter."));
    // Not addHelpOption(): its --help-all would name Qt's window-system
    // options, which are read before the window system is there.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays this help.")));
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral(
            "A text file to show in the text view at start-up, as the \"файл\" button would."),
        QStringLiteral("[file]"));
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    describeOptions(parser);
    CommandLine line;
    // The program's own name may be missing (a program may be started so).
    QStringList withName = arguments;
    if (withName.isEmpty())
        withName << kName;
    if (!parser.parse(withName)) {
        line.action = CommandLine::Action::Refuse;
        line.output = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(kName, parser.errorText());
        return line;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        line.action = CommandLine::Action::Print;
        line.output = parser.helpText();
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.action = CommandLine::Action::Print;
        line.output = QStringLiteral("%1 %2\n").arg(kName, version);
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        line.file = files.first();
    // A file manager may hand over several files; the text view holds one.
    if (files.size() > 1)
        line.warning = QStringLiteral("%1: only the first file is loaded; ignored: %2\n")
                           .arg(kName, files.mid(1).join(QStringLiteral(", ")));
    return line;
}

} // namespace zamt
