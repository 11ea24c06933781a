#pragma once
// Ends a report run whose cause the user has already been told in a box of
// its own (e.g. a data view's connection is missing). The report run
// catches it and returns without a further message; it is not an AppError,
// so no handler guard should ever see it.
#include <exception>

namespace zamt {

class RptRunAborted : public std::exception {
public:
    const char* what() const noexcept override { return "Report run aborted"; }
};

} // namespace zamt
