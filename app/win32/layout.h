// Where every control of the main window goes, in pixels, and what it shows at start.
#pragma once

#include <windows.h>

#include <vector>

namespace vexlumen {

inline constexpr char kMainWindowTitle[] = "Vexlumen---Drovask";
inline constexpr char kMainWindowClass[] = "VexlumenMainWindow";
inline constexpr int kMainWindowWidth = 480;
inline constexpr int kMainWindowHeight = 391;

struct ControlLayout {
  int id;
  const char* windowClass;
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;  // relative to the main window's client area, or to the group
  const char* text;
  bool insideGroup;
};

// In creation order, which is also Z-order from the top: the copy check box sits on the
// group's top border and is created before the group so that it is drawn over the border.
const std::vector<ControlLayout>& MainWindowControls();

}  // namespace vexlumen
