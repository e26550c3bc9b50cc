// Shell functions: the folder browser, a file's icon and type name, opening a
// file with its associated program, and whether a path names a file. None of
// them reports a failure: the result says everything. Paths are the exact
// bytes of the file's name.
#pragma once

#include "platform/folderbrowser.h"
#include "support/astr.h"

#include <QIcon>

// True, with the chosen folder's full path, when the user confirmed a folder;
// false (and an empty path) on cancel. Without allowNewFolder the browser
// offers no way to make a folder (BIF_NONEWFOLDERBUTTON joins the flags).
bool BrowseForFolder(HWND owner, const char* title, bool allowNewFolder, UINT flags, AStr& path);

// The file's icon (16 pixels when small, else 32); a null icon when the path
// names nothing.
QIcon FileIcon(const char* path, bool small);

// The type name of the file ("PNG image"); empty when the path names nothing.
AStr FileTypeName(const char* path);

// Opens the file with its associated program; the outcome is not examined.
void OpenWithShell(const char* path);

// True when the path names something that is not a folder; a symbolic link
// is not followed.
bool IsExistingFile(const char* path);
