#include "tests/fakes/fake_main_window.h"

namespace vexlumen::testing {

unsigned FakeMainWindow::TimerPeriod(TimerId timer) const {
  auto it = timers_.find(timer);
  return it == timers_.end() ? 0 : it->second;
}

void FakeMainWindow::MoveOuterTopLeft(Point topLeft) {
  topLeft_ = topLeft;
  ++moves_;
}

Text FakeMainWindow::ReadBox(Box box) {
  auto it = boxes_.find(box);
  return it == boxes_.end() ? Text{} : it->second;
}

}  // namespace vexlumen::testing
