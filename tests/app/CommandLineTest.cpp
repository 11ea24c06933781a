#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, EachArgumentListStartsPrintsOrRefuses) {
    const QString refusalTail = QStringLiteral("\nTry 'zamt05 --help' for more information.\n");
    const struct {
        QStringList arguments;
        Action action;
        QString output; // exact, except for --help (checked below)
        QString file;
        QString warning;
    } cases[] = {
        {{}, Action::Start, "", "", ""},
        {{"zamt05"}, Action::Start, "", "", ""},
        {{"zamt05", "data07.txt"}, Action::Start, "", "data07.txt", ""},
        {{"zamt05", "/home/a b/паспорт.txt"}, Action::Start, "", "/home/a b/паспорт.txt", ""},
        {{"zamt05", "a.txt", "b.txt", "c.txt"},
         Action::Start,
         "",
         "a.txt",
         "zamt05: only the first file is loaded; ignored: b.txt, c.txt\n"},
        // After "--" a name that looks like an option is a file.
        {{"zamt05", "--", "--version"}, Action::Start, "", "--version", ""},
        {{"zamt05", "--", "-x.txt"}, Action::Start, "", "-x.txt", ""},
        {{"zamt05", "--version"}, Action::Print, "zamt05 9.8.7\n", "", ""},
        {{"zamt05", "-v"}, Action::Print, "zamt05 9.8.7\n", "", ""},
        {{"zamt05", "data07.txt", "--version"}, Action::Print, "zamt05 9.8.7\n", "", ""},
        {{"zamt05", "--help"}, Action::Print, "help", "", ""},
        {{"zamt05", "-h"}, Action::Print, "help", "", ""},
        {{"zamt05", "--version", "--help"}, Action::Print, "help", "", ""},
        {{"zamt05", "--print"},
         Action::Refuse,
         "zamt05: --print needs a file to print." + refusalTail,
         "",
         ""},
        {{"zamt05", "--print", "a.txt"}, Action::Refuse,
         "zamt05: --print needs either --to or --printer." + refusalTail, "", ""},
        {{"zamt05", "--print", "a.txt", "--to", "a.pdf", "--printer"}, Action::Refuse,
         "zamt05: --to and --printer do not go together: a report goes into a file or onto a "
         "printer." + refusalTail, "", ""},
        {{"zamt05", "--print", "a.txt", "--printer", "--format", "pdf"}, Action::Refuse,
         "zamt05: --format goes with --to, not with --printer." + refusalTail, "", ""},
        {{"zamt05", "a.txt", "--to", "a.pdf"}, Action::Refuse,
         "zamt05: --to goes with --print." + refusalTail, "", ""},
        {{"zamt05", "--project", "p.rpj"}, Action::Refuse,
         "zamt05: --project goes with --print." + refusalTail, "", ""},
        {{"zamt05", "-x", "data07.txt"},
         Action::Refuse,
         "zamt05: Unknown option 'x'." + refusalTail,
         "",
         ""},
        // Qt's own window-system options are read by no one here.
        {{"zamt05", "-platform", "offscreen"}, Action::Refuse,
         "zamt05: Unknown option 'platform'." + refusalTail, "", ""},
        {{"zamt05", "--help-all"},
         Action::Refuse,
         "zamt05: Unknown option 'help-all'." + refusalTail,
         "",
         ""},
        {{"zamt05", "--version=2"},
         Action::Refuse,
         "zamt05: Unexpected value after '--version'." + refusalTail,
         "",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine line = parseCommandLine(c.arguments, QStringLiteral("9.8.7"));
        EXPECT_EQ(line.action, c.action);
        if (c.output == "help")
            EXPECT_TRUE(line.output.startsWith("Usage: ")) << line.output.toStdString();
        else
            EXPECT_EQ(line.output.toStdString(), c.output.toStdString());
        EXPECT_EQ(line.file.toStdString(), c.file.toStdString());
        EXPECT_EQ(line.warning.toStdString(), c.warning.toStdString());
    }
}

// --printer takes the next argument as the printer's name unless it is an
// option or missing: then it means the default printer.
TEST(CommandLine, PrintTakesItsFilesAndWhereTheyGo) {
    const struct {
        QStringList arguments;
        QStringList files;
        QString to;
        bool toPrinter;
        QString printer;
    } cases[] = {
        {{"zamt05", "--print", "a.txt", "--to", "out/"}, {"a.txt"}, "out/", false, ""},
        {{"zamt05", "--print", "a.txt", "b.txt", "--printer"}, {"a.txt", "b.txt"}, "", true, ""},
        {{"zamt05", "--print", "--printer", "office", "a.txt"}, {"a.txt"}, "", true, "office"},
        {{"zamt05", "--printer", "--print", "a.txt"}, {"a.txt"}, "", true, ""},
        {{"zamt05", "--print", "--printer=", "a.txt"}, {"a.txt"}, "", true, ""},
        {{"zamt05", "--print", "--printer", "--", "--printer"}, {"--printer"}, "", true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine line = parseCommandLine(c.arguments, QStringLiteral("1"));
        ASSERT_EQ(line.action, Action::PrintReports) << line.output.toStdString();
        EXPECT_EQ(line.print.files, c.files);
        EXPECT_EQ(line.print.to, c.to);
        EXPECT_EQ(line.print.toPrinter, c.toPrinter);
        EXPECT_EQ(line.print.printer, c.printer);
    }
}

TEST(CommandLine, HelpNamesEveryOptionAndTheFile) {
    const QString help = parseCommandLine({"zamt05", "--help"}, "1").output;
    for (const char* part : {"-h, --help", "-v, --version", "--print", "--to <out>",
                             "--printer <name>", "--project <path>", "[file...]", "text view", "файл"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part << " in\n"
                                                            << help.toStdString();
}

} // namespace
} // namespace zamt
