#include "measure/TForm9.h"

#include "look/WindowLook.h"
#include "platform/HandlerGuard.h"
#include "ui_TForm9.h"

namespace zamt {

TForm9::TForm9() : ui(std::make_unique<Ui::TForm9>()) {
    ui->setupUi(this);
    // An ordinary window; the outer size 591 by 442 leaves this client area.
    placeWindow(this, 192, 107, 583, 415);
    connect(ui->Button1, &QPushButton::clicked, this, guarded(this, &TForm9::Button1Click));
}

TForm9::~TForm9() = default;

// The chart is the largest picture of the program: it is decoded when the
// window is first shown, not at start-up.
void TForm9::showEvent(QShowEvent* event) {
    if (ui->Image1->pixmap().isNull())
        ui->Image1->setPixmap(picture(QStringLiteral("chart7")));
    QWidget::showEvent(event);
}

void TForm9::Button1Click() { close(); }

} // namespace zamt
