// Cost of one inspection tick as the inspected window grows: window-system calls and time.
// Prints one line per size: tick n=<descendants> calls=<calls in one tick> ns=<median ns>.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "inspect/inspection.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace {

using vexlumen::Box;
using vexlumen::Inspection;
using vexlumen::testing::FakeMainWindow;
using vexlumen::testing::FakeWindowSystem;
using Clock = std::chrono::steady_clock;

// Panels of nine buttons in rows of 100 panels. The sibling walk costs calls too, so the target
// is the last button of its panel, with nothing below it.
constexpr int kButtonsPerPanel = 9;
constexpr int kGroup = kButtonsPerPanel + 1;  // a panel and its buttons
constexpr int kPanelsPerRow = 100;
constexpr std::size_t kMaxExtraCalls = 20;
constexpr int kTicksPerBatchTimesSize = 200000;  // a batch takes a few milliseconds at any size
constexpr auto kMeasuringTime = std::chrono::seconds(2);
constexpr int kMaxRounds = 200;

struct Form {
  explicit Form(int n) : descendants(n), inspection(ws) {
    const int panels = n / kGroup;
    const int rows = (panels + kPanelsPerRow - 1) / kPanelsPerRow;
    const auto form = ws.AddTopLevel({{0, 0, kPanelsPerRow * 100, rows * 20}, "Form", "form"});
    for (int p = 0; p < panels; ++p) {
      const int x = (p % kPanelsPerRow) * 100;
      const int y = (p / kPanelsPerRow) * 20;
      const auto panel = ws.AddChild(form, {{x, y, x + 100, y + 20}, "Panel", ""});
      for (int b = 0; b < kButtonsPerPanel; ++b) {
        ws.AddChild(panel, {{x + b * 10, y, x + b * 10 + 10, y + 10}, "Button", "OK"});
      }
    }
    // About two thirds into the enumeration order.
    const int target = panels * 2 / 3;
    const int x = (target % kPanelsPerRow) * 100;
    const int y = (target / kPanelsPerRow) * 20;
    ws.SetPointer({x + (kButtonsPerPanel - 1) * 10 + 5, y + 5});
    targetPosition = static_cast<std::size_t>(target + 1) * kGroup;
    expectedId = "Button" + std::to_string((target + 1) * kButtonsPerPanel);
  }

  void Tick() { inspection.RefreshInspection(window); }

  int descendants;
  FakeWindowSystem ws;
  Inspection inspection;
  FakeMainWindow window;
  std::size_t targetPosition = 0;  // 1-based
  std::string expectedId;
  std::size_t calls = 0;
  std::vector<double> nsPerTick;  // one sample per batch
};

}  // namespace

int main() {
  std::vector<std::unique_ptr<Form>> forms;
  for (int n : {1000, 10000, 100000}) forms.push_back(std::make_unique<Form>(n));

  bool ok = true;
  for (auto& f : forms) {
    f->Tick();  // sizes the working lists
    f->ws.ResetCallCount();
    f->Tick();
    f->calls = f->ws.CallCount();
    const std::string id = f->window.ReadBox(Box::ControlId);
    if (id != f->expectedId) {
      std::fprintf(stderr, "n=%d: identifier %s, expected %s\n", f->descendants, id.c_str(),
                   f->expectedId.c_str());
      ok = false;
    }
    if (f->calls > f->targetPosition + kMaxExtraCalls) {
      std::fprintf(stderr, "n=%d: %zu calls for a target at position %zu\n", f->descendants,
                   f->calls, f->targetPosition);
      ok = false;
    }
  }

  // Sizes take turns, so that a burst of load on the machine spoils a few samples of each size
  // rather than every sample of one; the median then drops them.
  const auto start = Clock::now();
  for (int round = 0; round < kMaxRounds && Clock::now() - start < kMeasuringTime; ++round) {
    for (auto& f : forms) {
      const int ticks = std::max(1, kTicksPerBatchTimesSize / f->descendants);
      f->Tick();  // the previous size pushed this one's windows out of the caches
      const auto t0 = Clock::now();
      for (int i = 0; i < ticks; ++i) f->Tick();
      const auto t1 = Clock::now();
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t1 - t0).count();
      f->nsPerTick.push_back(static_cast<double>(ns) / ticks);
    }
  }

  for (auto& f : forms) {
    auto& s = f->nsPerTick;
    std::nth_element(s.begin(), s.begin() + s.size() / 2, s.end());
    std::printf("tick n=%d calls=%zu ns=%.0f\n", f->descendants, f->calls, s[s.size() / 2]);
  }
  return ok ? 0 : 1;
}
