// CMainFrame is the main window: title, menu 128, accelerator table 128, the status bar and, as
// its client area, the calculator panel. It fixes the window's size and handles the settings
// menu (precision, topmost) and Help Info.
//
// The road of a key, say "+": the keystroke (through the accelerator table, ahead of the focused
// control) or the click on the key gives command 1013 (IDC_KEY_ADD); the frame routes a
// keystroke's command to the panel first (then document, frame, application); the panel's command
// map runs the keypad's OnOperator(OP_ADD); the keypad has the engine evaluate and receives the
// result as display text; the panel, as display sink, writes it into the display control.
#pragma once

#include <QMainWindow>

#include "CmdTarget.h"

class CAcceleratorFilter;
class CCalculatorApp;
class CCalculatorDoc;
class CCalculatorView;
class CStatusBar;
class QMenu;

class CMainFrame : public QMainWindow, public CCmdTarget {
 public:
  explicit CMainFrame(CCalculatorApp& app);
  ~CMainFrame() override;

  // Creates the window from resource set 128 with the document's panel; false on failure.
  bool LoadFrame(CCalculatorDoc& document);

  CStatusBar* m_wndStatusBar = nullptr;  // owned by the window
  int m_bTopmost = 0;

  // A command from a keystroke or the menu: ignored when no target knows it or it is disabled.
  void OnCommand(int id);
  // Routing order: active view, document, frame, application.
  bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

  CCalculatorView* GetActiveView() const { return m_pActiveView; }
  void SetActiveView(CCalculatorView* view) { m_pActiveView = view; }
  CCalculatorDoc* GetActiveDocument() const;

  // Makes the panel active, runs its initial update and shows the window.
  void InitialUpdateFrame(bool makeVisible);
  // Title: the document's title, " - ", "Zelko Scientific".
  void OnUpdateFrameTitle();
  void RecalcLayout();
  // Shrinks the window to the form plus menu bar and status bar, and fixes that size.
  void ResizeParentToFit();

  void SetMessageText(const QString& text);
  void UpdateLockIndicators();

 protected:
  bool PreCreateWindow();
  int OnCreate(CCalculatorDoc& document);
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void OnPrecision(int id);
  void OnUpdatePrecision(CCmdUI& cmdUI);
  void OnTopmost(int id);
  void OnUpdateTopmost(CCmdUI& cmdUI);
  void OnHelpInfo(int id);

  void BuildMenu();
  void OnInitMenuPopup(QMenu& menu);
  void ShowIdleMessage();

  static const CommandMapEntry<CMainFrame> kCommandMap[4];

  CCalculatorApp& m_app;
  CCalculatorView* m_pActiveView = nullptr;
  CAcceleratorFilter* m_pAccelerators = nullptr;
  QString m_strTitle;
};
