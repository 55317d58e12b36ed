// One inspection tick through the real Windows layer, against a window of 2,000 descendants that
// belongs to another process, compared with the least any tick could do: enumerate every
// descendant and ask each its class name once. Then many ticks in a row, to see whether the
// process grows while the user holds the finder still.
//
// Prints:
//   wine-tick n=<descendants> tick_ms=<median> floor_ms=<median>
//   wine-soak ticks=<ticks> growth_kib=<committed memory after the soak minus after its warm-up>
// and exits with 1 when a tick shows wrong values, 3 when a goal is missed.
//
// Usage: vexlumen_wine_tick_bench [soak ticks, 10000 when not given]
// Every tick asks thousands of questions of the Wine server, so the soak takes long; a smaller
// count is useful while working on the benchmark itself.
#include <windows.h>
// <psapi.h> needs the types of <windows.h>.
#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "bench/wine/bench_window.h"
#include "inspect/inspection.h"
#include "winsys/win32/win32_window_system.h"

namespace {

using namespace vexlumen::bench;
using vexlumen::Box;
using vexlumen::Inspection;
using vexlumen::Text;
using vexlumen::WindowHandle;

constexpr int kRuns = 31;
constexpr int kDefaultSoakTicks = 10000;
constexpr int kSoakWarmUpTicks = 100;
constexpr long long kMaxGrowthKib = 1024;
constexpr DWORD kHostStartTimeoutMs = 60000;
constexpr int kClassNameBufferSize = 259;

// The tool's main window reduced to its boxes: what a tick writes is all the benchmark looks at.
class MemoryMainWindow : public vexlumen::MainWindow {
 public:
  WindowHandle GetHandle() override { return vexlumen::kNoWindow; }
  vexlumen::Size ReadOuterSize() override { return {}; }
  void MoveOuterTopLeft(vexlumen::Point) override {}
  void SetTimerPeriod(vexlumen::TimerId, unsigned) override {}
  void ShowFinderImage(bool) override {}
  void SetFinderPointerToArrow() override {}
  Text ReadBox(Box box) override { return boxes_[static_cast<std::size_t>(box)]; }
  void WriteBox(Box box, const Text& text) override {
    boxes_[static_cast<std::size_t>(box)] = text;
  }
  bool IsCopyChecked() override { return false; }

 private:
  std::array<Text, static_cast<std::size_t>(Box::Output) + 1> boxes_;
};

std::string ReadClass(HWND w) {
  char name[kClassNameBufferSize] = {};
  GetClassNameA(w, name, kClassNameBufferSize);
  return name;
}

struct TargetSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK VisitTopLevel(HWND w, LPARAM param) {
  auto* search = reinterpret_cast<TargetSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner != search->processId || ReadClass(w) != kTargetClass) return TRUE;
  search->found = w;
  return FALSE;
}

BOOL CALLBACK CollectDescendant(HWND w, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(w);
  return TRUE;
}

BOOL CALLBACK ReadClassOnce(HWND w, LPARAM param) {
  char name[kClassNameBufferSize];
  if (GetClassNameA(w, name, kClassNameBufferSize) > 0) ++*reinterpret_cast<int*>(param);
  return TRUE;
}

// The host runs for exactly as long as this object lives, whatever way the benchmark leaves.
class Host {
 public:
  Host() = default;
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  ~Host() {
    if (process_.hProcess != nullptr) {
      TerminateProcess(process_.hProcess, 0);
      WaitForSingleObject(process_.hProcess, 5000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    if (ready_ != nullptr) CloseHandle(ready_);
  }

  bool Start() {
    const DWORD self = GetCurrentProcessId();
    ready_ = CreateEventA(nullptr, TRUE, FALSE, ReadyEventName(self).c_str());
    if (ready_ == nullptr) return false;

    std::string path(MAX_PATH, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    path.resize(length);
    path.erase(path.find_last_of('\\') + 1);
    path += "vexlumen_wine_bench_host.exe";
    std::string commandLine = "\"" + path + "\" " + std::to_string(self);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
      std::fprintf(stderr, "cannot start %s (error %lu)\n", path.c_str(), GetLastError());
      return false;
    }
    const HANDLE waits[] = {ready_, process_.hProcess};
    if (WaitForMultipleObjects(2, waits, FALSE, kHostStartTimeoutMs) != WAIT_OBJECT_0) {
      std::fprintf(stderr, "the host did not get ready\n");
      return false;
    }
    return true;
  }

  // The host's top-level window, told apart from any other run's by its process.
  HWND FindTargetWindow() const {
    TargetSearch search{process_.dwProcessId, nullptr};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

 private:
  HANDLE ready_ = nullptr;
  PROCESS_INFORMATION process_{};
};

std::string ReadText(HWND w) {
  char text[256] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                      &copied);
  return text;
}

std::vector<HWND> ListDescendants(HWND root) {
  std::vector<HWND> all;
  EnumChildWindows(root, CollectDescendant, reinterpret_cast<LPARAM>(&all));
  return all;
}

// The least any tick has to do for the identifier: walk all descendants, one class name each.
int FloorPass(HWND root) {
  int visited = 0;
  EnumChildWindows(root, ReadClassOnce, reinterpret_cast<LPARAM>(&visited));
  return visited;
}

struct Expected {
  Text title, className, text, id;
};

bool Check(MemoryMainWindow& window, const Expected& expected, bool report) {
  const std::array<std::pair<Box, const Text*>, 4> boxes{{{Box::Title, &expected.title},
                                                          {Box::Class, &expected.className},
                                                          {Box::ControlText, &expected.text},
                                                          {Box::ControlId, &expected.id}}};
  bool ok = true;
  for (const auto& [box, want] : boxes) {
    const Text got = window.ReadBox(box);
    if (got == *want) continue;
    ok = false;
    if (report) {
      std::fprintf(stderr, "box %d holds \"%s\", expected \"%s\"\n", static_cast<int>(box),
                   got.c_str(), want->c_str());
    }
  }
  return ok;
}

double Frequency() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(f.QuadPart);
}

double NowMs() {
  static const double ticksPerMs = Frequency() / 1000.0;
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticksPerMs;
}

double Median(std::vector<double> samples) {
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

PROCESS_MEMORY_COUNTERS_EX ReadMemory() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters;
}

long long KibBetween(SIZE_T before, SIZE_T after) {
  return (static_cast<long long>(after) - static_cast<long long>(before)) / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  const int soakTicks = argc > 1 ? std::atoi(argv[1]) : kDefaultSoakTicks;
  if (argc > 2 || soakTicks <= kSoakWarmUpTicks) {
    std::fprintf(stderr, "usage: %s [soak ticks, more than %d]\n", argv[0], kSoakWarmUpTicks);
    return 2;
  }

  Host host;
  if (!host.Start()) return 1;
  const HWND root = host.FindTargetWindow();
  if (root == nullptr) {
    std::fprintf(stderr, "no target window\n");
    return 1;
  }

  // The target is the first edit about two thirds into the enumeration order, so that the tick's
  // early stop has real work before it and real work after it to skip. An edit, because its text
  // has to come from the other process.
  const std::vector<HWND> all = ListDescendants(root);
  if (all.size() != static_cast<std::size_t>(kDescendants)) {
    std::fprintf(stderr, "%zu descendants, expected %d\n", all.size(), kDescendants);
    return 1;
  }
  std::size_t at = all.size() * 2 / 3;
  while (at < all.size() && ReadClass(all[at]) != "Edit") ++at;
  if (at == all.size()) return 1;
  const HWND control = all[at];
  int ordinal = 0;
  for (std::size_t i = 0; i <= at; ++i) ordinal += ReadClass(all[i]) == "Edit" ? 1 : 0;
  const Expected expected{kTargetTitle, "Edit", ReadText(control),
                          "Edit" + std::to_string(ordinal)};

  RECT r{};
  GetWindowRect(control, &r);
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SetCursorPos(centre.x, centre.y);
  if (WindowFromPoint(centre) != control) {
    std::fprintf(stderr, "the pointer at (%ld, %ld) is not over the target control\n", centre.x,
                 centre.y);
    return 1;
  }

  vexlumen::win32::Win32WindowSystem ws;
  Inspection inspection(ws);
  MemoryMainWindow window;
  inspection.RefreshInspection(window);  // also sizes the working lists
  if (!Check(window, expected, true)) return 1;
  if (FloorPass(root) != kDescendants) {
    std::fprintf(stderr, "the floor pass missed descendants\n");
    return 1;
  }

  // Tick and floor take turns, so that a burst of load spoils a few samples of each rather than
  // all of one; the medians then drop them.
  std::vector<double> tickMs;
  std::vector<double> floorMs;
  bool ok = true;
  for (int run = 0; run < kRuns; ++run) {
    double t0 = NowMs();
    inspection.RefreshInspection(window);
    tickMs.push_back(NowMs() - t0);
    ok = Check(window, expected, ok) && ok;

    t0 = NowMs();
    FloorPass(root);
    floorMs.push_back(NowMs() - t0);
  }
  const double tick = Median(tickMs);
  const double floorMedian = Median(floorMs);
  std::printf("wine-tick n=%d tick_ms=%.2f floor_ms=%.2f\n", kDescendants, tick, floorMedian);
  std::fflush(stdout);

  // The user holding the finder over one control for a long time: nothing may pile up.
  const double soakStart = NowMs();
  PROCESS_MEMORY_COUNTERS_EX afterWarmUp{};
  int wrongTicks = 0;
  for (int i = 0; i < soakTicks; ++i) {
    if (i == kSoakWarmUpTicks) afterWarmUp = ReadMemory();
    inspection.RefreshInspection(window);
    if (!Check(window, expected, ok && wrongTicks == 0)) ++wrongTicks;
  }
  const PROCESS_MEMORY_COUNTERS_EX atEnd = ReadMemory();
  const double soakSeconds = (NowMs() - soakStart) / 1000.0;
  // The pagefile usage is the memory the process itself committed (Wine leaves PrivateUsage at
  // zero and reports its private, anonymous memory here); the working set also moves with what
  // the system pages in and out, so it is only shown beside it.
  const long long growthKib = KibBetween(afterWarmUp.PagefileUsage, atEnd.PagefileUsage);
  std::printf("wine-soak ticks=%d growth_kib=%lld\n", soakTicks, growthKib);
  std::fflush(stdout);
  std::fprintf(stderr,
               "soak: %.1f s, %d ticks with wrong values; committed %lld KiB at the end, working "
               "set grew by %lld KiB\n",
               soakSeconds, wrongTicks, static_cast<long long>(atEnd.PagefileUsage / 1024),
               KibBetween(afterWarmUp.WorkingSetSize, atEnd.WorkingSetSize));

  if (!ok || wrongTicks != 0) return 1;
  int result = 0;
  if (tick > floorMedian) {
    std::fprintf(stderr, "goal missed: the tick is slower than the floor\n");
    result = 3;
  }
  if (growthKib >= kMaxGrowthKib) {
    std::fprintf(stderr, "goal missed: the process grew by %lld KiB\n", growthKib);
    result = 3;
  }
  return result;
}
