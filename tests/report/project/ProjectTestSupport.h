#pragma once
// Project texts and files for the report project tests.
#include "report/project/RptProjectModel.h"

#include <QByteArray>
#include <string>

namespace zamt::test {

// A small valid project text: data view "V" on RptCustomConnection1 with
// field "StrField", report "R" whose detail band prints it.
QByteArray minimalProjectXml();
// The same inside <project ...>...</project> with other children.
QByteArray projectXml(const std::string& attributes, const std::string& children);

// A project with a report of the given name, saved with `active` as active.
RptProjectModel namedReports(const std::vector<std::string>& names, const std::string& active);

// The file's bytes for a project text.
QByteArray framed(const QByteArray& text);

} // namespace zamt::test
