#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace zamt {

void QtMessageBoxes::show(const MessageBox& box) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (box.kind) {
    case BoxKind::Plain:
        break;
    case BoxKind::Error:
        icon = QMessageBox::Critical;
        break;
    case BoxKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case BoxKind::Information:
        icon = QMessageBox::Information;
        break;
    }
    QMessageBox dialog(icon, box.caption, box.text, QMessageBox::Ok, QApplication::activeWindow());
    dialog.exec();
}

} // namespace zamt
