#include "report/windows/TRptStatusForm.h"

#include "look/WindowFonts.h"
#include "platform/HandlerGuard.h"
#include "report/stream/RptProgress.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/system/TRptSystem.h"
#include "ui_TRptStatusForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace zamt {

TRptStatusForm::TRptStatusForm(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TRptStatusForm>()) {
    ui->setupUi(this);
    // A fixed dialog frame without title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(windowFont(QStringLiteral("System"), 13));
    setFixedSize(361, 113);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    connect(ui->CancelButton, &QPushButton::clicked, this,
            guarded(this, &TRptStatusForm::CancelButtonClick));
}

TRptStatusForm::~TRptStatusForm() = default;

QLabel* TRptStatusForm::StatusLabel() const {
    return ui->StatusLabel;
}
QPushButton* TRptStatusForm::CancelButton() const {
    return ui->CancelButton;
}

// The label's side of a status text.
std::function<void(const QString&)> TRptStatusForm::labelSink() {
    QPointer<QLabel> label = ui->StatusLabel;
    return [label](const QString& text) {
        if (!label)
            return;
        // %N puts a carriage return; the label breaks lines at line feeds.
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        label->setText(shown);
    };
}

void TRptStatusForm::attach(TRptStreamWriter& writer) {
    writer.setStatusSink(labelSink());
}

void TRptStatusForm::attach(RptProgress& progress) {
    progress.setSink(labelSink());
}

void TRptStatusForm::CancelButtonClick() {
    if (ButtonResult == Accepted) {
        ButtonPressed = true;
        return;
    }
    if (ReportSystem)
        ReportSystem->cancel();
}

void TRptStatusForm::reject() {
    ui->CancelButton->click();
}

void TRptStatusForm::closeEvent(QCloseEvent* event) {
    // The window closes with its run, not by the window manager.
    event->ignore();
}

} // namespace zamt
