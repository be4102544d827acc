// CAboutDialog: the About box: the program's name, version and notice.
#pragma once

#include "framework/CDialog.h"

class CAboutDialog : public CDialog {
public:
    explicit CAboutDialog(CWnd* parent = nullptr);
};
