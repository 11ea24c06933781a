#pragma once
// An error that ends a handler. The handler guard catches it and shows its
// message in the standard error box.
#include <QString>
#include <exception>
#include <string>

namespace zamt {

class AppError : public std::exception {
public:
    explicit AppError(QString message);
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

} // namespace zamt
