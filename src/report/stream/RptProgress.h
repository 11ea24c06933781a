#pragma once
// The progress of printing or converting a page stream, for the status
// window: the renderer calls page() before every page it outputs; the sink
// gets the status text for it ("Printing page %p"), and the program handles
// its pending events now and then. After cancel(), the next page() throws
// RptOutputCancelled: the renderer drops what it has made (an abandoned
// print job, a file that is never put in place) and the report system
// takes the run as cancelled.
#include "report/stream/RptStatusText.h"
#include "report/stream/RptThrottle.h"

#include <functional>

namespace zamt {

struct RptOutputCancelled {};

class RptProgress {
public:
    RptProgress(QString format, RptStatusValues values)
        : format_(std::move(format)), values_(std::move(values)) {}

    using Sink = std::function<void(const QString& text)>;
    void setSink(Sink sink) { sink_ = std::move(sink); }

    void page(int number);
    void cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }

private:
    QString format_;
    RptStatusValues values_;
    Sink sink_;
    RptEventPump events_;
    bool cancelled_ = false;
};

} // namespace zamt
