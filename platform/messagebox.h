// Message boxes. The engine stays free of any user-interface toolkit: a box
// goes to whatever handler the program installed (a dialog in the desktop
// program, standard error in the command-line one, a responder in tests).
#pragma once

#include "platform/wintypes.h"

#include <functional>

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONMASK = 0xF0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a box and returns the button chosen.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

using MessageBoxHandler = std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;

// Installs the handler that shows every box from now on and returns the one
// it replaces. An empty handler restores the default, which writes the caption
// and text to standard error and answers No to a question (OK otherwise).
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
