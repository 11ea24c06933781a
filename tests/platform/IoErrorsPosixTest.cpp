// The runtime's I/O messages from errno (Windows: WindowsTextTest.cpp).
#include "platform/IoErrors.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace zamt {
namespace {

TEST(IoErrors, MapErrnoToTheRuntimeMessages) {
    const struct {
        int error;
        const char* message;
    } cases[] = {
        {ENOENT, "File not found"},          {ENAMETOOLONG, "Invalid filename"},
        {EINVAL, "Invalid filename"},        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},     {EACCES, "File access denied"},
        {EPERM, "File access denied"},       {ENOSPC, "I/O error 28"},
        {EIO, "I/O error 5"},                {EROFS, "I/O error 30"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ioErrorMessage(c.error), QString::fromLatin1(c.message)) << c.error;
}

} // namespace
} // namespace zamt
