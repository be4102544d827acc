// MainWindowChildren: the main window's child windows as a caller outside reaches them, by control id.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CStatusBarCtrl.h"
#include "pane/CNewEdit.h"
#include "shell/CDifferenceMap.h"
#include "shell/CFileLabel.h"
#include "shell/CMainToolbar.h"
#include "shell/CTandrelDialogFrame.h"
#include "shell/MainLayout.h"

#include <windows.h>

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
CDifferenceMap& DifferenceMap(CWnd& mainWindow);

// What the window shows of its state, read from its children as a person would see it.
// The comparison went through: the commands that need one are enabled.
bool Compared(CWnd& mainWindow);
// The differences found: the entries of the difference list.
int DifferenceCount(CWnd& mainWindow);
// The current difference: the entry the difference list shows selected (-1: none).
int CurrentDifference(CWnd& mainWindow);
// Which files the panes show.
PaneView ShownView(CWnd& mainWindow);
// The tip of the current-difference marker as painted left of the panes, in the window's
// client coordinates; {-1, -1} when no marker shows.
POINT MarkerTip(CWnd& mainWindow);
// The Find dialog the window owns, or 0.
HWND FindDialogOf(CWnd& mainWindow);
