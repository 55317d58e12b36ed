#include "app/win32/layout.h"

#include "app/win32/control_ids.h"

namespace vexlumen {

namespace {

namespace ids = control_ids;

// Labels stay on one line, as on a Chinese Windows, rather than wrapping inside their boxes.
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP;
constexpr DWORD kLineBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
// Wraps words at its width, takes Enter as a line break, scrolls with the caret, no scroll bars.
constexpr DWORD kOutputBox =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
// SS_NOTIFY: without it a static control is transparent to the mouse and never sees the press.
// SS_CENTERIMAGE keeps the control at its own size instead of shrinking it to the image.
constexpr DWORD kPicture = WS_CHILD | WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_NOTIFY;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;

}  // namespace

const std::vector<ControlLayout>& MainWindowControls() {
  static const std::vector<ControlLayout> controls = {
      {ids::kTitleLabel, "STATIC", kLabel, 0, 27, 16, 61, 24, "窗口标题：", false},
      {ids::kTitleBox, "EDIT", kLineBox, WS_EX_CLIENTEDGE, 91, 16, 285, 24, "", false},
      {ids::kClassLabel, "STATIC", kLabel, 0, 27, 63, 56, 24, "控件类名：", false},
      {ids::kClassBox, "EDIT", kLineBox, WS_EX_CLIENTEDGE, 91, 64, 285, 24, "", false},
      {ids::kControlTextLabel, "STATIC", kLabel, 0, 27, 110, 56, 24, "控件文本：", false},
      {ids::kControlTextBox, "EDIT", kLineBox, WS_EX_CLIENTEDGE, 91, 112, 285, 24, "", false},
      {ids::kControlIdLabel, "STATIC", kLabel, 0, 27, 158, 56, 24, "控件  ID：", false},
      {ids::kControlIdBox, "EDIT", kLineBox, WS_EX_CLIENTEDGE, 91, 160, 80, 24, "", false},
      {ids::kFinderPicture, "STATIC", kPicture, 0, 410, 16, 34, 36, "", false},
      {ids::kOutputBox, "EDIT", kOutputBox, WS_EX_CLIENTEDGE, 26, 200, 416, 72, "", false},
      {ids::kCopyCheckBox, "BUTTON", kCheck, 0, 130, 286, 160, 16, "生成的同时复制到粘贴板", false},
      {ids::kScriptGroup, "BUTTON", kGroup, 0, 28, 286, 416, 64, "生成脚本：", false},
      {ids::kWaitButton, "BUTTON", kButton, 0, 8, 24, 72, 24, "窗口等待", true},
      {ids::kActivateButton, "BUTTON", kButton, 0, 87, 24, 72, 24, "窗口激活", true},
      {ids::kClickButton, "BUTTON", kButton, 0, 167, 24, 72, 24, "控件单击", true},
      {ids::kDoubleClickButton, "BUTTON", kButton, 0, 252, 24, 72, 24, "控件双击", true},
      {ids::kCommandButton, "BUTTON", kButton, 0, 334, 24, 72, 24, "执行命令", true},
  };
  return controls;
}

}  // namespace vexlumen
