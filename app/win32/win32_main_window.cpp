#include "app/win32/win32_main_window.h"

#include <commctrl.h>

#include "app/dodge.h"
#include "app/win32/control_ids.h"
#include "app/win32/layout.h"
#include "resources/resource_ids.h"
#include "script/statement.h"
#include "winsys/win32/handle_conversion.h"

namespace vexlumen {

namespace {

namespace ids = control_ids;

constexpr UINT_PTR kInspectTimerId = 1;
constexpr UINT_PTR kDodgeTimerId = 2;
constexpr UINT_PTR kSubclassId = 1;

std::optional<StatementKind> KindOfButton(int controlId) {
  switch (controlId) {
    case ids::kWaitButton:
      return StatementKind::WaitWindow;
    case ids::kActivateButton:
      return StatementKind::ActivateWindow;
    case ids::kClickButton:
      return StatementKind::ClickControl;
    case ids::kDoubleClickButton:
      return StatementKind::DoubleClickControl;
    case ids::kCommandButton:
      return StatementKind::CommandControl;
    default:
      return std::nullopt;
  }
}

}  // namespace

Win32MainWindow::Win32MainWindow(HINSTANCE instance, WindowSystem& ws)
    : instance_(instance), ws_(ws), inspection_(ws), drag_(ws, *this) {}

Win32MainWindow::~Win32MainWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool Win32MainWindow::Create(int showCommand) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &Win32MainWindow::WindowProc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_APP_ICON));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  if (RegisterClassExA(&wc) == 0) return false;

  // Centred on the primary screen; on a screen smaller than the window this goes negative.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  // A fixed frame with caption, system menu and minimize box; topmost from the start so the
  // window stays in sight while the user points at other applications.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  const DWORD exStyle = WS_EX_TOPMOST | WS_EX_APPWINDOW;
  if (CreateWindowExA(exStyle, kMainWindowClass, kMainWindowTitle, style, left, top,
                      kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance_,
                      this) == nullptr) {
    return false;
  }
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  return true;
}

int Win32MainWindow::RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Esc closes the tool from any of its controls. Caught here rather than through a dialog
    // manager, which would also make Enter jump between controls.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && hwnd_ != nullptr &&
        (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) {
      SendMessageA(hwnd_, WM_CLOSE, 0, 0);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  Win32MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    // Bind the object before any other message arrives; messages sent before WM_NCCREATE
    // (WM_GETMINMAXINFO) go to the default procedure.
    self = static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Win32MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      inspectTimer_.emplace(hwnd_, kInspectTimerId);
      dodgeTimer_.emplace(hwnd_, kDodgeTimerId);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_LBUTTONUP:
      // Over the client area, or anywhere while the mouse is captured for the drag.
      drag_.EndFinderDrag();
      return 0;
    case WM_TIMER:
      if (wParam == kInspectTimerId) inspection_.RefreshInspection(*this);
      if (wParam == kDodgeTimerId) DodgeCursor(ws_, *this);
      return 0;
    case WM_ENDSESSION:
      // The session ends without WM_DESTROY reaching us: give the user's pointer back now.
      if (wParam != 0) drag_.RestoreSystemArrow();
      return 0;
    case WM_DESTROY:
      inspectTimer_.reset();
      dodgeTimer_.reset();
      drag_.RestoreSystemArrow();
      if (GetCapture() == hwnd_) ReleaseCapture();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      controls_.clear();
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

void Win32MainWindow::CreateControls() {
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  HWND group = nullptr;
  for (const ControlLayout& layout : MainWindowControls()) {
    HWND parent = layout.insideGroup ? group : hwnd_;
    HWND control = CreateWindowExA(layout.exStyle, layout.windowClass, layout.text, layout.style,
                                   layout.x, layout.y, layout.width, layout.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                   instance_, nullptr);
    if (control == nullptr) continue;
    SendMessageA(control, WM_SETFONT, font, FALSE);
    controls_[layout.id] = control;
    if (layout.id == ids::kScriptGroup) group = control;
  }

  finderImage_ = static_cast<HCURSOR>(
      LoadImageA(instance_, MAKEINTRESOURCEA(IDC_FINDER_IMAGE), IMAGE_CURSOR, 32, 32, LR_SHARED));
  finderPointer_ = LoadCursorA(nullptr, IDC_ARROW);
  HWND picture = Control(ids::kFinderPicture);
  // A static icon control resizes itself to the image; keep the designed 34 x 36.
  SendMessageA(picture, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(finderImage_));
  SetWindowPos(picture, nullptr, 0, 0, 34, 36, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowSubclass(picture, &Win32MainWindow::FinderPictureProc, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
  // The statement buttons live inside the group box, which would keep their clicks to itself.
  SetWindowSubclass(group, &Win32MainWindow::ScriptGroupProc, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
  SendMessageA(Control(ids::kCopyCheckBox), BM_SETCHECK, BST_CHECKED, 0);
}

LRESULT CALLBACK Win32MainWindow::FinderPictureProc(HWND hwnd, UINT message, WPARAM wParam,
                                                    LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* window = reinterpret_cast<Win32MainWindow*>(self);
  switch (message) {
    case WM_LBUTTONDOWN:
      window->drag_.BeginFinderDrag();
      return 0;
    case WM_SETCURSOR:
      SetCursor(window->finderPointer_);
      return TRUE;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &Win32MainWindow::FinderPictureProc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ScriptGroupProc(HWND hwnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* window = reinterpret_cast<Win32MainWindow*>(self);
  if (message == WM_COMMAND) {
    window->OnCommand(LOWORD(wParam), HIWORD(wParam));
    return 0;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &Win32MainWindow::ScriptGroupProc, kSubclassId);
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Win32MainWindow::OnCommand(int controlId, int notification) {
  if (notification != BN_CLICKED) return;
  if (const auto kind = KindOfButton(controlId)) BuildStatement(*kind, *this, ws_);
}

HWND Win32MainWindow::Control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

HWND Win32MainWindow::BoxControl(Box box) const {
  switch (box) {
    case Box::Title:
      return Control(ids::kTitleBox);
    case Box::Class:
      return Control(ids::kClassBox);
    case Box::ControlText:
      return Control(ids::kControlTextBox);
    case Box::ControlId:
      return Control(ids::kControlIdBox);
    case Box::Output:
      return Control(ids::kOutputBox);
  }
  return nullptr;
}

WindowHandle Win32MainWindow::GetHandle() {
  return win32::ToWindowHandle(hwnd_);
}

Size Win32MainWindow::ReadOuterSize() {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return Size{r.right - r.left, r.bottom - r.top};
}

void Win32MainWindow::MoveOuterTopLeft(Point topLeft) {
  SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::SetTimerPeriod(TimerId timer, unsigned periodMs) {
  auto& t = timer == TimerId::Inspect ? inspectTimer_ : dodgeTimer_;
  if (t) t->SetPeriod(periodMs);
}

void Win32MainWindow::ShowFinderImage(bool shown) {
  SendMessageA(Control(ids::kFinderPicture), STM_SETIMAGE, IMAGE_CURSOR,
               reinterpret_cast<LPARAM>(shown ? finderImage_ : nullptr));
}

void Win32MainWindow::SetFinderPointerToArrow() {
  finderPointer_ = LoadCursorA(nullptr, IDC_ARROW);
}

Text Win32MainWindow::ReadBox(Box box) {
  HWND control = BoxControl(box);
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void Win32MainWindow::WriteBox(Box box, const Text& text) {
  SetWindowTextA(BoxControl(box), text.c_str());
}

bool Win32MainWindow::IsCopyChecked() {
  return SendMessageA(Control(ids::kCopyCheckBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace vexlumen
