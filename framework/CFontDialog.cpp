#include "framework/CFontDialog.h"

#include "framework/CommonDialogs.h"

CFontDialog::CFontDialog(const LOGFONTA* initial, DWORD flags, CWnd* parent) : m_cf{}, m_logFont{}, m_parent(parent)
{
    if (initial) {
        m_logFont = *initial;
        flags |= CF_INITTOLOGFONTSTRUCT;
    }
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_logFont;
    m_cf.Flags = flags;
}

INT_PTR CFontDialog::DoModal()
{
    if (!m_cf.hwndOwner) {
        m_cf.hwndOwner = CommonDialogOwner(m_parent);
    }
    return RunFontDialog(m_cf) ? IDOK : IDCANCEL;
}
