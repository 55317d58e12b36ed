// What the logic may do with the main window. The window's boxes are the only store of the
// values the tool shows, so the logic reads and writes them here instead of keeping a model.
#pragma once

#include "winsys/core_types.h"

namespace vexlumen {

enum class Box { Title, Class, ControlText, ControlId, Output };
enum class TimerId { Inspect, Dodge };

class MainWindow {
 public:
  virtual ~MainWindow() = default;

  virtual WindowHandle GetHandle() = 0;
  virtual Size ReadOuterSize() = 0;
  virtual void MoveOuterTopLeft(Point topLeft) = 0;
  // A period of 0 stops the timer.
  virtual void SetTimerPeriod(TimerId timer, unsigned periodMs) = 0;
  // The finder picture shows the finder image, or nothing while a drag is on.
  virtual void ShowFinderImage(bool shown) = 0;
  // The pointer shown over the finder picture becomes the standard arrow.
  virtual void SetFinderPointerToArrow() = 0;
  virtual Text ReadBox(Box box) = 0;
  virtual void WriteBox(Box box, const Text& text) = 0;
  virtual bool IsCopyChecked() = 0;
};

}  // namespace vexlumen
