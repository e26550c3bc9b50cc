#include "platform/folderbrowser.h"

#include <mutex>

namespace {

std::optional<std::string> Cancel(HWND, const char*, UINT)
{
    return std::nullopt;
}

std::mutex handlerGuard;
FolderBrowserHandler currentHandler = Cancel;

}  // namespace

std::optional<std::string> ShowFolderBrowser(HWND owner, const char* title, UINT flags)
{
    FolderBrowserHandler handler;
    {
        const std::lock_guard<std::mutex> lock(handlerGuard);
        handler = currentHandler;
    }
    return handler(owner, title, flags);
}

FolderBrowserHandler SetFolderBrowserHandler(FolderBrowserHandler handler)
{
    const std::lock_guard<std::mutex> lock(handlerGuard);
    FolderBrowserHandler previous = std::move(currentHandler);
    currentHandler = handler ? std::move(handler) : FolderBrowserHandler(Cancel);
    return previous;
}
