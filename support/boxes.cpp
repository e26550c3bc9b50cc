#include "support/boxes.h"

#include "platform/messagebox.h"

void InfoBox(const char* text, const char* caption, HWND owner)
{
    MessageBoxA(owner, text, caption, MB_ICONINFORMATION | MB_OK);
}

void ErrorBox(const char* text, const char* caption, HWND owner)
{
    MessageBoxA(owner, text, caption, MB_ICONERROR | MB_OK);
}

bool AskYesNo(const char* text, const char* caption, HWND owner)
{
    return MessageBoxA(owner, text, caption, MB_ICONWARNING | MB_YESNO) == IDYES;
}
