// CCalculatorView is the calculator panel, the main window's client area: the display and the
// 37 keys of form 101. It owns the keypad logic and is both of its sinks, so keypad texts land in
// the display and keypad faces on the keys. Every key command, clicked or routed from a
// keystroke, runs the keypad operation of that key. It computes nothing itself.
#pragma once

#include <QWidget>
#include <vector>

#include "CalcKeypad.h"
#include "CmdTarget.h"

class CButton;
class CCalculatorDoc;
class CEdit;
class CMainFrame;
class QPainter;
class QPrinter;

class CCalculatorView : public QWidget,
                        public CDisplaySink,
                        public CKeyFaceSink,
                        public CCmdTarget {
 public:
  CCalculatorView(CCalculatorDoc& document, QWidget* parent);
  ~CCalculatorView() override;

  CCalculatorDoc* GetDocument() const { return &m_document; }
  CMainFrame* GetParentFrame() const;

  // Binds the controls, fits the frame around the form and gives the keys their plain icons.
  // Runs at start-up and again for every new or opened document.
  void OnInitialUpdate();
  // The document changed: repaint only, the display keeps its text.
  void OnUpdate() { update(); }

  bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

  void ShowText(const std::string& text) override;
  void SetKeyFace(int controlId, int iconId) override;

  // Control objects, bound by DoDataExchange: exactly the keys whose icon faces change.
  CButton* m_btnRParen = nullptr;
  CButton* m_btnLParen = nullptr;
  CEdit* m_editDisplay = nullptr;
  CButton* m_btnTan = nullptr;
  CButton* m_btnCos = nullptr;
  CButton* m_btnSin = nullptr;
  CButton* m_btnLn = nullptr;
  CButton* m_btnLog = nullptr;
  CButton* m_btnInv = nullptr;
  CButton* m_btnDegRad = nullptr;
  CButton* m_btnPi = nullptr;
  CButton* m_btnPower = nullptr;
  CButton* m_btnSci = nullptr;
  CButton* m_btnSquare = nullptr;
  CButton* m_btnSqrt = nullptr;
  CButton* m_btnMS = nullptr;
  CButton* m_btnMR = nullptr;

  CCalcKeypad m_keypad;
  int m_bDisplayFocus = 0;
  int m_bPlainFaces = 1;

 protected:
  void DoDataExchange();
  void mousePressEvent(QMouseEvent* event) override;

  // The four printing steps: the dialog, then a page on which the panel draws nothing.
  bool OnPreparePrinting(QPrinter& printer, bool direct);
  void OnBeginPrinting(QPainter&, QPrinter&) {}
  void OnPrint(QPainter&, QPrinter&) {}
  void OnEndPrinting(QPainter&, QPrinter&) {}

 private:
  void OnKey(int id);
  void OnShowAccelKeys(int id);
  void OnUpdateShowAccelKeys(CCmdUI& cmdUI);
  void OnFilePrint(int id);
  void OnUpdateNoPanes(CCmdUI& cmdUI);
  void OnDisplayUpdate();
  CButton* BoundButton(int controlId) const;
  // Changes only the picture; the start-up and face-mode faces leave the keys' meanings alone.
  void ShowKeyFace(int controlId, int iconId);

  static const std::array<CommandMapEntry<CCalculatorView>, 42> kCommandMap;
  static constexpr std::array<CommandMapEntry<CCalculatorView>, 42> MakeCommandMap();

  CCalculatorDoc& m_document;
  std::vector<QWidget*> m_controls;  // form 101 in template order
  bool m_bWritingDisplay = false;    // set while ShowText writes the display
  // Long display texts, written at most once per turn of the event loop (see ShowText).
  void WriteDisplay(const std::string& text);
  void WritePendingText();
  std::string m_strPendingText;
  bool m_bTextPending = false;
  bool m_bLongWriteQueued = false;
};
