#include "dialogs/CAboutDialog.h"

#include "resources/resource.h"

// Everything the box shows is in its template; OK, Enter, Esc and the close box end it.
CAboutDialog::CAboutDialog(CWnd* parent) : CDialog(IDD_ABOUT, parent)
{
}
