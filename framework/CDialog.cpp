#include "framework/CDialog.h"

#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <vector>

namespace {

// Modeless dialogs alive on this thread; every modal loop gives them their navigation keys.
std::vector<CDialog*>& ModelessDialogs()
{
    static thread_local std::vector<CDialog*> dialogs;
    return dialogs;
}

void ForgetModeless(CDialog* dialog)
{
    auto& dialogs = ModelessDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent)
{
}

CDialog::~CDialog()
{
    ForgetModeless(this);
}

HWND CDialog::OwnerWindow() const
{
    if (m_parent) {
        return m_parent->m_hWnd;
    }
    CWinApp* app = CWinApp::GetApp();
    HWND main = app ? app->GetMainWnd() : nullptr;
    return main != m_hWnd ? main : nullptr;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only WM_INITDIALOG is handled here: it attaches the object, which from then on sees
    // every message first through the framework's window procedure.
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || !dialog->SubclassWindow(hwnd)) {
        return TRUE;
    }
    return static_cast<INT_PTR>(dialog->Dispatch(message, wParam, lParam));
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd) {
        return -1;
    }
    HWND owner = OwnerWindow();
    m_modal = true;
    m_endModal = false;
    m_modalResult = -1;
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner,
                                     StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd || m_hWnd != hwnd) {
        m_modal = false;
        if (hwnd) {
            ::DestroyWindow(hwnd);
        }
        return -1;
    }
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    const INT_PTR result = RunModalLoop();
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    if (owner && ::GetActiveWindow() == m_hWnd) {
        ::SetActiveWindow(owner);
    }
    DestroyWindow();
    m_modal = false;
    return result;
}

INT_PTR CDialog::RunModalLoop()
{
    if (!m_endModal) {
        ShowWindow(SW_SHOW);
    }
    MSG msg;
    while (!m_endModal && m_hWnd) {
        // In Unicode form, as the application's loop: characters beyond ASCII stay whole.
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the outer loop: end this one and pass it on.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return -1;
        }
        if (!RouteMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return m_modalResult;
}

BOOL CDialog::RouteMessage(MSG* msg)
{
    for (CDialog* dialog : ModelessDialogs()) {
        if (dialog->m_hWnd && (msg->hwnd == dialog->m_hWnd || ::IsChild(dialog->m_hWnd, msg->hwnd))) {
            return dialog->PreTranslateMessage(msg);
        }
    }
    return PreTranslateMessage(msg);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    return ::IsDialogMessageW(m_hWnd, msg);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    if (m_hWnd) {
        return FALSE;
    }
    if (templateId) {
        m_templateId = templateId;
    }
    if (parent) {
        m_parent = parent;
    }
    m_modal = false;
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), OwnerWindow(),
                                     StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        return FALSE;
    }
    if (m_hWnd != hwnd) {
        ::DestroyWindow(hwnd);
        return FALSE;
    }
    ModelessDialogs().push_back(this);
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    if (m_modal) {
        m_modalResult = result;
        m_endModal = true;
        // Wake the modal loop even when the call came from outside any message.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    } else {
        DestroyWindow();
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate != FALSE);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_CLOSE:
        // The close box cancels directly: command 2 may be one of the dialog's own commands.
        OnCancel();
        return 0;
    case WM_DRAWITEM:
        if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_NCDESTROY: ForgetModeless(this); break;
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CDialog::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    CButton* button = item.CtlType == ODT_BUTTON ? dynamic_cast<CButton*>(FromHandlePermanent(item.hwndItem)) : nullptr;
    if (!button) {
        return false;
    }
    button->DrawItem(item);
    return true;
}

bool CDialog::OnCommand(UINT id, UINT, HWND)
{
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}
