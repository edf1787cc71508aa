// Shared by the shell's GUI tests: a dialog provider that answers instead of a user, a fixture
// that starts the real program objects and waits for the window, and helpers that press keys
// and choose menu items with real mouse and keyboard events.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "CalculatorApp.h"
#include "UiProvider.h"

class CButton;
class CCalculatorView;
class CEdit;
class CMainFrame;
class QAction;
class QMenu;
class QWidget;

// Answers the shell's dialogs from queued replies and records what it was asked.
class CFakeUi : public CUiProvider {
 public:
  QString GetOpenFileName(QWidget* parent, const QString& filter) override;
  QString GetSaveFileName(QWidget* parent, const QString& suggestion,
                          const QString& filter) override;
  bool PrintDialog(QWidget* parent, QPrinter& printer) override;
  void MessageBox(QWidget* parent, const QString& caption, const QString& text) override;
  int RunModal(QDialog& dialog) override;

  QStringList m_openReplies;  // taken from the front; empty means the user cancels
  QStringList m_saveReplies;
  bool m_bPrintAccepted = true;
  QString m_strPrintFile;  // where an accepted print writes its PDF

  QStringList m_filters;  // every filter offered by an open or save dialog
  QStringList m_messages;
  QStringList m_captions;
  int m_nPrintDialogs = 0;
  std::vector<QString> m_modalTitles;
  // Runs dialogs in their real modal loop instead of showing them to m_onModal.
  bool m_bRealExec = false;
  // Shown the dialog before "the user" acts on it; the default closes it at once.
  std::function<void(QDialog&)> m_onModal;
};

// The whole program, started as main() starts it, but with CFakeUi answering every dialog.
struct CRunningApp {
  CFakeUi ui;
  std::unique_ptr<CCalculatorApp> app;

  bool Start(const CCommandLineInfo& cmdInfo = {});
  CMainFrame& Frame() const;
  CCalculatorView& View() const;
  CEdit& Display() const;
  CButton& Key(int id) const;
  QString DisplayText() const;
};

// Real events.
void ClickKey(const CRunningApp& run, int id);
void ClickKeys(const CRunningApp& run, std::initializer_list<int> ids);
// Types the characters, each as a key press on the focused widget (or the window).
void TypeText(const CRunningApp& run, const QString& text);
void PressKey(const CRunningApp& run, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier,
              const QString& text = QString());
QWidget* KeyboardTarget(const CRunningApp& run);
void FocusDisplay(const CRunningApp& run);
// Leaves no widget focused: keystrokes then go to the window itself.
void ClearFocus(const CRunningApp& run);
// A right click as the window system delivers it: to the window, which finds the widget under
// the pointer and also raises the context-menu event.
void RightClick(const CRunningApp& run, QWidget& widget, QPoint pos);
void FocusKey(const CRunningApp& run, int id);

// The menu item with this command, and the menus that lead to it (menu-bar popup first).
QAction* MenuAction(const CMainFrame& frame, int command, std::vector<QMenu*>* path = nullptr);
// Opens the menus with the mouse and clicks the item.
void ChooseMenuItem(CMainFrame& frame, int command);
// Opens the menus down to the item, reads its check mark as the user would see it, and closes
// them again with Escape.
bool MenuItemChecked(CMainFrame& frame, int command);
bool MenuItemEnabled(CMainFrame& frame, int command);
// Opens the menus down to the item, points at it, calls `look` and closes the menus again.
void HoverMenuItem(CMainFrame& frame, int command, const std::function<void(QAction&)>& look);

// Saves widget.grab() as NAME.png in the build tree's screenshot folder; returns the path.
QString SaveScreenshot(QWidget& widget, const QString& name);

// Drops the offscreen platform's notes that it cannot raise windows or grab the keyboard.
void QuietenOffscreenWarnings();

// Sends the settings to a fresh temporary folder for the whole test run.
void IsolateSettings();
QString SettingsFile();
