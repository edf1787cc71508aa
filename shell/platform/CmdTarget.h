// Command routing: every action of the program is a command number. A class that handles
// commands keeps one command map, a table from numbers (or a range of numbers) to a handler and
// an optional update handler; CCmdTarget::OnCmdMsg looks a number up in it. The frame offers a
// number to its targets in the order active view, document, frame, application.
#pragma once

#include <span>

class QAction;

// What an update handler may change about the user-interface item of a command: today the menu
// item's check mark and enabled state, set just before the menu shows.
class CCmdUI {
 public:
  explicit CCmdUI(int id, QAction* action = nullptr) : m_nID(id), m_pAction(action) {}

  void Enable(bool on = true);
  void SetCheck(int check = 1);

  const int m_nID;
  bool m_bEnabled = true;
  int m_nCheck = 0;

 private:
  QAction* m_pAction;
};

template <class T>
struct CommandMapEntry {
  int nFirst;
  int nLast;                            // same as nFirst for a single command
  void (T::*pfnCommand)(int id);        // may be null: the entry then only updates
  void (T::*pfnUpdate)(CCmdUI& cmdUI);  // may be null: the item is simply enabled
};

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // With pCmdUI null, runs the handler of `id`; otherwise runs its update handler. Returns false
  // when this target does not know the command.
  virtual bool OnCmdMsg(int id, CCmdUI* pCmdUI) = 0;

 protected:
  template <class T>
  static bool DispatchCmdMsg(T& self, std::span<const CommandMapEntry<T>> map, int id,
                             CCmdUI* pCmdUI) {
    for (const auto& entry : map) {
      if (id < entry.nFirst || id > entry.nLast) continue;
      if (pCmdUI) {
        if (entry.pfnUpdate)
          (self.*entry.pfnUpdate)(*pCmdUI);
        else
          pCmdUI->Enable(entry.pfnCommand != nullptr);
        return true;
      }
      if (!entry.pfnCommand) continue;
      (self.*entry.pfnCommand)(id);
      return true;
    }
    return false;
  }
};
