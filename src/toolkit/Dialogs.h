// The modal questions the program asks: message boxes, the colour dialog, the login dialog and
// popup menus. Each goes through one presenter, Qt's dialogs by default, so that tests can answer
// them without an event loop.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TColor.h"

class TStrings;
class TPopupMenu;
class TMenuItem;

// Message box buttons, icons and answers.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONERROR = MB_ICONSTOP;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

namespace tk {

class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;

    // Returns the button pressed (IDOK ...).
    virtual int messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) = 0;
    // Starts at color; custom colours are "ColorA=" .. "ColorP=" entries with 8 hexadecimal
    // digits. True, with color and the custom colours updated, when the user confirms.
    virtual bool chooseColor(TColor& color, TStrings& customColors) = 0;
    // Asks for user name and password for the database; true on OK.
    virtual bool login(const AnsiString& databaseName, AnsiString& userName, AnsiString& password) = 0;
    // Shows the menu at the screen point until the user picks an item (returned) or none (null).
    virtual TMenuItem* trackPopup(TPopupMenu& menu, int x, int y) = 0;
};

// The presenter in use. Qt's presenter asks nobody before Application->Initialize or on a
// platform without a screen (the tests' offscreen one): it writes message boxes to the error output and answers OK, Cancel or
// No, and cancels the other dialogs.
DialogPresenter& dialogPresenter();
// Puts a presenter in place (not owned); null brings back Qt's dialogs.
void setDialogPresenter(DialogPresenter* presenter);

} // namespace tk

// The login dialog of the database components: edits the user name and password in place.
bool LoginDialog(const AnsiString& ADatabaseName, AnsiString& AUserName, AnsiString& APassword);
// A message box with the text and an OK button, captioned with the application's title.
void ShowMessage(const AnsiString& Msg);
