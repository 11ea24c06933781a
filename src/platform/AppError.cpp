#include "platform/AppError.h"

namespace zamt {

AppError::AppError(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8().toStdString()) {}

} // namespace zamt
