#include "framework/CDataExchange.h"

#include "framework/AppMessageBox.h"
#include "framework/CDialog.h"

#include <string>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

CDataExchange::CDataExchange(CDialog* dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate),
      m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    m_lastControl = m_pDlgWnd->GetDlgItem(id);
    m_lastIsEdit = false;
    return m_lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    PrepareCtrl(id);
    m_lastIsEdit = true;
    return m_lastControl;
}

void CDataExchange::Fail()
{
    if (m_lastControl) {
        ::SetFocus(m_lastControl);
        if (m_lastIsEdit) {
            ::SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
        }
    }
    throw Failure{};
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.m_hWnd) {
        control.SubclassWindow(dx->PrepareCtrl(id));
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND button = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(button, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(button, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND button = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = -1;
    }
    int index = 0;
    // The group runs from the first button to the next control with WS_GROUP.
    while (button) {
        if ((::SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
            if (dx->m_bSaveAndValidate) {
                if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                    value = index;
                }
            } else {
                ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        button = ::GetWindow(button, GW_HWNDNEXT);
        if (button && (::GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP) != 0) {
            break;
        }
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value)
{
    HWND edit = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = CWnd::WindowTextOf(edit);
    } else {
        ::SetWindowTextA(edit, value.c_str());
    }
}

bool ParseUnsignedField(const std::string& text, UINT* value)
{
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    const size_t digitsStart = at;
    unsigned long long number = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        number = number * 10 + static_cast<unsigned>(text[at] - '0');
        if (number > 0xFFFFFFFFull) {
            return false;
        }
        ++at;
    }
    if (at == digitsStart) {
        return false;
    }
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    if (at != text.size()) {
        return false;
    }
    *value = static_cast<UINT>(number);
    return true;
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    HWND edit = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        if (!ParseUnsignedField(CWnd::WindowTextOf(edit), &value)) {
            AppMessageBox("Please enter a positive integer.");
            dx->Fail();
        }
    } else {
        ::SetWindowTextA(edit, std::to_string(value).c_str());
    }
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue)
{
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) {
        return;
    }
    std::string text = "Please enter an integer between %1 and %2.";
    text = ReplaceAll(text, "%1", std::to_string(minValue));
    text = ReplaceAll(text, "%2", std::to_string(maxValue));
    AppMessageBox(text);
    dx->Fail();
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value)
{
    HWND combo = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = CWnd::WindowTextOf(combo);
        return;
    }
    const LRESULT found = value.empty() ? CB_ERR
                                        : ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                         reinterpret_cast<LPARAM>(value.c_str()));
    if (found != CB_ERR) {
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    } else {
        ::SetWindowTextA(combo, value.c_str());
    }
}
