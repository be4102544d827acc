// CDataExchange: one transfer between a dialog's fields and its controls, and the helpers that do it.
#pragma once

#include <windows.h>

#include <string>

class CDialog;
class CWnd;

class CDataExchange {
public:
    // Thrown by Fail after the user was told; UpdateData catches it and stops the transfer.
    struct Failure {};

    CDataExchange(CDialog* dialog, bool saveAndValidate);

    // The control with id; remembered as the one a failure focuses.
    HWND PrepareCtrl(int id);
    // Same, for an edit field: a failure also selects its text.
    HWND PrepareEditCtrl(int id);
    // Focuses the last prepared control (selecting an edit field's text) and stops the transfer.
    [[noreturn]] void Fail();

    bool m_bSaveAndValidate;
    CDialog* m_pDlgWnd;

private:
    HWND m_lastControl = nullptr;
    bool m_lastIsEdit = false;
};

// Binds control to the dialog's control id (subclassed on the first transfer).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// A check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The radio group starting at id: index of the checked button, -1 when none is.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// Unsigned decimal: blanks and tabs around the digits; anything else fails with
// "Please enter a positive integer.".
void DDX_Text(CDataExchange* dx, int id, UINT& value);
// On saving, fails with "Please enter an integer between %1 and %2." when value is out of range.
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
// A combo box's text: read from its edit field; written by selecting the equal entry or setting the text.
void DDX_CBString(CDataExchange* dx, int id, std::string& value);

// Reads text as DDX_Text reads an unsigned field; false when it is not one.
bool ParseUnsignedField(const std::string& text, UINT* value);
