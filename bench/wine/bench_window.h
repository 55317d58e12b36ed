// What the benchmark and its target host agree on: the shape of the target window and how the
// host says it is ready.
#pragma once

#include <windows.h>

#include <string>

namespace vexlumen::bench {

inline constexpr char kTargetClass[] = "VexlumenBenchTarget";
inline constexpr char kPanelClass[] = "VexlumenBenchPanel";
inline constexpr char kTargetTitle[] = "Vexlumen bench target";

// Five columns of three nested panels, each holding a grid of controls: 5 + 15 + 15 * 132 = 2000
// descendants, every one of them visible on a 1024x768 desktop.
inline constexpr int kOuterPanels = 5;
inline constexpr int kInnerPanelsPerOuter = 3;
inline constexpr int kGridColumns = 12;
inline constexpr int kGridRows = 11;
inline constexpr int kControlsPerInner = kGridColumns * kGridRows;
inline constexpr int kDescendants =
    kOuterPanels + kOuterPanels * kInnerPanelsPerOuter * (1 + kControlsPerInner);

// The event the host sets once every window exists and is shown. Named after the benchmark's
// process, so that two runs never mistake each other's host for their own.
inline std::string ReadyEventName(DWORD benchProcessId) {
  return "VexlumenBenchReady-" + std::to_string(benchProcessId);
}

}  // namespace vexlumen::bench
