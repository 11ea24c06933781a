#include "report/stream/RptProgress.h"

namespace zamt {

void RptProgress::page(int number) {
    if (sink_) {
        values_.page = number;
        sink_(rptStatusText(format_, values_));
        events_.pump(); // a click on Cancel arrives here
    }
    if (cancelled_)
        throw RptOutputCancelled{};
}

} // namespace zamt
