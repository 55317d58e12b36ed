#pragma once

#include <windows.h>

#include <map>
#include <optional>

#include "app/finder_drag.h"
#include "app/main_window.h"
#include "app/win32/window_timer.h"
#include "inspect/inspection.h"
#include "winsys/window_system.h"

namespace vexlumen {

// The program's one window: its controls, its timers and the wiring of their events to the
// logic. It also owns the inspection's working lists, which thus live as long as the window.
class Win32MainWindow final : public MainWindow {
 public:
  Win32MainWindow(HINSTANCE instance, WindowSystem& ws);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // Creates the window centred on the primary screen, topmost, and shows it.
  bool Create(int showCommand);
  // Runs until the window is closed; returns the process exit code.
  int RunMessageLoop();

  // MainWindow
  WindowHandle GetHandle() override;
  Size ReadOuterSize() override;
  void MoveOuterTopLeft(Point topLeft) override;
  void SetTimerPeriod(TimerId timer, unsigned periodMs) override;
  void ShowFinderImage(bool shown) override;
  void SetFinderPointerToArrow() override;
  Text ReadBox(Box box) override;
  void WriteBox(Box box, const Text& text) override;
  bool IsCopyChecked() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK FinderPictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR subclassId, DWORD_PTR self);
  static LRESULT CALLBACK ScriptGroupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR subclassId, DWORD_PTR self);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void OnCommand(int controlId, int notification);
  HWND Control(int id) const;
  HWND BoxControl(Box box) const;

  HINSTANCE instance_;
  WindowSystem& ws_;
  Inspection inspection_;
  FinderDrag drag_;
  HWND hwnd_ = nullptr;
  std::map<int, HWND> controls_;
  HCURSOR finderImage_ = nullptr;    // shared resource: the system frees it
  HCURSOR finderPointer_ = nullptr;  // what the pointer shows over the finder picture
  std::optional<WindowTimer> inspectTimer_;
  std::optional<WindowTimer> dodgeTimer_;
};

}  // namespace vexlumen
