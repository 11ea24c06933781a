#include "app/PrintWithoutWindows.h"

#include "app/ReportRows.h"
#include "app/Startup.h"
#include "app/TextFile.h"
#include "platform/AppError.h"
#include "platform/ErrorOutputBoxes.h"
#include "platform/HandlerGuard.h"
#include "report/common/RptTranslate.h"
#include "report/connection/TRptCustomConnection.h"
#include "report/project/TRptProject.h"
#include "report/run/RptReportRun.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/system/RptFormatTable.h"
#include "report/system/TRptSystem.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
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

QString formatNames(const RptFormatTable& formats) {
    QStringList names;
    for (const RptOutputFormat& format : formats.formats())
        names << format.extension.mid(1);
    return names.join(QStringLiteral(", "));
}

// The format the user chose: by --format, else PDF into a folder, else the
// one of the output's extension; null when there is none of these.
const RptOutputFormat* chosenFormat(const PrintRequest& request, const RptFormatTable& formats,
                                    bool intoFolder) {
    const QString name = !request.format.isEmpty() ? request.format
                         : intoFolder              ? QStringLiteral("pdf")
                                                   : QFileInfo(request.to).suffix();
    return formats.withExtension(name);
}

// Whether writing `output` would replace one of the files to print.
bool isAnInput(const QString& output, const QStringList& files) {
    const QFileInfo written(output);
    for (const QString& file : files) {
        const QFileInfo input(file);
        if (written.absoluteFilePath() == input.absoluteFilePath() ||
            (input.exists() && written.canonicalFilePath() == input.canonicalFilePath()))
            return true;
    }
    return false;
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
    const RptOutputFormat* chosen = chosenFormat(request, formats, intoFolder);
    if (!chosen) {
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
        // Into a folder each output is named after its file, in the chosen
        // format; a name typed for the output is written in the format of
        // its extension, as in the set-up window.
        const RptOutputTarget target =
            intoFolder ? RptOutputTarget{*chosen, QDir(request.to).filePath(
                                                      QFileInfo(file).completeBaseName() +
                                                      chosen->extension)}
                       : formats.targetFor(request.to, *chosen);
        const QString& output = target.fileName;
        if (isAnInput(output, request.files)) {
            plan.refusal = QStringLiteral("The output \"%1\" is also a file to print; it is not "
                                          "written over.")
                               .arg(output);
            return plan;
        }
        if (!outputs.insert(QFileInfo(output).absoluteFilePath()).second) {
            plan.refusal = QStringLiteral("Two files would be written to \"%1\"; print them into "
                                          "different folders.")
                               .arg(output);
            return plan;
        }
        plan.targets.push_back({file, output, &target.format});
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

// The program's data connection, as the main window has it, with the rows
// of the file being printed.
class RowsConnection {
public:
    RowsConnection() {
        connection_.RuntimeVisibility = TRuntimeVisibility::rtDeveloper;
        connection_.OnOpen = [this](TRptCustomConnection& c) {
            c.RowCount = int32_t(std::min<size_t>(rows_.size(), INT32_MAX));
            next_ = 0;
        };
        connection_.OnGetCols = [](TRptCustomConnection& c) {
            c.DeclareColumn("StrField", TRptDataType::dtString, 120, "StrField", "");
        };
        connection_.OnGetRow = [this](TRptCustomConnection& c) {
            if (next_ < rows_.size())
                c.WriteStringValue("", rows_[next_]);
            ++next_;
        };
    }
    const std::string& name() const { return connection_.name(); }
    void setRows(std::vector<std::string> rows) { rows_ = std::move(rows); }

private:
    TRptCustomConnection connection_{"RptCustomConnection1"};
    std::vector<std::string> rows_;
    size_t next_ = 0;
};

// One file's report: its rows made to fit the report's own rows, the run
// directed to the target.
void printFile(TRptProject& project, RowsConnection& connection, const Target& target) {
    const QString text = readTextForView(target.file);
    project.execute([&](RptReport& report, const RptProjectModel& model) {
        connection.setRows(
            reportRows(text, rptColumnSpace(report, model, connection.name(), "StrField")));
        rptRunReport(report, model, [&target](TRptSystem& system) { directTo(system, target); });
    });
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
    prepareServices();
    auto owned = std::make_unique<ErrorOutputBoxes>();
    ErrorOutputBoxes& boxes = *owned;
    installMessageBoxes(std::move(owned));

    const RptFormatTable formats; // the targets point into it
    const Plan plan = planOutputs(request, formats);
    if (!plan.refusal.isEmpty()) {
        showMessage(plan.refusal);
        return kRefusedStatus;
    }
    TRptProject project;
    project.setProjectFile(QFileInfo(request.project.isEmpty() ? QStringLiteral("Project1.rpj")
                                                               : request.project)
                               .absoluteFilePath());
    RowsConnection connection;
    const bool needsPrinter =
        request.toPrinter || plan.targets.front().format->kind == RptOutputKind::NativePrinterFile;
    if (needsPrinter && !succeeds(boxes, [&] { selectPrinter(request.printer); }))
        return 1;
    if (!succeeds(boxes, [&] { project.open(); }))
        return 1;
    int status = 0;
    for (const Target& target : plan.targets) {
        if (ending())
            break;
        // With several files, each message says which one it is about.
        if (plan.targets.size() > 1)
            boxes.setSubject(QFileInfo(target.file).absoluteFilePath());
        if (!succeeds(boxes, [&] { printFile(project, connection, target); }))
            status = 1;
    }
    return status;
}

} // namespace zamt
