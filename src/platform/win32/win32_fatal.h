// The end of the process after a failure it cannot survive.
#pragma once

#include <exception>

namespace zurvane::win32 {

inline constexpr int fatal_exit_code = -1;

// Shows the error message box for the exception being handled, then ends the process with the
// fatal exit code. For catch blocks only: an exception must not unwind through Windows' frames.
[[noreturn]] void exit_after_fatal_error(std::exception_ptr error);

// Runs f; an exception it throws ends the process as above.
template <typename F>
decltype(auto) fatal_on_exception(F&& f) {
    try {
        return f();
    } catch (...) {
        exit_after_fatal_error(std::current_exception());
    }
}

}  // namespace zurvane::win32
