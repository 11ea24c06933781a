#pragma once
// Report project files (*.rpj): the binary frame of RptProjectHeader.h
// around the XML project text of RptProjectXml.h.
#include "report/project/RptProjectModel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zamt {

// The project a file's bytes hold; no bytes at all hold rptEmptyProject().
// Raises "Invalid Project Format", "Invalid Project Header Code" or
// "Invalid report project...".
RptProjectModel rptReadProject(QByteArrayView file);

// The bytes of a file holding the project.
QByteArray rptWriteProject(const RptProjectModel& project);

// Reads the project file at `path`. Besides the errors of rptReadProject it
// raises "Cannot open file "<path>". <reason>" and, for a folder entry that
// is not a plain file (a pipe would never end), "The following reporting
// project is not a file:" CR "<path>".
RptProjectModel rptLoadProjectFile(const QString& path);

} // namespace zamt
