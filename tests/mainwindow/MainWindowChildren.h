// MainWindowChildren: the main window's child windows as a caller outside reaches them, by control id.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CStatusBarCtrl.h"
#include "pane/CNewEdit.h"
#include "shell/CFileLabel.h"
#include "shell/CMainToolbar.h"
#include "shell/CTandrelDialogFrame.h"

class CWnd;

CNewEdit& LeftTextPane(CWnd& mainWindow);
CNewEdit& RightTextPane(CWnd& mainWindow);
CNewEdit& LeftGutter(CWnd& mainWindow);
CNewEdit& RightGutter(CWnd& mainWindow);
CFileLabel& LeftLabel(CWnd& mainWindow);
CFileLabel& RightLabel(CWnd& mainWindow);
CComboBox& DiffList(CWnd& mainWindow);
CMainToolbar& Toolbar(CWnd& mainWindow);
CStatusBarCtrl& StatusBar(CWnd& mainWindow);
// The frame that holds the splitter with the panes.
CTandrelDialogFrame& Frame(CWnd& mainWindow);
