// Dialog templates turned into widgets. Template coordinates are dialog units, converted to
// pixels from the dialog font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height. Controls are created in template order, which
// Qt then also uses as the tab order.
#pragma once

#include <QFont>
#include <QRect>
#include <vector>

#include "DialogTemplates.h"

class QWidget;

// The template's font where it is installed, else the nearest sans-serif of the same size.
QFont DialogFont(std::string_view family, int pointSize);

struct CDialogUnits {
  int m_nBaseX = 6;   // average character width in pixels
  int m_nBaseY = 13;  // character height in pixels

  // Each edge is converted on its own, so controls that touch in dialog units touch in pixels.
  QRect MapDialogRect(int x, int y, int cx, int cy) const;
  QSize MapDialogSize(int cx, int cy) const { return MapDialogRect(0, 0, cx, cy).size(); }
};

CDialogUnits DialogUnitsOf(const QFont& font);

// Creates the template's controls as children of `parent` (which gets the template's font and
// its fixed size). Each control carries its number in the "controlId" property.
std::vector<QWidget*> CreateDialogControls(const res::DialogTemplate& tpl, QWidget& parent);

// The control with this number among parent's children, nullptr when there is none.
QWidget* GetDlgItem(const QWidget& parent, int id);
int GetDlgCtrlID(const QWidget& control);
