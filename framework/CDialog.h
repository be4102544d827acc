// CDialog: a dialog on a resource template, modal (own nested loop) or modeless, with data exchange.
#pragma once

#include "framework/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; returns the EndDialog result, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; its messages get dialog navigation from every modal loop.
    BOOL Create(UINT templateId = 0, CWnd* parent = nullptr);
    // Ends a modal dialog with result, or destroys a modeless one.
    void EndDialog(int result);

    // FALSE: fields to controls. TRUE: controls to fields with validation; FALSE when a check failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Dialog navigation and accelerators for msg before it is dispatched; TRUE when consumed.
    virtual BOOL PreTranslateMessage(MSG* msg);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // One line per control, in the order the dialog's fields are exchanged.
    virtual void DoDataExchange(CDataExchange* dx);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    // Owner-drawn buttons bound to objects draw themselves; true when one did.
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    INT_PTR RunModalLoop();
    // Gives msg to the modeless dialog it belongs to, else to this modal dialog.
    BOOL RouteMessage(MSG* msg);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modal = false;
    bool m_endModal = false;
    INT_PTR m_modalResult = -1;
};
