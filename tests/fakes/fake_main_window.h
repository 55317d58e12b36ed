// The main window as the logic sees it, kept in memory: boxes, timers, finder picture, position.
#pragma once

#include <map>

#include "app/main_window.h"

namespace vexlumen::testing {

class FakeMainWindow : public MainWindow {
 public:
  explicit FakeMainWindow(WindowHandle handle = WindowHandle{0x42}) : handle_(handle) {}

  void SetOuterSize(Size size) { size_ = size; }
  void SetCopyChecked(bool checked) { copyChecked_ = checked; }

  Point OuterTopLeft() const { return topLeft_; }
  int Moves() const { return moves_; }
  unsigned TimerPeriod(TimerId timer) const;
  bool FinderImageShown() const { return finderImageShown_; }
  int FinderArrowResets() const { return finderArrowResets_; }

  // MainWindow
  WindowHandle GetHandle() override { return handle_; }
  Size ReadOuterSize() override { return size_; }
  void MoveOuterTopLeft(Point topLeft) override;
  void SetTimerPeriod(TimerId timer, unsigned periodMs) override { timers_[timer] = periodMs; }
  void ShowFinderImage(bool shown) override { finderImageShown_ = shown; }
  void SetFinderPointerToArrow() override { ++finderArrowResets_; }
  Text ReadBox(Box box) override;
  void WriteBox(Box box, const Text& text) override { boxes_[box] = text; }
  bool IsCopyChecked() override { return copyChecked_; }

 private:
  WindowHandle handle_;
  Size size_{480, 391};
  Point topLeft_{272, 188};
  int moves_ = 0;
  std::map<TimerId, unsigned> timers_;
  bool finderImageShown_ = true;
  int finderArrowResets_ = 0;
  std::map<Box, Text> boxes_;
  bool copyChecked_ = true;
};

}  // namespace vexlumen::testing
