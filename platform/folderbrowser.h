// The folder browser: the counterpart of SHBrowseForFolderA followed by
// SHGetPathFromIDListA. Like message boxes, it goes to whatever handler the
// program installed (a dialog in the desktop program, a responder in tests),
// so this layer needs no user-interface toolkit.
#pragma once

#include "platform/wintypes.h"

#include <functional>
#include <optional>
#include <string>

// Browser flags, with the shell's values.
constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040;
constexpr UINT BIF_NONEWFOLDERBUTTON = 0x0200;
constexpr UINT BIF_BROWSEFORCOMPUTER = 0x1000;

// The chosen folder's full path (its exact bytes), or nothing on cancel.
using FolderBrowserHandler = std::function<std::optional<std::string>(HWND owner, const char* title, UINT flags)>;

// Shows the modal folder browser through the installed handler.
std::optional<std::string> ShowFolderBrowser(HWND owner, const char* title, UINT flags);

// Installs the handler that answers every browser from now on and returns the
// one it replaces. An empty handler restores the default, which cancels.
FolderBrowserHandler SetFolderBrowserHandler(FolderBrowserHandler handler);
