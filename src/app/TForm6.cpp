#include "app/TForm6.h"

#include "look/WindowLook.h"
#include "platform/HandlerGuard.h"
#include "ui_TForm6.h"

namespace zamt {

TForm6::TForm6() : ui(std::make_unique<Ui::TForm6>()) {
    ui->setupUi(this);
    makeToolWindow(this);
    setBackground(this, colors::olive);
    setTextColor(ui->Label1, Qt::white);
    ui->Image1->setPixmap(picture(QStringLiteral("portrait")));
    ui->Image2->setPixmap(picture(QStringLiteral("emblem")));
    placeWindow(this, 192, 107, 188, 225);
    connect(ui->SpeedButton1, &QToolButton::clicked, this,
            guarded(this, &TForm6::SpeedButton1Click));
}

TForm6::~TForm6() = default;

void TForm6::SpeedButton1Click() { close(); }

} // namespace zamt
