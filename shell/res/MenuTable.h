// Menu 128 as data, in order: a popup's items follow it one level deeper.
#pragma once

#include <array>
#include <string_view>

#include "resource.h"

namespace res {

enum MenuFlag : unsigned {
  MF_POPUP = 0x10,
  MF_CHECKED = 0x08,
};

struct MenuItem {
  int depth;  // 0 for the menu bar
  unsigned flags;
  std::string_view text;  // "&" underlines the next letter
  int command;            // 0 for popups
};

inline constexpr std::array<MenuItem, 13> kMainMenu = {{
    {0, MF_POPUP, "&File", 0},
    {1, 0, "E&xit", ID_APP_EXIT},
    {0, MF_POPUP, "&Settings", 0},
    {1, MF_POPUP, "&Resolution", 0},
    {2, 0, "00.xx (&2)", ID_PRECISION_2},
    {2, 0, "00.xxxx (&4)", ID_PRECISION_4},
    {2, 0, "00.xxxxxx (&6)", ID_PRECISION_6},
    // Checked in the resource to match the engine's start precision; the update handlers set
    // every check mark at run time anyway.
    {2, MF_CHECKED, "&Max (up to 14)", ID_PRECISION_MAX},
    {1, 0, "&Make Topmost Window", ID_TOPMOST},
    {0, MF_POPUP, "&Help", 0},
    {1, 0, "&About Zelko Scientific", ID_APP_ABOUT},
    {1, 0, "Help &Info", ID_HELP_INFO},
    {1, 0, "&Show Accelerator Keys", ID_SHOW_ACCEL_KEYS},
}};

namespace detail {
constexpr bool MenuIsWellFormed() {
  int depth = -1;
  bool popup = true;
  for (const auto& item : kMainMenu) {
    // One level deeper only right after a popup; popups carry no command and items always do.
    if (item.depth > depth + 1 || (item.depth == depth + 1 && !popup)) return false;
    if (((item.flags & MF_POPUP) != 0) == (item.command != 0)) return false;
    depth = item.depth;
    popup = (item.flags & MF_POPUP) != 0;
  }
  return !popup;
}
}  // namespace detail
static_assert(detail::MenuIsWellFormed());

}  // namespace res
