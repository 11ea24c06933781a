#include "measure/TForm3.h"

#include "calc/FloatFaults.h"
#include "calc/KeyFilter.h"
#include "calc/NumberText.h"
#include "look/Forms.h"
#include "look/KeyPressRouter.h"
#include "look/WindowLook.h"
#include "measure/TForm2.h"
#include "measure/TForm9.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"
#include "platform/HandlerGuard.h"
#include "records/PassportWriter.h"
#include "ui_TForm3.h"

#include <QDir>

namespace zamt {
namespace {

// A label sizes itself to its caption, as the window's labels do, unless it
// has a fixed width.
void setCaption(QLabel* label, const std::string& text, bool fixedWidth = false) {
    label->setText(fromCp1251(text));
    if (!fixedWidth)
        label->adjustSize();
}

std::string boxText(const QLineEdit* box) {
    return toCp1251(box->text());
}

// The numeric key filter of a box, with Enter stepping to the next control.
void filterKey(char& key, const QLineEdit* box, QWidget* next) {
    key = filterNumericKey(key, boxText(box), decimalSeparator());
    if (key == kEnter)
        moveFocusTo(next);
}

} // namespace

TForm3::TForm3() : ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    makeToolWindow(this);
    setBackground(this, colors::paleGreen);
    setBackground(ui->Panel2, colors::paleGreen);
    setBackground(ui->Panel5, colors::paleGreen);
    for (QLabel* header : {ui->Panel3, ui->Panel4}) {
        setBackground(header, colors::desktop);
        setTextColor(header, Qt::white);
    }
    for (QLabel* label :
         {ui->Label8, ui->Label9, ui->Label10, ui->Label11, ui->Label17, ui->Label18, ui->Label25,
          ui->Label26, ui->Label28, ui->Label2, ui->Label3, ui->Label12}) {
        setBackground(label, colors::cream);
        if (label != ui->Label3)
            label->adjustSize();
    }
    for (QLabel* label : {ui->Label7, ui->Label14, ui->Label15, ui->Label16, ui->Label19,
                          ui->Label20, ui->Label23, ui->Label1, ui->Label24})
        label->adjustSize();
    ui->SpeedButton1->setPicture(picture(QStringLiteral("chartbutton")));
    // The outer size 376 by 611 leaves this client area.
    placeWindow(this, 369, 120, 368, 588);

    // The window is made at start-up: the record dialog starts in the folder
    // the program was started in.
    OpenDialog1 = passportDialogRequest(QDir::currentPath());

    auto* router = new KeyPressRouter(this);
    router->route(ui->Edit1, [this](char& key) { keyPress1(key); });
    router->route(ui->Edit2, [this](char& key) { keyPress2(key); });
    router->route(ui->Edit3, [this](char& key) { keyPress3(key); });

    connect(ui->Button3, &QPushButton::clicked, this, guarded(this, &TForm3::Button3Click));
    connect(ui->Button1, &QPushButton::clicked, this, guarded(this, &TForm3::Button1Click));
    connect(ui->SpeedButton1, &QToolButton::clicked, this,
            guarded(this, &TForm3::SpeedButton1Click));
    connect(ui->Button2, &QPushButton::clicked, this, guarded(this, &TForm3::Button2Click));
    connect(ui->Button4, &QPushButton::clicked, this, guarded(this, &TForm3::Button4Click));
}

TForm3::~TForm3() = default;

void TForm3::Button3Click() {
    const Measurement& state = measurement();
    setCaption(ui->Label8, FormatFixed(typedDiameter(state), 5, 2));
    setCaption(ui->Label9, FormatFixed(state.ds, 5, 2));
    setCaption(ui->Label10, FormatFixed(state.dn, 5, 2));
    setCaption(ui->Label11, FormatFixed(state.angle_deg, 5, 2));
    setCaption(ui->Label17, FormatFixed(state.L_a_exact, 5, 2));
    setCaption(ui->Label18, FormatFixed(state.L_a_rough, 5, 2));
    setCaption(ui->Label25, FormatFixed(state.K_La, 8, 6));
}

void TForm3::Button1Click() {
    const HydraulicsInput input{boxText(ui->Edit1), boxText(ui->Edit2), boxText(ui->Edit3),
                                boxText(ui->Edit4)};
    calculateHydraulics(measurement(), input, *this);
}

void TForm3::showResult(HydraulicsLabel label, const std::string& text) {
    switch (label) {
    case HydraulicsLabel::K_e:
        return setCaption(ui->Label12, text);
    case HydraulicsLabel::nu:
        return setCaption(ui->Label3, text, true);
    case HydraulicsLabel::t:
        return setCaption(ui->Label2, text);
    case HydraulicsLabel::Re_min:
        return setCaption(ui->Label28, text);
    case HydraulicsLabel::lambda:
        return setCaption(ui->Label26, text);
    }
}

void TForm3::calculationDone() {
    ui->Button1->setText(QStringLiteral("ещё поправки?"));
    ui->Button4->setEnabled(true);
    ui->Button4->setFocus();
}

void TForm3::keyPress1(char& key) {
    filterKey(key, ui->Edit1, ui->Edit2);
}
void TForm3::keyPress2(char& key) {
    filterKey(key, ui->Edit2, ui->Edit3);
}
void TForm3::keyPress3(char& key) {
    filterKey(key, ui->Edit3, ui->Button1);
}

void TForm3::SpeedButton1Click() {
    showWindow(form9());
}

void TForm3::Button2Click() {
    close();
}

void TForm3::Button4Click() {
    if (Form2)
        Form2->close();
    writePassportRecord(this, OpenDialog1, measurement());
}

} // namespace zamt
