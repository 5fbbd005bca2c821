// The note dialog of the map's note tool: category, address, text and icon of the note in the
// map's edit buffer, written to the map when the user confirms with "Запись".
#pragma once

#include "toolkit/TForm.h"

class TButton;
class TComboBox;
class TDataMap;
class TEdit;
class TKexViewIcon;
class TMemo;

class TKexZametForm : public TForm {
public:
    explicit TKexZametForm(TComponent* AOwner);

    // Fills the dialog from the map's edit buffer and shows it modally.
    void Execute(TDataMap* Map);

    TComboBox* ComboBox1;
    TEdit* Edit1;
    TEdit* Edit2;
    TMemo* Memo1;
    TComboBox* NameLib;
    TKexViewIcon* KexViewIcon;
    TButton* Button1;
    TButton* Button2;

private:
    void Button1Click();
    void Button2Click();
    // The user's choice of library goes straight into the buffer's note.
    void NameLibChange();

    TDataMap* map_ = nullptr;
    bool loading_ = false;
};
