#pragma once
// What the built-in window hooks of a report run share: the window made at
// omCreate, captioned and attached to its report system, and freed at
// omFree.
#include "report/common/RptTranslate.h"

#include <QObject>
#include <QString>

namespace zamt {

class TRptSystem;

template <class Form>
Form* createHookWindow(TRptSystem& system, const QString& caption, QObject*& window) {
    auto* form = new Form();
    form->setWindowTitle(rptTranslate(caption));
    form->ReportSystem = &system;
    window = form;
    return form;
}

inline void freeHookWindow(QObject*& window) {
    delete window;
    window = nullptr;
}

} // namespace zamt
