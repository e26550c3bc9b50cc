#include "platform/messagebox.h"

#include <cstdio>
#include <mutex>

namespace {

int ReportOnStandardError(HWND, const char* text, const char* caption, UINT type)
{
    std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "", text != nullptr ? text : "");
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDNO;
    case MB_OKCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

std::mutex handlerGuard;
MessageBoxHandler currentHandler = ReportOnStandardError;

}  // namespace

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType)
{
    MessageBoxHandler handler;
    {
        const std::lock_guard<std::mutex> lock(handlerGuard);
        handler = currentHandler;
    }
    return handler(hWnd, lpText, lpCaption, uType);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    const std::lock_guard<std::mutex> lock(handlerGuard);
    MessageBoxHandler previous = std::move(currentHandler);
    currentHandler = handler ? std::move(handler) : MessageBoxHandler(ReportOnStandardError);
    return previous;
}
