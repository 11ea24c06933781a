#include "measure/TForm2.h"

#include "calc/KeyFilter.h"
#include "measure/TForm3.h"
#include "look/Forms.h"
#include "look/KeyPressRouter.h"
#include "look/WindowLook.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"
#include "platform/HandlerGuard.h"
#include "platform/MessageBoxes.h"
#include "ui_TForm2.h"

namespace zamt {

TForm2::TForm2() : ui(std::make_unique<Ui::TForm2>()), keys_(new KeyPressRouter(this)) {
    ui->setupUi(this);
    makeToolWindow(this);
    setBackground(this, colors::skyBlue);
    placeWindow(this, 1, 121, 402, 456);
    // Labels without word wrap fit their text, as the result labels do
    // whenever they get a new one.
    for (QLabel* label : ui->Panel1->findChildren<QLabel*>()) {
        if (!label->wordWrap() && label != ui->Panel2)
            label->adjustSize();
    }
    for (QLabel* label : {ui->Label8, ui->Label9, ui->Label10, ui->Label11, ui->Label17,
                          ui->Label18, ui->Label25})
        setBackground(label, colors::cream);
    setBackground(ui->Panel2, colors::desktop);
    setTextColor(ui->Panel2, Qt::white);

    keys_->route(ui->Edit1, [this](char& key) { keyPress1(key); });
    keys_->route(ui->Edit2, [this](char& key) { keyPress2(key); });
    keys_->route(ui->Edit3, [this](char& key) { keyPress3(key); });
    keys_->route(ui->Edit4, [this](char& key) { keyPress4(key); });
    keys_->route(ui->Edit5, [this](char& key) { keyPress5(key); });
    keys_->route(ui->Edit6, [this](char& key) { keyPress6(key); });
    connect(ui->Button1, &QPushButton::clicked, this, guarded(this, &TForm2::Button1Click));
    connect(ui->Button2, &QPushButton::clicked, this, guarded(this, &TForm2::Button2Click));
}

TForm2::~TForm2() = default;

void TForm2::keyPress1(char& Key) {
    Key = filterNameKey(Key, toCp1251(ui->Edit1->text()), decimalSeparator());
    if (Key == kEnter)
        moveFocusTo(ui->Edit2);
}

void TForm2::keyPress2(char& Key) { numericKey(Key, ui->Edit2, ui->Edit3); }
void TForm2::keyPress3(char& Key) { numericKey(Key, ui->Edit3, ui->Edit4); }
void TForm2::keyPress4(char& Key) { numericKey(Key, ui->Edit4, ui->Edit5); }
void TForm2::keyPress5(char& Key) { numericKey(Key, ui->Edit5, ui->Edit6); }
void TForm2::keyPress6(char& Key) { numericKey(Key, ui->Edit6, ui->Button1); }

void TForm2::numericKey(char& Key, const QLineEdit* box, QWidget* next) {
    Key = filterNumericKey(Key, toCp1251(box->text()), decimalSeparator());
    if (Key == kEnter)
        moveFocusTo(next);
}

void TForm2::Button1Click() {
    const GeometryTexts texts{
        toCp1251(ui->Edit1->text()), toCp1251(ui->Edit2->text()), toCp1251(ui->Edit3->text()),
        toCp1251(ui->Edit4->text()), toCp1251(ui->Edit5->text()), toCp1251(ui->Edit6->text()),
    };
    calculateGeometry(texts, measurement(), *this);
}

void TForm2::Button2Click() { showWindow(form3()); }

void TForm2::refuse(const std::string& message) { showMessage(fromCp1251(message)); }

void TForm2::showResult(GeometryLabel label, const std::string& text) {
    QLabel* shown = resultLabel(label);
    shown->setText(fromCp1251(text));
    shown->adjustSize();
}

void TForm2::calculated() { ui->Button1->setText(QStringLiteral("ещё поправки?")); }

QLabel* TForm2::resultLabel(GeometryLabel label) const {
    switch (label) {
    case GeometryLabel::Diameter:
        return ui->Label8;
    case GeometryLabel::Wall:
        return ui->Label9;
    case GeometryLabel::Deposit:
        return ui->Label10;
    case GeometryLabel::Angle:
        return ui->Label11;
    case GeometryLabel::ExactLength:
        return ui->Label17;
    case GeometryLabel::RoughLength:
        return ui->Label18;
    case GeometryLabel::ChannelCoeff:
        break;
    }
    return ui->Label25;
}

} // namespace zamt
