#include "support/ErrorOf.h"

#include "platform/AppError.h"

namespace zamt::test {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace zamt::test
