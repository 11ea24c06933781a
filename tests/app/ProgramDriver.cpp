// The program as main() starts it, on the offscreen platform, worked by a
// scripted person: "файл" loads a text of N lines, "отчет" runs the report,
// the set-up window sends it to the preview or to a file. What it reaches
// is told on stdout, one line each, and the program then runs on until it
// is ended from outside (a signal):
//   running <file>      the status window counts the pages for that file
//   ready <page file>   the preview shows the report from that page file
//   finished            the run is over, the main window is in front
//   box <text>          a message box came up (and was answered)
//   page <n>            after "next" on stdin: the preview went on to page n
// With --open FILE the program is started with FILE to load instead, and no
// one clicks; once the start is over it says, then runs on:
//   text <text>         the text view's text, each line break as '|'
//   picture <shown|hidden>, run <enabled|disabled>   the picture panel, "отчет"
//   finished
// Usage: program_driver [--lines N | --text FILE] [--output FILE.rps|FILE.pdf] [--open FILE]
// (--text: "файл" loads that file instead of N lines written for it)
// The working folder holds Project1.rpj; the page file goes into Qt's
// temporary folder ($TMPDIR).
#include "app/Program.h"
#include "app/TForm1.h"
#include "look/Forms.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/windows/TRptSetupForm.h"
#include "report/windows/TRptStatusForm.h"
#include "support/ScriptedServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

using namespace zamt;

struct Options {
    int lines = 30;
    QString output; // empty: the preview
    QString open;   // not empty: the file the program starts with
    QString text;   // not empty: the file "файл" loads
};

Options parse(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--lines"))
            options.lines = arguments[i + 1].toInt();
        else if (arguments[i] == QLatin1String("--output"))
            options.output = arguments[i + 1];
        else if (arguments[i] == QLatin1String("--open"))
            options.open = arguments[i + 1];
        else if (arguments[i] == QLatin1String("--text"))
            options.text = arguments[i + 1];
    }
    return options;
}

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

template <class Widget> Widget* child(QObject* parent, const char* name) {
    auto* widget = parent->findChild<Widget*>(QLatin1String(name));
    if (!widget) {
        say(QStringLiteral("missing %1").arg(QLatin1String(name)));
        std::exit(2);
    }
    return widget;
}

QString writeText(int lines) {
    QByteArray text;
    for (int line = 1; line <= lines; ++line)
        text += "row " + QByteArray::number(line) + "\r\n";
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("lines.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        std::exit(2);
    return path;
}

void answerSetup(QWidget* setup, const QString& output) {
    if (!output.isEmpty()) {
        child<QRadioButton>(setup, "FileRB")->click();
        child<QLineEdit>(setup, "editFileName")->setText(output);
        auto* format = child<QComboBox>(setup, "cboxFormat");
        format->setCurrentIndex(output.endsWith(QLatin1String(".pdf"))
                                    ? format->findText(QStringLiteral("PDF Document (PDF)"))
                                    : 0);
    }
    child<QPushButton>(setup, "bbtnOK")->click();
}

// Watches the windows the run puts up and says what it has reached, each
// once.
class Watcher {
public:
    explicit Watcher(Options options) : options_(std::move(options)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!answered_ && qobject_cast<TRptSetupForm*>(modal)) {
            answered_ = true;
            answerSetup(modal, options_.output);
            return;
        }
        if (auto* preview = qobject_cast<TRptPreviewForm*>(modal); preview && !ready_) {
            ready_ = true;
            say(QStringLiteral("ready ") + preview->inputFileName());
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<TRptStatusForm*>(window) && window->isVisible() && !running_ &&
                !options_.output.isEmpty()) {
                running_ = true;
                say(QStringLiteral("running ") + options_.output);
            }
    }

    Options options_;
    QTimer timer_;
    bool answered_ = false;
    bool ready_ = false;
    bool running_ = false;
};

// "next" pages the preview on and says the page it shows.
void command(QSocketNotifier* input) {
    char buffer[64];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        input->setEnabled(false);
        return;
    }
    auto* preview = qobject_cast<TRptPreviewForm*>(QApplication::activeModalWidget());
    if (!preview || !QByteArray(buffer, int(got)).startsWith("next"))
        return;
    preview->actnPage_NextExecute();
    say(QStringLiteral("page ") + child<QLineEdit>(preview, "PageEdit")->text());
}

// What the start with a file has left in the main window.
void sayWhatTheStartLeft() {
    say(QStringLiteral("text ") +
        child<QPlainTextEdit>(Form1, "Memo")->toPlainText().replace(QLatin1Char('\n'), QLatin1Char('|')));
    say(QStringLiteral("picture ") +
        (child<QWidget>(Form1, "Panel3")->isVisible() ? "shown" : "hidden"));
    say(QStringLiteral("run ") +
        (child<QPushButton>(Form1, "btRun")->isEnabled() ? "enabled" : "disabled"));
    say(QStringLiteral("finished"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parse(QApplication::arguments());
    std::unique_ptr<test::ScriptedServices> services;
    std::unique_ptr<Watcher> watcher;
    if (!options.open.isEmpty())
        return runProgram(
            [&] {
                services = std::make_unique<test::ScriptedServices>();
                services->boxes.onShow = [](const MessageBox& box) { say("box " + box.text); };
                QTimer::singleShot(0, sayWhatTheStartLeft);
            },
            options.open);
    return runProgram([&] {
        services = std::make_unique<test::ScriptedServices>();
        services->boxes.onShow = [](const MessageBox& box) { say("box " + box.text); };
        services->dialogs.answers.push_back(options.text.isEmpty() ? writeText(options.lines)
                                                                   : options.text);
        watcher = std::make_unique<Watcher>(options);
        auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
        QObject::connect(input, &QSocketNotifier::activated, [input] { command(input); });
        QTimer::singleShot(0, [] {
            child<QAction>(Form1, "thten1")->trigger();
            child<QPushButton>(Form1, "Button1")->click();
            child<QPushButton>(Form1, "btRun")->click();
            say(QStringLiteral("finished"));
        });
    });
}
