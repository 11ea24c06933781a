#include "app/PrintWithoutWindows.h"

#include "app/Startup.h"
#include "app/TForm1.h"
#include "look/Forms.h"
#include "platform/AppError.h"
#include "platform/ErrorOutputBoxes.h"
#include "platform/HandlerGuard.h"
#include "report/common/RptTranslate.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/system/RptFormatTable.h"
#include "report/system/TRptSystem.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <set>
#include <vector>

namespace zamt {
namespace {

// One file's report and where it goes; no format means the printer.
struct Target {
    QString file;
    QString output;
    const RptOutputFormat* format = nullptr;
};

struct Plan {
    std::vector<Target> targets;
    QString refusal;
};

// A format by its extension's name ("pdf" or ".PDF").
const RptOutputFormat* formatNamed(const RptFormatTable& formats, QString name) {
    if (!name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('.'));
    for (const RptOutputFormat& format : formats.formats())
        if (format.extension.compare(name, Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

QString formatNames(const RptFormatTable& formats) {
    QStringList names;
    for (const RptOutputFormat& format : formats.formats())
        names << format.extension.mid(1);
    return names.join(QStringLiteral(", "));
}

// Where each file's report goes; a refusal when the request cannot be done
// as a whole (then nothing is written).
Plan planOutputs(const PrintRequest& request, const RptFormatTable& formats) {
    Plan plan;
    if (request.toPrinter) {
        for (const QString& file : request.files)
            plan.targets.push_back({file, {}, nullptr});
        return plan;
    }
    const bool intoFolder = request.to.endsWith(QLatin1Char('/')) || QFileInfo(request.to).isDir();
    if (!intoFolder && request.files.size() > 1) {
        plan.refusal = QStringLiteral("--to must name a folder when several files are printed.");
        return plan;
    }
    QString name = request.format;
    if (name.isEmpty())
        name = intoFolder ? QStringLiteral("pdf") : QFileInfo(request.to).suffix();
    const RptOutputFormat* format = formatNamed(formats, name);
    if (!format) {
        plan.refusal =
            request.format.isEmpty()
                ? QStringLiteral(
                      "Cannot tell the format of \"%1\" by its extension; use %2, or --format.")
                      .arg(request.to, formatNames(formats))
                : QStringLiteral("Unknown format \"%1\"; use %2.")
                      .arg(request.format, formatNames(formats));
        return plan;
    }
    std::set<QString> outputs;
    for (const QString& file : request.files) {
        const QString output =
            intoFolder
                ? QDir(request.to).filePath(QFileInfo(file).completeBaseName() + format->extension)
                : format->fileNameFor(request.to);
        if (!outputs.insert(QFileInfo(output).absoluteFilePath()).second) {
            plan.refusal = QStringLiteral("Two files would be written to \"%1\"; print them into "
                                          "different folders.")
                               .arg(output);
            return plan;
        }
        plan.targets.push_back({file, output, format});
    }
    return plan;
}

// Runs a step through the handler guard; false when it showed a message.
bool succeeds(const ErrorOutputBoxes& boxes, const std::function<void()>& step) {
    const int before = boxes.shown();
    runGuarded(step);
    return boxes.shown() == before;
}

// The printer of the request selected, or the message why there is none.
void selectPrinter(const QString& name) {
    TRptPrinterDevice& device = TRptPrinterDevice::instance();
    if (!name.isEmpty() && !device.selectPrinter(name))
        throw AppError(QStringLiteral("There is no printer \"%1\".").arg(name));
    if (!device.valid())
        throw AppError(rptTranslate(QStringLiteral("No printers installed!")));
}

// The set-up window's place is taken by the target. The status window's is
// taken by a status that goes nowhere: the run still handles its events as
// it goes, so that an ending signal cancels it.
void directTo(TRptSystem& system, const Target& target) {
    system.OverrideSetup = [&target](TRptSystem& s, TOverrideMode mode, QObject*&) {
        if (mode != TOverrideMode::omCreate)
            return;
        if (target.format)
            s.sendToFile(*target.format, target.output);
        else
            s.sendTo(TReportDest::rdPrinter);
    };
    system.OverrideStatus = [](TRptSystem& s, TOverrideMode mode, QObject*&) {
        if (mode != TOverrideMode::omShow)
            return;
        const auto nowhere = [](const QString&) {};
        if (TRptStreamWriter* writer = s.writer())
            writer->setStatusSink(nowhere);
        else if (RptProgress* progress = s.outputProgress())
            progress->setSink(nowhere);
    };
}

QtMessageHandler qtHandler = nullptr;

void criticalOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

void quietenQtWarnings() {
    qtHandler = qInstallMessageHandler(criticalOnly);
}

int printWithoutWindows(const PrintRequest& request, const std::function<bool()>& ending) {
    prepareProgram();
    auto owned = std::make_unique<ErrorOutputBoxes>();
    const ErrorOutputBoxes& boxes = *owned;
    installMessageBoxes(std::move(owned));

    const RptFormatTable formats; // the targets point into it
    const Plan plan = planOutputs(request, formats);
    if (!plan.refusal.isEmpty()) {
        showMessage(plan.refusal);
        return kRefusedStatus;
    }
    // Laid out as at start-up, with every resize done, and never mapped.
    Form1->setAttribute(Qt::WA_DontShowOnScreen);
    Form1->show();
    if (!request.project.isEmpty())
        Form1->RptProject1.setProjectFile(QFileInfo(request.project).absoluteFilePath());
    const bool needsPrinter =
        request.toPrinter || plan.targets.front().format->kind == RptOutputKind::NativePrinterFile;
    if (needsPrinter && !succeeds(boxes, [&] { selectPrinter(request.printer); }))
        return 1;
    if (!succeeds(boxes, [] { Form1->RptProject1.open(); }))
        return 1;
    int status = 0;
    for (const Target& target : plan.targets) {
        if (ending())
            break;
        const bool printed = succeeds(boxes, [&] {
            Form1->openAtStart(target.file);
            // The text view settles (its scroll bar) as before a click on "отчет".
            QApplication::processEvents();
            if (ending())
                return;
            Form1->runReport([&target](TRptSystem& system) { directTo(system, target); });
        });
        if (!printed)
            status = 1;
    }
    return status;
}

} // namespace zamt
