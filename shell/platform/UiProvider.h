// Everything modal the shell asks of the user goes through this one object: the open and save
// dialogs, the print dialog, message boxes and the running of our own dialogs. The program uses
// the standard Qt dialogs; a test hands in its own provider to answer instead of a user.
#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

class CUiProvider {
 public:
  virtual ~CUiProvider() = default;

  // The chosen file's path, or empty when the user cancels.
  virtual QString GetOpenFileName(QWidget* parent, const QString& filter);
  virtual QString GetSaveFileName(QWidget* parent, const QString& suggestion,
                                  const QString& filter);
  // Lets the user choose a printer and its settings; false when cancelled.
  virtual bool PrintDialog(QWidget* parent, QPrinter& printer);
  // A message with the application's title as caption and one OK button.
  virtual void MessageBox(QWidget* parent, const QString& caption, const QString& text);
  // Runs a dialog modally and returns its result code.
  virtual int RunModal(QDialog& dialog);
};
