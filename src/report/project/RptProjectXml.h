#pragma once
// The project text: the UTF-8 XML inside a project file, as described for
// report authors in docs/report-projects.md.
#include "report/project/RptProjectModel.h"

#include <QByteArray>

namespace zamt {

// The project a text describes. Raises AppError "Invalid report project..."
// naming what is wrong, with the line where it is found.
RptProjectModel rptReadProjectXml(const QByteArray& text);

// The text of a project; every attribute is written, defaults too. Reading
// it gives the same project back when the project keeps the format's rules.
QByteArray rptWriteProjectXml(const RptProjectModel& project);

} // namespace zamt
