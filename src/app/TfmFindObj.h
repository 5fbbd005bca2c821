// The find dialog: a street and a house number, the street typed ahead from the street table so
// that only the beginnings of known street names can be typed, each completed at once. At
// creation it opens its own street table on the main window's connection; the search itself
// belongs to the main window's find action.
#pragma once

#include "toolkit/TForm.h"

class TButton;
class TComboBox;
class TDbTable;

class TfmFindObj : public TForm {
public:
    explicit TfmFindObj(TComponent* AOwner);
    ~TfmFindObj() override;

    void cbStreetEnter();
    void cbStreetKeyPress(char& Key);
    void cbHouseKeyPress(char& Key);
    void FormCloseQuery(bool& CanClose);
    void FormClose();
    void BitBtn2Click();

    TComboBox* cbStreet = nullptr;
    TComboBox* cbHouse = nullptr;
    TButton* BitBtn1 = nullptr;
    TButton* BitBtn2 = nullptr;
    TDbTable* dbStreets = nullptr;

private:
    void FormCreate();
};

extern TfmFindObj* fmFindObj;
