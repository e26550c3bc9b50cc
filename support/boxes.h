// The program's three message boxes. owner is the window the box belongs to,
// or none.
#pragma once

#include "platform/wintypes.h"

void InfoBox(const char* text, const char* caption, HWND owner = nullptr);
void ErrorBox(const char* text, const char* caption, HWND owner = nullptr);
// A warning with Yes and No; true exactly when the answer is Yes.
bool AskYesNo(const char* text, const char* caption, HWND owner = nullptr);
