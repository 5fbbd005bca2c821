// The desktop services the program asks for: opening a file or a "mailto:" / "http://" link
// with the desktop, the system beep, the keyboard layout, and the system metrics it reads.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/AnsiString.h"
#include "toolkit/Messages.h"

// Opens File with the desktop (Operation "open"); a help book (".chm") opens in a viewer window
// of class "HH Parent" in this process. Parameters and Directory are unused here. Returns a value
// above 32 on success, as the platform call does, and 2 for a file that cannot be opened.
std::intptr_t ShellExecute(HWND Window, const char* Operation, const char* File, const char* Parameters,
                           const char* Directory, int ShowCommand);

// Sounds through the beeper in use (the desktop's beep unless replaced).
void MessageBeep(unsigned Type);

// Keyboard layouts are the desktop's business here: the request is recorded and nothing else.
using HKL = std::uintptr_t;
constexpr unsigned KLF_ACTIVATE = 0x01;
HKL LoadKeyboardLayout(const char* LayoutId, unsigned Flags);

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
int GetSystemMetrics(int Index);

namespace tk {

// What opens documents and links; tests put a recorder in place. Returns success.
using ShellOpener = std::function<bool(const AnsiString& target)>;
// Null brings back the desktop.
void setShellOpener(ShellOpener opener);

// What MessageBeep sounds with; tests put a counter in place. Null brings back the desktop beep.
using Beeper = std::function<void(unsigned type)>;
void setBeeper(Beeper beeper);

// The layout last asked for with LoadKeyboardLayout ("00000419"), empty before.
const AnsiString& activeKeyboardLayout();

} // namespace tk
