#pragma once
// The message of the AppError an action raises, for tests of refusals.
#include <functional>
#include <string>

namespace zamt::test {

// The message (UTF-8), or "no error" when the action raises none.
std::string errorOf(const std::function<void()>& action);

} // namespace zamt::test
