#pragma once

#include <windows.h>

#include <exception>
#include <utility>

namespace dd {

// Where an exception goes that escapes a window procedure or a menu command of a viewer: the
// application object's exception route.
class ExceptionSink {
public:
    virtual void HandleException(const std::exception& error) noexcept = 0;

protected:
    ~ExceptionSink() = default;
};

// Runs the body of a Windows callback so that nothing unwinds into Windows: an exception with a
// message goes to the sink, and the callback answers `fallback`. Any other kind carries no message to
// show and is dropped.
template <typename Body>
LRESULT GuardedCallback(ExceptionSink* sink, LRESULT fallback, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception& error) {
        if (sink != nullptr) sink->HandleException(error);
    } catch (...) {
    }
    return fallback;
}

}  // namespace dd
