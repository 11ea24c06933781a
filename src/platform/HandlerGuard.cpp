#include "platform/HandlerGuard.h"

#include "platform/AppError.h"
#include "platform/MessageBoxes.h"

#include <exception>
#include <new>

namespace zamt::detail {

void reportHandlerError() noexcept {
    try {
        try {
            throw;
        } catch (const AppError& error) {
            showErrorBox(error.message());
        } catch (const std::bad_alloc&) {
            showErrorBox(QStringLiteral("Out of memory"));
        } catch (const std::exception& error) {
            showErrorBox(QString::fromUtf8(error.what()));
        } catch (...) {
            showErrorBox(QStringLiteral("Unknown error"));
        }
    } catch (...) {
        // Showing the box failed as well; nothing more can be done safely.
    }
}

} // namespace zamt::detail
