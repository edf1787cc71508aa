#include "UiProvider.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QString CUiProvider::GetOpenFileName(QWidget* parent, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString CUiProvider::GetSaveFileName(QWidget* parent, const QString& suggestion,
                                     const QString& filter) {
  return QFileDialog::getSaveFileName(parent, QString(), suggestion, filter);
}

bool CUiProvider::PrintDialog(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void CUiProvider::MessageBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox::warning(parent, caption, text);
}

int CUiProvider::RunModal(QDialog& dialog) { return dialog.exec(); }
