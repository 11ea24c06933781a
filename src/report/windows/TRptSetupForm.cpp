#include "report/windows/TRptSetupForm.h"

#include "look/CompactCaptions.h"
#include "look/KeyPressRouter.h"
#include "look/WindowFonts.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/HandlerGuard.h"
#include "platform/MessageBoxes.h"
#include "report/common/RptTranslate.h"
#include "report/system/RptPrintRange.h"
#include "report/system/TRptSystem.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptRenderPrinter.h"
#include "ui_TRptSetupForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <optional>

namespace zamt {
namespace {

using S = TSystemSetup;

// The Enter and Esc of the dialog's buttons pass every filter.
constexpr char kEscape = 27;
constexpr char kEnterKey = 13;

void digitsOnly(char& key) {
    if (!((key >= '0' && key <= '9') || key == 8 || key == kEnterKey || key == kEscape))
        key = 0;
}

void pageListKey(char& key) {
    if (key == '-' || key == ',')
        return;
    digitsOnly(key);
}

// A whole number as the runtime's conversion reads it; none for other text.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A whole number, or the conversion error "'%s' is not a valid integer value".
int integerOf(const QString& text) {
    if (const std::optional<int> value = wholeNumber(text))
        return *value;
    throw AppError(rptTranslate(QStringLiteral("'%1' is not a valid integer value")).arg(text));
}

bool validPrinter() {
    return TRptPrinterDevice::instance().valid();
}

// A checked Duplex turns a one-sided mode into the long-edge one and keeps
// any other two-sided mode.
int duplexFor(bool checked, int mode) {
    if (!checked)
        return RptDuplex::None;
    return mode == RptDuplex::None ? RptDuplex::LongEdge : mode;
}

} // namespace

TRptSetupForm::TRptSetupForm(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TRptSetupForm>()), keys_(new KeyPressRouter(this)) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(windowFont(QStringLiteral("Arial"), 11));
    for (QWidget* button : {static_cast<QWidget*>(ui->bbtnOK), static_cast<QWidget*>(ui->CancelBB),
                            static_cast<QWidget*>(ui->SetupBB)})
        button->setFont(windowFont(QStringLiteral("System"), 13));
    ui->RangeGB->setFont(windowFont(QStringLiteral("MS Sans Serif"), 11));
    ui->cboxFormat->setFont(windowFont(QStringLiteral("MS Sans Serif"), 11));
    for (QWidget* box : {ui->CollateCK, ui->DuplexCK})
        useCompactCaptionSpacing(box);
    setFixedSize(295, 242);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ui->FileNameSB->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ui->FileNameSB->setIconSize(QSize(14, 14));

    ui->FromLabel->hide();
    ui->FromED->hide();
    ui->ToLabel->hide();
    ui->ToED->hide();
    ui->SelectionLabel->setEnabled(false);
    ui->SelectionED->setEnabled(false);
    ui->editFileName->setEnabled(false);
    ui->FileNameSB->setEnabled(false);

    keys_->route(ui->CopiesED, digitsOnly);
    keys_->route(ui->FromED, digitsOnly);
    keys_->route(ui->ToED, digitsOnly);
    keys_->route(ui->SelectionED, pageListKey);

    connect(ui->PrinterRB, &QRadioButton::clicked, this,
            guarded(this, &TRptSetupForm::PrinterRBClick));
    connect(ui->PreviewRB, &QRadioButton::clicked, this,
            guarded(this, &TRptSetupForm::PreviewRBClick));
    connect(ui->FileRB, &QRadioButton::clicked, this, guarded(this, &TRptSetupForm::FileRBClick));
    connect(ui->editFileName, &QLineEdit::textChanged, this,
            guarded(this, &TRptSetupForm::editFileNameChange));
    connect(ui->FileNameSB, &QToolButton::clicked, this,
            guarded(this, &TRptSetupForm::FileNameSBClick));
    connect(ui->cboxFormat, &QComboBox::activated, this,
            guarded(this, &TRptSetupForm::cboxFormatChange));
    connect(ui->AllRB, &QRadioButton::clicked, this, guarded(this, &TRptSetupForm::AllRBClick));
    connect(ui->SelectionRB, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runGuarded([this] { SelectionRBChecked(); });
    });
    connect(ui->PagesRB, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runGuarded([this] { PagesRBChecked(); });
    });
    connect(ui->SetupBB, &QPushButton::clicked, this, guarded(this, &TRptSetupForm::SetupBBClick));
    connect(ui->bbtnOK, &QPushButton::clicked, this, guarded(this, &TRptSetupForm::bbtnOKClick));
    connect(ui->CancelBB, &QPushButton::clicked, this, &QDialog::reject);
}

TRptSetupForm::~TRptSetupForm() = default;

void TRptSetupForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window system's own show, when it maps the window, comes after
    // the user may have chosen: the window is filled once per show().
    if (!event->spontaneous())
        runGuarded([this] { FormShow(); });
}

// ------------------------------------------------------------------ show

void TRptSetupForm::FormShow() {
    fillFormats();
    refreshPrinterLine();
    const bool valid = validPrinter();
    if (PreviewSetup) {
        ui->PageControl1->setCurrentWidget(ui->TabSheet2);
        const int pages = RenderPrinter ? RenderPrinter->pageCount() : 0;
        ui->FromED->setText(QStringLiteral("1"));
        ui->ToED->setText(QString::number(pages));
        ui->SelectionED->setText(QStringLiteral("1-") + QString::number(pages));
    } else {
        ui->PageControl1->setCurrentWidget(ui->TabSheet1);
        if (ui->cboxFormat->currentIndex() < 0)
            ui->cboxFormat->setCurrentIndex(0);
        showDestinations(valid);
    }
    limitOptions(valid);
    focusCheckedChoice();
}

// The keyboard starts on the checked choice of the page shown, so that a
// Space press keeps it instead of choosing the first button.
void TRptSetupForm::focusCheckedChoice() {
    for (QRadioButton* button : ui->PageControl1->currentWidget()->findChildren<QRadioButton*>())
        if (button->isChecked() && button->isEnabled()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void TRptSetupForm::fillFormats() {
    formats_ = RptFormatTable();
    ui->cboxFormat->clear();
    for (const RptOutputFormat& format : formats_.formats())
        ui->cboxFormat->addItem(format.caption);
    ui->cboxFormat->setCurrentIndex(-1);
}

const RptOutputFormat& TRptSetupForm::chosenFormat() const {
    return formats_.at(ui->cboxFormat->currentIndex());
}

void TRptSetupForm::refreshPrinterLine() {
    TRptPrinterDevice& device = TRptPrinterDevice::instance();
    if (device.printers().isEmpty() || !device.printer()) {
        ui->PrinterLabel->setText(rptTranslate(QStringLiteral("No printers installed!")));
        return;
    }
    const QString port = device.portName();
    ui->PrinterLabel->setText(
        port.isEmpty() ? device.deviceName()
                       : rptTranslate(QStringLiteral("%1 on %2")).arg(device.deviceName(), port));
}

void TRptSetupForm::showDestinations(bool valid) {
    const TSystemSetups setups = ReportSystem ? ReportSystem->SystemSetups : TSystemSetups::all();
    if (!valid) {
        ui->PrinterRB->setEnabled(false);
        ui->FileRB->setEnabled(false);
        if (setups.contains(S::ssAllowDestPreview)) {
            ui->PreviewRB->setChecked(true);
            PreviewRBClick();
        } else {
            ui->PreviewRB->setEnabled(false);
        }
        return;
    }
    ui->PrinterRB->setEnabled(setups.contains(S::ssAllowDestPrinter));
    ui->PreviewRB->setEnabled(setups.contains(S::ssAllowDestPreview));
    ui->FileRB->setEnabled(setups.contains(S::ssAllowDestFile));
    switch (ReportSystem ? ReportSystem->DefaultDest : TReportDest::rdPreview) {
    case TReportDest::rdPreview:
        ui->PreviewRB->setChecked(true);
        PreviewRBClick();
        break;
    case TReportDest::rdPrinter:
        ui->PrinterRB->setChecked(true);
        PrinterRBClick();
        break;
    case TReportDest::rdFile:
        ui->FileRB->setChecked(true);
        FileRBClick();
        break;
    }
}

void TRptSetupForm::limitOptions(bool valid) {
    const int copies = ReportSystem ? ReportSystem->SystemPrinter.Copies : 1;
    ui->CopiesED->setText(QString::number(copies));
    if (!valid) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 ui->CollateCK, ui->CopiesED, ui->CopiesLabel, ui->DuplexCK, ui->SetupBB})
            w->setEnabled(false);
        return;
    }
    const TSystemSetups setups = ReportSystem ? ReportSystem->SystemSetups : TSystemSetups::all();
    if (!setups.contains(S::ssAllowCollate))
        ui->CollateCK->setEnabled(false);
    if (!setups.contains(S::ssAllowCopies)) {
        ui->CopiesED->setEnabled(false);
        ui->CopiesLabel->setEnabled(false);
    }
    if (!setups.contains(S::ssAllowDuplex))
        ui->DuplexCK->setEnabled(false);
    if (!setups.contains(S::ssAllowPrinterSetup))
        ui->SetupBB->setEnabled(false);
}

// ------------------------------------------------------------- reactions

void TRptSetupForm::setFileControlsEnabled(bool enabled) {
    ui->editFileName->setEnabled(enabled);
    ui->FileNameSB->setEnabled(enabled);
    ui->cboxFormat->setEnabled(enabled);
}

void TRptSetupForm::destinationChosen(bool printer) {
    setFileControlsEnabled(false);
    ui->bbtnOK->setEnabled(true);
    ui->SetupBB->setEnabled(true);
    ui->CopiesED->setEnabled(printer);
    ui->CollateCK->setEnabled(printer);
    ui->DuplexCK->setEnabled(printer);
}

void TRptSetupForm::PrinterRBClick() {
    destinationChosen(true);
}
void TRptSetupForm::PreviewRBClick() {
    destinationChosen(false);
}

void TRptSetupForm::FileRBClick() {
    setFileControlsEnabled(true);
    ui->SetupBB->setEnabled(false);
    updateOkForFileName();
}

void TRptSetupForm::updateOkForFileName() {
    ui->bbtnOK->setEnabled(!ui->editFileName->text().trimmed().isEmpty());
}

void TRptSetupForm::editFileNameChange() {
    updateOkForFileName();
}

void TRptSetupForm::FileNameSBClick() {
    SaveFileRequest request;
    request.filter = saveFilter();
    request.filterIndex = saveFilterIndex_;
    request.fileName = ui->editFileName->text().trimmed();
    request.confirmOverwrite = true;
    const std::optional<SaveFileAnswer> answer = dialogs().saveFile(this, request);
    if (!answer)
        return;
    saveFilterIndex_ = answer->filterIndex;
    ui->editFileName->setText(answer->fileName);
    ui->cboxFormat->setCurrentIndex(
        formats_.positionOf(formats_.atFilterIndex(RptFormatUse::Setup, answer->filterIndex)));
}

void TRptSetupForm::cboxFormatChange() {
    saveFilterIndex_ = formats_.filterIndexOf(RptFormatUse::Setup, chosenFormat());
}

void TRptSetupForm::AllRBClick() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->SelectionLabel, ui->SelectionED, ui->FromLabel, ui->FromED, ui->ToLabel, ui->ToED})
        w->setEnabled(false);
}

void TRptSetupForm::SelectionRBChecked() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->FromLabel, ui->FromED, ui->ToLabel, ui->ToED})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{ui->SelectionLabel, ui->SelectionED}) {
        w->setEnabled(true);
        w->show();
    }
}

void TRptSetupForm::PagesRBChecked() {
    ui->SelectionLabel->hide();
    ui->SelectionED->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->FromLabel, ui->FromED, ui->ToLabel, ui->ToED}) {
        w->setEnabled(true);
        w->show();
    }
}

void TRptSetupForm::SetupBBClick() {
    TRptPrinterDevice::instance().setupDialog(this);
    refreshPrinterLine();
}

// --------------------------------------------------------------- storing

void TRptSetupForm::bbtnOKClick() {
    // A page range without a page to print is refused before anything is
    // stored, and the window stays open with the range as typed.
    if (PreviewSetup && RenderPrinter && refusesPageRange())
        return;
    // The result is OK from the press on, also when a value cannot be stored.
    struct Close {
        QDialog* dialog;
        ~Close() { dialog->accept(); }
    } close{this};
    if (PreviewSetup && RenderPrinter)
        storeInRenderer();
    else if (!PreviewSetup)
        storeInSystem();
    storeOptions();
}

bool TRptSetupForm::refusesPageRange() {
    if (ui->SelectionRB->isChecked()) {
        const QString refusal = rptSelectionRefusal(toCp1251(ui->SelectionED->text()),
                                                    RenderPrinter->pageCount());
        if (!refusal.isEmpty())
            showMessage(refusal);
        return !refusal.isEmpty();
    }
    if (!ui->PagesRB->isChecked())
        return false;
    const std::optional<int> from = wholeNumber(ui->FromED->text());
    const std::optional<int> to = wholeNumber(ui->ToED->text());
    if (!from || !to)
        return false; // storing tells of the text that is not a number
    const RptPrintRange range = rptPrintRange(*from, *to, RenderPrinter->pageCount());
    if (range.refusal.isEmpty())
        return false;
    showMessage(range.refusal);
    return true;
}

void TRptSetupForm::storeInRenderer() {
    TRptRenderPrinter& r = *RenderPrinter;
    r.FirstPage = 1;
    r.LastPage = 9999;
    r.Selection.clear();
    if (ui->SelectionRB->isChecked())
        r.Selection = toCp1251(ui->SelectionED->text());
    if (ui->PagesRB->isChecked()) {
        // From is stored even when To then turns out not to be a number.
        r.FirstPage = integerOf(ui->FromED->text());
        const int to = integerOf(ui->ToED->text());
        const RptPrintRange range = rptPrintRange(r.FirstPage, to, r.pageCount());
        r.FirstPage = range.first;
        r.LastPage = range.last;
    }
    const TSystemSetups setups = ReportSystem ? ReportSystem->SystemSetups : TSystemSetups::all();
    bool ok = false;
    const int copies = ui->CopiesED->text().toInt(&ok);
    if (setups.contains(S::ssAllowCopies) && ok)
        r.Copies = copies;
    if (setups.contains(S::ssAllowCollate))
        r.Collate = ui->CollateCK->isChecked();
    if (setups.contains(S::ssAllowDuplex))
        r.Duplex = duplexFor(ui->DuplexCK->isChecked(), r.Duplex);
}

void TRptSetupForm::storeInSystem() {
    if (!ReportSystem)
        return;
    TRptSystem& s = *ReportSystem;
    if (ui->PrinterRB->isChecked())
        s.sendTo(TReportDest::rdPrinter);
    else if (ui->PreviewRB->isChecked())
        s.sendTo(TReportDest::rdPreview);
    else {
        const RptOutputTarget target = formats_.targetFor(ui->editFileName->text(), chosenFormat());
        s.sendToFile(target.format, target.fileName);
    }
}

void TRptSetupForm::storeOptions() {
    if (!ReportSystem)
        return;
    TSystemPrinter& p = ReportSystem->SystemPrinter;
    const TSystemSetups setups = ReportSystem->SystemSetups;
    bool ok = false;
    const int copies = ui->CopiesED->text().toInt(&ok);
    if (setups.contains(S::ssAllowCopies) && ok)
        p.Copies = copies;
    if (setups.contains(S::ssAllowCollate))
        p.Collate = ui->CollateCK->isChecked();
    if (setups.contains(S::ssAllowDuplex))
        p.Duplex = duplexFor(ui->DuplexCK->isChecked(), p.Duplex);
}

} // namespace zamt
