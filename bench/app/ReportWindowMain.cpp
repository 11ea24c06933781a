// report_window_bench DIR LINES FORMAT [CANCEL_AFTER_MS]: the program as it
// starts, its text view holding LINES record lines, then "отчет" answered in
// the real set-up window with File, DIR/report.FORMAT (rps, prn or pdf) and
// OK, with the status window shown as the default project asks. Times the
// OK click until the main window answers again and prints it with the
// process's peak memory and the text view's own share of it (the memory
// once the text is shown, before the run). With CANCEL_AFTER_MS the status
// window's Cancel is clicked that long after OK; the time printed is then
// from the click until the main window answers. The same text goes to
// DIR/report.txt (Windows-1251) for the yardstick. With LINE_CHARS set in
// the environment every line is made that long (it wraps into many rows).
#include "../common/PeakMemory.h"
#include "app/CreateForms.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "platform/CodePage.h"
#include "platform/InstanceTempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {

template <class Widget> Widget* child(QWidget* parent, const char* name) {
    auto* widget = parent->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no %s\n", name);
        std::exit(2);
    }
    return widget;
}

long currentMiB() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4096 / (1024 * 1024) : 0;
}

QString recordText(int lines) {
    QString line = QString::fromUtf8("число Рейнольдса минимальное Re_min = 6,27584E7; строка ");
    const int length = qEnvironmentVariableIntValue("LINE_CHARS");
    while (line.size() < length)
        line += line;
    if (length > 0)
        line.truncate(length - 6); // room for the line's number
    QString text;
    for (int i = 0; i < lines; ++i)
        text += line + QString::number(i).rightJustified(length > 0 ? 6 : 0) + QLatin1Char('\n');
    return text;
}

int formatIndex(QComboBox* box, const QString& extension) {
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).endsWith(QLatin1Char('(') + extension.toUpper() + QLatin1Char(')')))
            return i;
    std::fprintf(stderr, "no format %s\n", qPrintable(extension));
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: report_window_bench DIR LINES rps|prn|pdf [CANCEL_AFTER_MS]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const int lines = std::atoi(argv[2]);
    const QString extension = QString::fromLatin1(argv[3]);
    const int cancelAfter = argc == 5 ? std::atoi(argv[4]) : -1;
    const QString output = dir.filePath(QStringLiteral("report.") + extension);
    QDir::setCurrent(dir.path()); // where Project1.rpj lies
    zamt::startProgram();

    const QString text = recordText(lines);
    QFile plain(dir.filePath(QStringLiteral("report.txt")));
    if (!plain.open(QIODevice::WriteOnly) ||
        plain.write(QByteArray::fromStdString(zamt::toCp1251(text))) < 0)
        return 2;
    plain.close();
    child<QPlainTextEdit>(zamt::Form1, "Memo")->setPlainText(text);
    const long textViewMiB = currentMiB();

    QElapsedTimer timer;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            QWidget* setup = QApplication::activeModalWidget();
            if (!setup || setup->windowTitle() != QStringLiteral("Output Options")) {
                std::fprintf(stderr, "no set-up window\n");
                std::exit(2);
            }
            child<QRadioButton>(setup, "FileRB")->click();
            child<QLineEdit>(setup, "editFileName")->setText(output);
            auto* formats = child<QComboBox>(setup, "cboxFormat");
            formats->setCurrentIndex(formatIndex(formats, extension));
            if (cancelAfter >= 0)
                QTimer::singleShot(cancelAfter, [&] {
                    QWidget* status = nullptr;
                    for (QWidget* window : QApplication::topLevelWidgets())
                        if (window->isVisible() &&
                            window->windowTitle() == QStringLiteral("Report Status"))
                            status = window;
                    if (!status) {
                        std::fprintf(stderr, "no status window to cancel\n");
                        return;
                    }
                    timer.start();
                    child<QPushButton>(status, "CancelButton")->click();
                });
            else
                timer.start();
            child<QPushButton>(setup, "bbtnOK")->click();
        });
        child<QPushButton>(zamt::Form1, "btRun")->click();
        // The main window answers once what the run left queued is done.
        QTimer::singleShot(0, [&] {
            if (!timer.isValid()) { // the run was over before the cancel was due
                std::printf("zamt05 %s %d lines: finished before the cancel after %d ms\n",
                            qPrintable(extension), lines, cancelAfter);
                QApplication::quit();
                return;
            }
            const double seconds = timer.nsecsElapsed() / 1e9;
            std::printf(
                "zamt05 %s %d lines%s: %.3f s, %lld bytes, peak %ld MiB, text view %ld MiB\n",
                qPrintable(extension), lines, cancelAfter >= 0 ? " cancelled" : "", seconds,
                QFileInfo(output).size(), zamt::bench::peakMemoryMiB(), textViewMiB);
            QApplication::quit();
        });
    });
    const int status = QApplication::exec();
    zamt::destroyForms();
    zamt::releaseInstanceTempFolder(); // as the program does when it ends
    return status;
}
