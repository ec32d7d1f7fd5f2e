#include "platform/win32/win32_fatal.h"

#include <windows.h>

#include <new>

namespace zurvane::win32 {

void exit_after_fatal_error(std::exception_ptr error) {
    const wchar_t* message = L"程序遇到无法继续的错误，将退出。";
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        message = L"内存不足，程序将退出。";
    } catch (...) {
    }
    MessageBoxW(nullptr, message, L"Zurvane", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(fatal_exit_code));
}

}  // namespace zurvane::win32
