// Resource and command numbers of the calculator: menu and accelerator commands, dialog
// templates and their controls, status-bar panes, strings and icons. Plain constants, no Qt,
// so the command-line tool can share them. The key commands IDC_KEY_* come from KeyCommands.h.
#pragma once

#include "KeyCommands.h"

namespace res {

// Resource set 128: menu, accelerator table, application icon and document-template string.
inline constexpr int IDR_MAINFRAME = 128;

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_CALCULATOR_FORM = 101;
inline constexpr int IDD_HELP_INFO = 130;

// Controls. The keys of the form use their command numbers (IDC_KEY_*) as control numbers.
inline constexpr int IDC_STATIC = -1;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_DISPLAY = 1026;
inline constexpr int IDC_NEXT_KEY = 1041;         // in the Help Info dialog only
inline constexpr int IDC_KEY_DESCRIPTION = 1042;  // in the Help Info dialog only

// Menu commands of the program.
inline constexpr int ID_SHOW_ACCEL_KEYS = 32772;
inline constexpr int ID_PRECISION_2 = 32774;
inline constexpr int ID_PRECISION_4 = 32775;
inline constexpr int ID_PRECISION_6 = 32776;
inline constexpr int ID_PRECISION_MAX = 32781;
inline constexpr int ID_TOPMOST = 32782;

// Standard commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_PRINT_DIRECT = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INFO = 57670;  // also what F1 sends
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// Status bar: the child number of the bar and the identifiers of its four panes.
inline constexpr int AFX_IDW_STATUS_BAR = 59393;
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;

// Strings.
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr int AFX_IDS_UNTITLED = 61443;
inline constexpr int AFX_IDP_FAILED_TO_CREATE_DOC = 61700;
inline constexpr int AFX_IDP_FAILED_TO_OPEN_DOC = 61701;
inline constexpr int AFX_IDP_FAILED_TO_SAVE_DOC = 61702;
inline constexpr int AFX_IDP_FAILED_TO_PRINT = 61703;

// Icons, 32 x 32. 165 is not used.
enum IconId : int {
  IDI_NONE = 0,
  IDI_MAINFRAME = IDR_MAINFRAME,
  IDI_MS = 132,
  IDI_MR = 133,
  IDI_MS_ACCEL = 134,
  IDI_MR_ACCEL = 135,
  IDI_SQRT = 136,
  IDI_SQRT_ACCEL = 137,
  IDI_SQUARE = 138,
  IDI_SCI = 139,
  IDI_POWER = 140,
  IDI_PI = 141,
  IDI_DEG = 142,
  IDI_RAD = 143,
  IDI_INV = 144,
  IDI_INV_ON = 145,
  IDI_LOG = 146,
  IDI_EXP10 = 147,
  IDI_LN = 148,
  IDI_EXP = 149,
  IDI_SIN = 150,
  IDI_ASIN = 151,
  IDI_COS = 152,
  IDI_ACOS = 153,
  IDI_TAN = 154,
  IDI_ATAN = 155,
  IDI_FIXED = 156,
  IDI_LPAREN = 157,
  IDI_RPAREN = 158,
  IDI_ROOT = 159,
  IDI_SQUARE_INV = 160,
  IDI_HELP_RECIPROCAL = 161,
  IDI_HELP_CLEAR = 162,
  IDI_HELP_PERCENT = 163,
  IDI_HELP_EQUALS = 164,
  IDI_PI_ACCEL = 166,
  IDI_LOG_ACCEL = 167,
  IDI_LN_ACCEL = 168,
  IDI_SIN_ACCEL = 169,
  IDI_COS_ACCEL = 170,
  IDI_TAN_ACCEL = 171,
  IDI_DEG_ACCEL = 172,
  IDI_SQUARE_ACCEL = 173,
  IDI_SCI_ACCEL = 174,
  IDI_POWER_ACCEL = 175,
  IDI_INV_ACCEL = 176,
  IDI_LPAREN_ACCEL = 177,
  IDI_RPAREN_ACCEL = 178,
};

// Every icon the program ships, in number order.
inline constexpr int kIconIds[] = {
    128, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144, 145, 146,
    147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162,
    163, 164, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 177, 178,
};

}  // namespace res
