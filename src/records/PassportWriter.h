#pragma once
// Writing the passport record from the hydraulics window's "записываем?".
#include "calc/Measurement.h"
#include "platform/Dialogs.h"

#include <QString>

class QWidget;

namespace zamt {

// The record dialog as the hydraulics window starts it: filter
// "Текстовые файлы|*.txt", data07.txt in the given folder (the folder the
// program was started in), a file that does not exist yet accepted.
OpenFileRequest passportDialogRequest(const QString& startFolder);

// Everything of "записываем?" after the geometry window has been hidden: the
// dialog (a confirmed choice becomes the dialog's next start), the refusal of
// K_g 0, the record written as the chosen file's whole content, and the size
// message. Errors that end the handler are thrown as AppError.
void writePassportRecord(QWidget* parent, OpenFileRequest& dialog, const Measurement& state);

} // namespace zamt
