// Reading and writing a form's window placement.
//
// There are no MDI forms here, so the MDI branches of the placement are left out.
#include "widgets/FormPlacementFile.h"

#include <cstdio>

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TScreen.h"
#include "toolkit/WinApi.h"
#include "widgets/PlacementStorage.h"
#include "widgets/WidgetHelpers.h"

namespace {

AnsiString fourIntegers(int a, int b, int c, int d) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", a, b, c, d);
    return text;
}

TWindowState stateOfShowCommand(int showCmd, TWindowState fallback) {
    switch (showCmd) {
    case 1:
    case 5:
    case 9:
        return wsNormal;
    case 2:
    case 6:
    case 7:
        return wsMinimized;
    case 3:
        return wsMaximized;
    default:
        return fallback;
    }
}

} // namespace

void WriteFormPlacement(TForm* Form, TCustomIniFile* IniFile, const AnsiString& Section) {
    WINDOWPLACEMENT placement;
    GetWindowPlacement(Form->Handle(), &placement);
    if (Form == Application->MainForm() && IsIconic(Application->Handle()))
        placement.showCmd = SW_SHOWMINIMIZED;
    IniWriteInteger(IniFile, Section, "Flags", int(placement.flags));
    IniWriteInteger(IniFile, Section, "ShowCmd", int(placement.showCmd));
    IniWriteInteger(IniFile, Section, "PixelsPerInch", Screen->PixelsPerInch());
    WritePosString(IniFile, Section, "MinMaxPos",
                   fourIntegers(placement.ptMinPosition.X, placement.ptMinPosition.Y, placement.ptMaxPosition.X,
                                placement.ptMaxPosition.Y));
    const TRect& normal = placement.rcNormalPosition;
    WritePosString(IniFile, Section, "NormPos", fourIntegers(normal.Left, normal.Top, normal.Right, normal.Bottom));
}

void ReadFormPlacement(TForm* Form, const TCustomIniFile* IniFile, const AnsiString& Section, bool LoadState,
                       bool LoadPosition) {
    if (!LoadState && !LoadPosition)
        return;
    WINDOWPLACEMENT placement;
    GetWindowPlacement(Form->Handle(), &placement);
    if (!Form->Visible())
        placement.showCmd = SW_HIDE;
    if (LoadPosition) {
        placement.flags = unsigned(IniReadInteger(IniFile, Section, "Flags", int(placement.flags)));
        const AnsiString minMax = ReadPosString(IniFile, Section, "MinMaxPos");
        if (!minMax.empty()) {
            placement.ptMinPosition = Point(NthWordAsInteger(1, minMax, 0), NthWordAsInteger(2, minMax, 0));
            placement.ptMaxPosition = Point(NthWordAsInteger(3, minMax, 0), NthWordAsInteger(4, minMax, 0));
        }
        const AnsiString normal = ReadPosString(IniFile, Section, "NormPos");
        if (!normal.empty())
            placement.rcNormalPosition =
                Rect(NthWordAsInteger(1, normal, Form->Left()), NthWordAsInteger(2, normal, Form->Top()),
                     NthWordAsInteger(3, normal, Form->Left() + Form->Width()), NthWordAsInteger(4, normal, Form->Top() + Form->Height()));
        const bool found = (!minMax.empty() || !normal.empty()) &&
                           IniReadInteger(IniFile, Section, "PixelsPerInch", Screen->PixelsPerInch()) ==
                               Screen->PixelsPerInch();
        if (found) {
            TRect& r = placement.rcNormalPosition;
            if (Form->BorderStyle() != bsSizeable && Form->BorderStyle() != bsSizeToolWin)
                r = Rect(r.Left, r.Top, r.Left + Form->Width(), r.Top + Form->Height());
            if (r.Right > r.Left) {
                if (Form->Position() == poScreenCenter || Form->Position() == poDesktopCenter)
                    Form->SetPosition(poDesigned);
                SetWindowPlacement(Form->Handle(), &placement);
            }
        }
    }
    if (LoadState) {
        // The main form (or a form while there is none) placed by the window system opens maximised
        // unless the file says otherwise.
        const bool mainForm = Application->MainForm() == nullptr || Application->MainForm() == Form;
        const TWindowState fallback = mainForm && Form->Position() == poDefault ? wsMaximized : wsNormal;
        const TWindowState state = stateOfShowCommand(IniReadInteger(IniFile, Section, "ShowCmd", SW_HIDE), fallback);
        // A minimised main form minimises the application instead. The form's own state becomes
        // normal with its window left as it is: the application's minimising is all that shows.
        if (state == wsMinimized && mainForm) {
            Form->storeWindowState(wsNormal);
            PostMessage(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return;
        }
        Form->SetWindowState(state);
    }
    Form->Update();
}
