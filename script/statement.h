#pragma once

#include "app/main_window.h"
#include "winsys/window_system.h"

namespace vexlumen {

enum class StatementKind {
  WaitWindow,
  ActivateWindow,
  ClickControl,
  DoubleClickControl,
  CommandControl
};

// The statement of `kind` for a window title and a control identifier, inserted as they are:
// users type into the boxes on purpose, so nothing is trimmed, quoted or escaped.
Text ComposeStatement(StatementKind kind, const Text& title, const Text& controlId);

// Click handler of a statement button: writes the statement, or the hint for the missing value,
// into the output box, and copies a statement to the clipboard when the copy option is on.
void BuildStatement(StatementKind kind, MainWindow& window, WindowSystem& ws);

// Puts the output box's text, as it now reads, on the clipboard when the copy option is on.
void CopyOutputIfWanted(MainWindow& window, WindowSystem& ws);

}  // namespace vexlumen
