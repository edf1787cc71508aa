#include "AboutDlg.h"

CAboutDlg::CAboutDlg(CUiProvider& ui, QWidget* owner) : CDialog(res::kAboutBox, ui, owner) {}
