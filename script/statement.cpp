#include "script/statement.h"

namespace vexlumen {

namespace {

struct Pieces {
  const char* first;
  const char* middle;  // null for the window statements, which take no control
  const char* closing;
};

// These are AutoIt v3 source text; the compiler stores the Chinese placeholders in GBK.
Pieces PiecesOf(StatementKind kind) {
  switch (kind) {
    case StatementKind::WaitWindow:
      return {"WinWait(\"", nullptr, "\")"};
    case StatementKind::ActivateWindow:
      return {"WinActivate(\"", nullptr, "\")"};
    case StatementKind::ClickControl:
      return {"ControlClick(\"", "\",\"\",\"", "\")"};
    case StatementKind::DoubleClickControl:
      return {"ControlClick(\"", "\",\"\",\"", "\",\"left\",2)"};
    case StatementKind::CommandControl:
      return {"ControlCommand (\"", "\",\"\",\"", "\",\"命令\",\"选项\")"};
  }
  return {"", nullptr, ""};
}

bool NeedsControlId(StatementKind kind) {
  return kind != StatementKind::WaitWindow && kind != StatementKind::ActivateWindow;
}

const char kTitleHint[] = "你还没有获取窗口标题吧！";
const char kControlIdHint[] = "你还没有获取控件ID吧！";

}  // namespace

Text ComposeStatement(StatementKind kind, const Text& title, const Text& controlId) {
  const Pieces p = PiecesOf(kind);
  Text statement = p.first + title;
  if (p.middle != nullptr) statement += p.middle + controlId;
  statement += p.closing;
  return statement;
}

void BuildStatement(StatementKind kind, MainWindow& window, WindowSystem& ws) {
  // Emptied first so that an old statement never survives next to a hint.
  window.WriteBox(Box::Output, {});
  const bool needsId = NeedsControlId(kind);
  if (window.ReadBox(needsId ? Box::ControlId : Box::Title).empty()) {
    window.WriteBox(Box::Output, needsId ? kControlIdHint : kTitleHint);
    return;
  }
  window.WriteBox(Box::Output, ComposeStatement(kind, window.ReadBox(Box::Title),
                                                window.ReadBox(Box::ControlId)));
  CopyOutputIfWanted(window, ws);
}

void CopyOutputIfWanted(MainWindow& window, WindowSystem& ws) {
  if (!window.IsCopyChecked()) return;
  ws.PutTextOnClipboard(window.ReadBox(Box::Output));
}

}  // namespace vexlumen
