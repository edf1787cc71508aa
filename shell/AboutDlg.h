// The About box: product line, application icon, two notice lines and OK. It touches no
// calculator state.
#pragma once

#include "Dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg(CUiProvider& ui, QWidget* owner);
};
