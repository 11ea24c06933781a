#pragma once
// The program's default report project, resources/Project1.rpj: the
// passport record printed one text view line per row, under the report's
// title, with "Страница N из M" at the foot of every page.
#include "report/project/RptProjectModel.h"

namespace zamt {

RptProjectModel rptDefaultProject();

} // namespace zamt
