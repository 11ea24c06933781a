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
    parser.addOption(QCommandLineOption(
        QStringLiteral("print"),
        QStringLiteral("Prints the report of each file without a window, with --to or "
                       "--printer: each line of the file is one row, and only a line wider than "
                       "a row of the report breaks into further rows.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("to"),
        QStringLiteral("The output file, in the format of its extension: .rps snapshot, .pdf "
                       "PDF or .prn printer output. A folder gets one output per file, named "
                       "after it."),
        QStringLiteral("out")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("format"),
        QStringLiteral("rps, pdf or prn, for an output whose extension is none of these; "
                       "pdf into a folder."),
        QStringLiteral("format")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("printer"),
        QStringLiteral("Prints on that printer; --printer alone, last or before another option, "
                       "prints on the default printer."),
        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("project"),
        QStringLiteral("The report project to print with (default: Project1.rpj in the working "
                       "folder)."),
        QStringLiteral("path")));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral(
            "A text file to show in the text view at start-up, as the \"файл\" button would; "
            "with --print, the files to print."),
        QStringLiteral("[file...]"));
}

// "--printer" takes the argument after it as the printer's name unless that
// is an option or there is none: then it means the default printer.
QStringList withPrinterValue(const QStringList& arguments) {
    QStringList result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            result << arguments.mid(i);
            break;
        }
        if (i > 0 && (argument == QLatin1String("--printer") ||
                      argument == QLatin1String("-printer"))) {
            const bool named =
                i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-'));
            result << QStringLiteral("--printer=") + (named ? arguments[++i] : QString());
            continue;
        }
        result << argument;
    }
    return result;
}

CommandLine refusal(const QString& reason) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.output =
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kName, reason);
    return line;
}

// The options of --print, checked against each other.
CommandLine printLine(const QCommandLineParser& parser) {
    CommandLine line;
    line.action = CommandLine::Action::PrintReports;
    PrintRequest& print = line.print;
    print.files = parser.positionalArguments();
    print.to = parser.value(QStringLiteral("to"));
    print.toPrinter = parser.isSet(QStringLiteral("printer"));
    print.printer = parser.value(QStringLiteral("printer"));
    print.project = parser.value(QStringLiteral("project"));
    print.format = parser.value(QStringLiteral("format"));
    if (print.files.isEmpty())
        return refusal(QStringLiteral("--print needs a file to print."));
    if (print.toPrinter && parser.isSet(QStringLiteral("to")))
        return refusal(QStringLiteral("--to and --printer do not go together: a report goes "
                                      "into a file or onto a printer."));
    if (!print.toPrinter && !parser.isSet(QStringLiteral("to")))
        return refusal(QStringLiteral("--print needs either --to or --printer."));
    if (print.toPrinter && parser.isSet(QStringLiteral("format")))
        return refusal(QStringLiteral("--format goes with --to, not with --printer."));
    return line;
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
    if (!parser.parse(withPrinterValue(withName)))
        return refusal(parser.errorText());
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
    if (parser.isSet(QStringLiteral("print")))
        return printLine(parser);
    for (const char* option : {"to", "printer", "project", "format"})
        if (parser.isSet(QLatin1String(option)))
            return refusal(QStringLiteral("--%1 goes with --print.").arg(QLatin1String(option)));
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
