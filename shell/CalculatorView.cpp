#include "CalculatorView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

#include "CalculatorApp.h"
#include "CalculatorDoc.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "KeyCommands.h"
#include "KeyFaces.h"
#include "KeyNames.h"
#include "MainFrm.h"
#include "StringTable.h"
#include "UiProvider.h"

constexpr std::array<CommandMapEntry<CCalculatorView>, 42> CCalculatorView::MakeCommandMap() {
  std::array<CommandMapEntry<CCalculatorView>, 42> map{};
  std::size_t n = 0;
  for (const auto& key : kKeyOperations)
    map[n++] = {key.id, key.id, &CCalculatorView::OnKey, nullptr};
  map[n++] = {res::ID_SHOW_ACCEL_KEYS, res::ID_SHOW_ACCEL_KEYS, &CCalculatorView::OnShowAccelKeys,
              &CCalculatorView::OnUpdateShowAccelKeys};
  map[n++] = {res::ID_FILE_PRINT, res::ID_FILE_PRINT, &CCalculatorView::OnFilePrint, nullptr};
  map[n++] = {res::ID_FILE_PRINT_DIRECT, res::ID_FILE_PRINT_DIRECT, &CCalculatorView::OnFilePrint,
              nullptr};
  // The frame has no split panes: next and previous pane are always disabled.
  map[n++] = {res::ID_NEXT_PANE, res::ID_PREV_PANE, nullptr, &CCalculatorView::OnUpdateNoPanes};
  return map;
}

const std::array<CommandMapEntry<CCalculatorView>, 42> CCalculatorView::kCommandMap =
    MakeCommandMap();

namespace {
QString FromTable(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What a screen reader says of the key and what hovering it shows.
void DescribeKey(QWidget& key, const res::KeyName& meaning) {
  key.setAccessibleName(FromTable(meaning.name));
  key.setAccessibleDescription(FromTable(res::SummaryOfName(meaning)));
  key.setToolTip(FromTable(res::ToolTipOfName(meaning)));
}
}  // namespace

CCalculatorView::CCalculatorView(CCalculatorDoc& document, QWidget* parent)
    : QWidget(parent),
      m_keypad(*document.m_pEngine, *this, *this),
      m_document(document),
      m_controls(CreateDialogControls(res::kCalculatorForm, *this)) {
  for (QWidget* control : m_controls) {
    const int id = GetDlgCtrlID(*control);
    if (auto* key = qobject_cast<QPushButton*>(control)) {
      connect(key, &QPushButton::clicked, this, [this, id] { OnCmdMsg(id, nullptr); });
      if (const res::KeyName* meaning = res::StartKeyName(id)) DescribeKey(*key, *meaning);
    }
  }
  auto* display = static_cast<CEdit*>(::GetDlgItem(*this, res::IDC_DISPLAY));
  display->setAccessibleName(FromTable(res::kDisplayName));
  connect(display, &CEdit::focusGained, this, [this] { m_bDisplayFocus = 1; });
  connect(display, &CEdit::focusLost, this, [this] { m_bDisplayFocus = 0; });
  connect(display, &QLineEdit::textChanged, this, [this] { OnDisplayUpdate(); });
  m_document.AddView(this);
}

CCalculatorView::~CCalculatorView() { m_document.RemoveView(this); }

CMainFrame* CCalculatorView::GetParentFrame() const { return dynamic_cast<CMainFrame*>(window()); }

bool CCalculatorView::OnCmdMsg(int id, CCmdUI* pCmdUI) {
  return DispatchCmdMsg<CCalculatorView>(*this, kCommandMap, id, pCmdUI);
}

namespace {
template <class T>
void DDX_Control(const QWidget& form, int id, T*& control) {
  control = static_cast<T*>(::GetDlgItem(form, id));
}
}  // namespace

void CCalculatorView::DoDataExchange() {
  DDX_Control(*this, IDC_KEY_RPAREN, m_btnRParen);
  DDX_Control(*this, IDC_KEY_LPAREN, m_btnLParen);
  DDX_Control(*this, res::IDC_DISPLAY, m_editDisplay);
  DDX_Control(*this, IDC_KEY_TAN, m_btnTan);
  DDX_Control(*this, IDC_KEY_COS, m_btnCos);
  DDX_Control(*this, IDC_KEY_SIN, m_btnSin);
  DDX_Control(*this, IDC_KEY_LN, m_btnLn);
  DDX_Control(*this, IDC_KEY_LOG, m_btnLog);
  DDX_Control(*this, IDC_KEY_INV, m_btnInv);
  DDX_Control(*this, IDC_KEY_DEGRAD, m_btnDegRad);
  DDX_Control(*this, IDC_KEY_PI, m_btnPi);
  DDX_Control(*this, IDC_KEY_POWER, m_btnPower);
  DDX_Control(*this, IDC_KEY_SCI, m_btnSci);
  DDX_Control(*this, IDC_KEY_SQUARE, m_btnSquare);
  DDX_Control(*this, IDC_KEY_SQRT, m_btnSqrt);
  DDX_Control(*this, IDC_KEY_MS, m_btnMS);
  DDX_Control(*this, IDC_KEY_MR, m_btnMR);
}

void CCalculatorView::OnInitialUpdate() {
  DoDataExchange();
  update();
  if (CMainFrame* frame = GetParentFrame()) {
    frame->RecalcLayout();
    frame->ResizeParentToFit();
  }
  for (const auto& [key, icon] : res::kInitialIconFaces) ShowKeyFace(key, icon);
}

CButton* CCalculatorView::BoundButton(int controlId) const {
  CButton* const bound[] = {m_btnRParen, m_btnLParen, m_btnTan,    m_btnCos, m_btnSin,   m_btnLn,
                            m_btnLog,    m_btnInv,    m_btnDegRad, m_btnPi,  m_btnPower, m_btnSci,
                            m_btnSquare, m_btnSqrt,   m_btnMS,     m_btnMR};
  for (CButton* button : bound)
    if (button && GetDlgCtrlID(*button) == controlId) return button;
  return nullptr;
}

void CCalculatorView::ShowText(const std::string& text) {
  // The display lays out its whole line on every write, a tenth of a second at a million
  // digits. A key's write goes in at once; further long writes before the event loop runs again
  // (a script, keys queued behind a slow one) leave only the last text, written when it does.
  constexpr std::size_t kLongText = 1024;
  if (text.size() >= kLongText && m_bLongWriteQueued) {
    m_strPendingText = text;
    m_bTextPending = true;
    return;
  }
  if (text.size() >= kLongText) {
    m_bLongWriteQueued = true;
    QMetaObject::invokeMethod(
        this, [this] { WritePendingText(); }, Qt::QueuedConnection);
  }
  m_bTextPending = false;
  WriteDisplay(text);
}

void CCalculatorView::WritePendingText() {
  m_bLongWriteQueued = false;
  if (!m_bTextPending) return;
  m_bTextPending = false;
  WriteDisplay(m_strPendingText);
  std::string().swap(m_strPendingText);
}

void CCalculatorView::WriteDisplay(const std::string& text) {
  // The display reports this write like a user's edit; the flag keeps it from being typed text.
  m_bWritingDisplay = true;
  if (auto* display = ::GetDlgItem(*this, res::IDC_DISPLAY))
    static_cast<CEdit*>(display)->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
  m_bWritingDisplay = false;
}

void CCalculatorView::SetKeyFace(int controlId, int iconId) {
  ShowKeyFace(controlId, iconId);
  // The keypad sets a face exactly when the key's meaning changes, and the face names it.
  if (const res::KeyName* meaning = res::FindKeyName(controlId, iconId))
    if (QWidget* key = ::GetDlgItem(*this, controlId)) DescribeKey(*key, *meaning);
}

void CCalculatorView::ShowKeyFace(int controlId, int iconId) {
  if (CButton* button = BoundButton(controlId)) button->SetIconFace(iconId);
}

void CCalculatorView::OnKey(int id) { PressKey(m_keypad, id); }

void CCalculatorView::OnShowAccelKeys(int) {
  m_bPlainFaces = m_bPlainFaces ? 0 : 1;
  const bool plain = m_bPlainFaces != 0;
  for (const res::KeyFace& face : res::kKeyFaces) {
    const std::string_view caption = plain ? face.plainCaption : face.accelCaption;
    const int icon = plain ? face.plainIcon : face.accelIcon;
    if (!caption.empty())
      if (auto* key = static_cast<CButton*>(::GetDlgItem(*this, face.key)))
        key->SetWindowText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    // Plain or underlined, the faces keep the meanings INV and the angle unit gave the keys.
    if (icon != res::IDI_NONE) ShowKeyFace(face.key, icon);
  }
}

void CCalculatorView::OnUpdateShowAccelKeys(CCmdUI& cmdUI) {
  cmdUI.SetCheck(m_bPlainFaces ? 0 : 1);
}

void CCalculatorView::OnUpdateNoPanes(CCmdUI& cmdUI) { cmdUI.Enable(false); }

void CCalculatorView::mousePressEvent(QMouseEvent* event) {
  // Keys and the display take their own mouse input; only the form's background gets here.
  if (event->button() == Qt::RightButton && !childAt(event->position().toPoint())) {
    if (m_keypad.OnBackspace()) QWidget::mousePressEvent(event);
    return;
  }
  QWidget::mousePressEvent(event);
}

void CCalculatorView::OnDisplayUpdate() {
  if (!m_bDisplayFocus || m_bWritingDisplay) return;
  // The user's edit of what the display shows wins over a keypad text still waiting.
  m_bTextPending = false;
  auto* display = static_cast<CEdit*>(::GetDlgItem(*this, res::IDC_DISPLAY));
  m_keypad.SetTypedText(display->text().toLatin1().toStdString());
}

bool CCalculatorView::OnPreparePrinting(QPrinter& printer, bool direct) {
  if (direct) return true;
  CCalculatorApp* app = m_document.m_pApp;
  return app && app->Ui().PrintDialog(window(), printer);
}

void CCalculatorView::OnFilePrint(int id) {
  QPrinter printer;
  if (!OnPreparePrinting(printer, id == res::ID_FILE_PRINT_DIRECT)) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (CCalculatorApp* app = m_document.m_pApp) {
      const std::string_view text = res::LoadString(res::AFX_IDP_FAILED_TO_PRINT);
      app->Ui().MessageBox(window(), app->AppTitle(),
                           QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    return;
  }
  OnBeginPrinting(painter, printer);
  OnPrint(painter, printer);
  OnEndPrinting(painter, printer);
  painter.end();
}
