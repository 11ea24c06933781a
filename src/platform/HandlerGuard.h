#pragma once
// Every event handler runs through the guard: an error that ends a handler is
// shown in the standard error box and never reaches Qt's event loop.
#include <utility>

namespace zamt {

namespace detail {
void reportHandlerError() noexcept; // called inside a catch block
}

template <class F>
void runGuarded(F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (...) {
        detail::reportHandlerError();
    }
}

// A slot that runs object->method() through the guard.
template <class Object, class Method>
auto guarded(Object* object, Method method) {
    return [object, method](auto&&...) { runGuarded([&] { (object->*method)(); }); };
}

} // namespace zamt
