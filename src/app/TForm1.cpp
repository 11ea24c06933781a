#include "app/TForm1.h"

#include "app/DisplayedLines.h"
#include "app/TForm6.h"
#include "app/TextFile.h"
#include "look/Forms.h"
#include "look/WindowLook.h"
#include "measure/TForm2.h"
#include "platform/HandlerGuard.h"
#include "platform/HelpEngine.h"
#include "report/run/RptReportRun.h"
#include "report/system/TRptSystem.h"
#include "ui_TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>

namespace zamt {

namespace {
const int kButtonBarHeight = 41;
}

TForm1::TForm1() : ui(std::make_unique<Ui::TForm1>()) {
    RptProject1.setProjectFile(QStringLiteral("Project1.rpj"));
    ui->setupUi(this);
    setUpConnection();
    makeToolWindow(this);
    setBackground(this, colors::skyBlue);
    setBackground(ui->ClientArea, colors::skyBlue);
    ui->Image1->setPixmap(picture(QStringLiteral("workers")));
    ui->Panel3->raise();
    ui->ClientArea->installEventFilter(this);
    // The client area is 353 by 305 pixels below the menu bar.
    placeWindow(this, 191, 94, 353, 305 + ui->MainMenu1->sizeHint().height());

    OpenDialog1.filter = QStringLiteral("Текстовые файла|*.txt");

    connect(ui->geometr1, &QAction::triggered, this, guarded(this, &TForm1::geometr1Click));
    connect(ui->thten1, &QAction::triggered, this, guarded(this, &TForm1::thten1Click));
    connect(ui->About1, &QAction::triggered, this, guarded(this, &TForm1::About1Click));
    connect(ui->N1, &QAction::triggered, this, guarded(this, &TForm1::N1Click));
    connect(ui->Button1, &QPushButton::clicked, this, guarded(this, &TForm1::Button1Click));
    connect(ui->btRun, &QPushButton::clicked, this, guarded(this, &TForm1::btRunClick));
    runGuarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

// The project file is looked up in the folder current at start-up, for the
// whole run.
void TForm1::FormCreate() {
    RptProject1.setProjectFile(QDir::current().absoluteFilePath(RptProject1.projectFile()));
}

void TForm1::geometr1Click() {
    showWindow(form2());
}

void TForm1::About1Click() {
    showWindow(form6());
}

void TForm1::thten1Click() {
    ui->Panel3->setVisible(false);
}

void TForm1::Button1Click() {
    const auto path = dialogs().openFile(this, OpenDialog1);
    if (!path)
        return;
    loadText(*path);
}

void TForm1::openAtStart(const QString& path) {
    thten1Click();
    loadText(path);
}

void TForm1::loadText(const QString& path) {
    const QString text = readTextForView(path);
    ui->Memo->setPlainText(text);
    ui->btRun->setEnabled(true);
}

void TForm1::N1Click() {
    showHelpContext(this, QStringLiteral("helpZ.hlp"), 1);
}

void TForm1::btRunClick() {
    runReport();
}

void TForm1::runReport(const std::function<void(TRptSystem&)>& prepare) {
    // The rows' copy of the text is kept for the run only.
    struct ReleaseRows {
        DisplayedLines& lines;
        ~ReleaseRows() { lines.release(); }
    } release{*memoLines_};
    RptProject1.execute([&prepare](const RptReport& report, const RptProjectModel& project) {
        rptRunReport(report, project, prepare);
    });
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program; nothing is asked or saved.
    // A report run in progress is cancelled, so that it leaves no output;
    // exit() ends the set-up, status and preview windows' loops, and the run
    // then unwinds through its usual clean-up before the program ends.
    // Not quit(): that first asks every window to close, and the status
    // window refuses while its run lasts.
    event->accept();
    TRptSystem::cancelRunning();
    QApplication::exit(0);
}

// Panel1 fills the client area above the button bar Panel2, which keeps to
// the bottom edge; the picture panel Panel3 keeps its place and size.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->ClientArea && event->type() == QEvent::Resize)
        layOutClientArea();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::layOutClientArea() {
    const QSize size = ui->ClientArea->size();
    ui->Panel2->setGeometry(0, size.height() - kButtonBarHeight, size.width(), kButtonBarHeight);
    ui->Panel1->setGeometry(0, 0, size.width(), std::max(0, size.height() - kButtonBarHeight));
}

} // namespace zamt
