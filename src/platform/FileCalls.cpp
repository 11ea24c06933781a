#include "platform/FileCalls.h"

#include <utility>

namespace zamt {

namespace {

std::unique_ptr<FileCalls>& installed() {
    static std::unique_ptr<FileCalls> calls;
    return calls;
}

} // namespace

FileCalls& fileCalls() {
    static FileCalls real;
    return installed() ? *installed() : real;
}

std::unique_ptr<FileCalls> installFileCalls(std::unique_ptr<FileCalls> calls) {
    std::swap(installed(), calls);
    return calls;
}

} // namespace zamt
