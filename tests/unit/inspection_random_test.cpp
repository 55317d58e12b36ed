// Random window trees against a plain reading of the inspection rules, and windows that vanish
// in the middle of a tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "inspect/inspection.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

using testing::FakeMainWindow;
using testing::FakeWindowSystem;
using Shown = std::vector<Text>;  // Title, Class, ControlText, ControlId

constexpr int kIterations = 300;

Shown ShownIn(MainWindow& window) {
  return {window.ReadBox(Box::Title), window.ReadBox(Box::Class), window.ReadBox(Box::ControlText),
          window.ReadBox(Box::ControlId)};
}

const Text kLong(258, 'L');
// Case variants and names alike up to the 258-byte cut are here on purpose.
const std::vector<Text> kClasses = {"Button", "Edit",      "Static",      "button",
                                    "#32770", kLong + "a", kLong + "bbb", kLong};

struct World {
  FakeWindowSystem ws;
  std::vector<WindowHandle> windows;
  std::set<Text> texts{""};
  std::set<Text> classNames{""};  // as read back, cut
};

class WorldBuilder {
 public:
  explicit WorldBuilder(std::uint32_t seed) : rng_(seed) {}

  void Build(World& world) {
    std::vector<WindowHandle> topLevels;
    const int count = Uniform(1, 4);
    for (int i = 0; i < count; ++i) {
      const auto look = RandomLook(world, nullptr, 0.9);
      const bool owned = !topLevels.empty() && Chance(0.35);
      const WindowHandle h =
          owned ? world.ws.AddOwnedPopup(Pick(topLevels), look) : world.ws.AddTopLevel(look);
      topLevels.push_back(h);
      world.windows.push_back(h);
      AddChildren(world, h, 0, Uniform(1, 4));
    }
    // Mostly somewhere inside a child window, where there is something to identify.
    std::vector<WindowHandle> children;
    for (WindowHandle w : world.windows) {
      if (!IsTopLevel(topLevels, w)) children.push_back(w);
    }
    if (Chance(0.85)) {
      const Rect r =
          world.ws.ReadOuterRect(children.empty() ? Pick(world.windows) : Pick(children));
      world.ws.SetPointer({Uniform(r.left, r.right - 1), Uniform(r.top, r.bottom - 1)});
    } else {
      world.ws.SetPointer({Uniform(-10, 210), Uniform(-10, 210)});
    }
    // Real hit-testing passes over some windows; answer an arbitrary one now and then.
    if (Chance(0.1)) world.ws.ForceWindowAtPoint(Pick(world.windows));
    world.ws.ResetCallCount();
  }

  static bool IsTopLevel(const std::vector<WindowHandle>& topLevels, WindowHandle w) {
    return std::find(topLevels.begin(), topLevels.end(), w) != topLevels.end();
  }

  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  WindowHandle Pick(const std::vector<WindowHandle>& v) { return v[Uniform(0, int(v.size()) - 1)]; }

 private:
  // Mostly inside the parent, as controls are, so that the pointer reaches deep windows and
  // siblings overlap; now and then anywhere.
  FakeWindowSystem::WindowDesc RandomLook(World& world, const Rect* parent, double visible) {
    FakeWindowSystem::WindowDesc look;
    if (parent != nullptr && parent->right - parent->left > 1 && parent->bottom - parent->top > 1 &&
        Chance(0.85)) {
      const int left = Uniform(parent->left, parent->right - 2);
      const int top = Uniform(parent->top, parent->bottom - 2);
      look.rect = {left, top, Uniform(left + 1, parent->right), Uniform(top + 1, parent->bottom)};
    } else {
      const int left = Uniform(0, 180);
      const int top = Uniform(0, 180);
      look.rect = {left, top, left + Uniform(1, 120), top + Uniform(1, 120)};
    }
    look.className = kClasses[Uniform(0, int(kClasses.size()) - 1)];
    const int n = int(world.windows.size());
    look.text = Chance(0.2)   ? ""
                : Chance(0.2) ? "\xc4\xe3\xba\xc3" + std::to_string(n)
                              : "t" + std::to_string(n);
    look.visible = Chance(visible);
    world.texts.insert(look.text);
    world.classNames.insert(look.className.substr(0, 258));
    return look;
  }

  void AddChildren(World& world, WindowHandle parent, int depth, int maxDepth) {
    if (depth >= maxDepth) return;
    const int count = Uniform(0, 5 - depth);
    for (int i = 0; i < count; ++i) {
      const Rect parentRect = world.ws.ReadOuterRect(parent);
      const WindowHandle h = world.ws.AddChild(parent, RandomLook(world, &parentRect, 0.8));
      world.windows.push_back(h);
      AddChildren(world, h, depth + 1, maxDepth);
    }
  }

  std::mt19937 rng_;
};

// The rules read plainly, asking the system again whenever a value is needed.
WindowHandle ReferenceTarget(WindowSystem& ws) {
  const Point p = ws.GetPointerPosition();
  const WindowHandle w = ws.FindWindowAtPoint(p);
  if (w.IsNone()) return kNoWindow;
  const WindowHandle parent = ws.FindParent(w);
  if (parent.IsNone()) return w;
  auto area = [&](WindowHandle h) {
    const Rect r = ws.ReadOuterRect(h);
    return std::int64_t{r.bottom - r.top} * (r.right - r.left);  // small rects: no wrap
  };
  WindowHandle best = w;
  for (WindowHandle s = ws.FindNextSibling(w); !s.IsNone(); s = ws.FindNextSibling(s)) {
    if (ws.ReadOuterRect(s).Contains(p) && ws.FindParent(s) == parent && ws.IsVisible(s) &&
        area(s) < area(best)) {
      best = s;
    }
  }
  return best;
}

Shown ReferenceShown(WindowSystem& ws) {
  const WindowHandle target = ReferenceTarget(ws);
  WindowHandle root = kNoWindow;
  if (!target.IsNone()) {
    for (WindowHandle h = ws.FindParent(target); !h.IsNone(); h = ws.FindParent(h)) root = h;
  }
  if (root.IsNone()) return {target.IsNone() ? "" : ws.ReadWindowText(target), "", "", ""};

  std::vector<WindowHandle> all;
  ws.EnumerateDescendants(root, [&](WindowHandle h) {
    all.push_back(h);
    return true;
  });
  Text id;
  int sameClass = 0;
  for (WindowHandle h : all) {
    if (ws.ReadClassName(h) != ws.ReadClassName(target)) continue;
    ++sameClass;
    if (h == target) {
      id = ws.ReadClassName(target) + std::to_string(sameClass);
      break;
    }
  }
  return {ws.ReadWindowText(root), ws.ReadClassName(target), ws.ReadWindowText(target), id};
}

TEST(InspectionRandom, AgreesWithAPlainReadingOfTheRules) {
  int withId = 0;
  int refined = 0;
  for (int i = 0; i < kIterations; ++i) {
    SCOPED_TRACE("seed " + std::to_string(i + 1));
    WorldBuilder builder(i + 1);
    World world;
    builder.Build(world);

    FakeMainWindow window;
    Inspection(world.ws).RefreshInspection(window);
    const Shown expected = ReferenceShown(world.ws);
    ASSERT_EQ(ShownIn(window), expected);

    if (!expected[3].empty()) ++withId;
    const WindowHandle hit = world.ws.FindWindowAtPoint(world.ws.GetPointerPosition());
    if (hit != ReferenceTarget(world.ws)) ++refined;
  }
  // The trees must exercise what is checked, not only empty boxes.
  EXPECT_GT(withId, kIterations / 6);
  EXPECT_GE(refined, 5);
}

bool IsOrdinal(const Text& s, std::size_t max) {
  if (s.empty() || s.size() > 6 || s[0] == '0') return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return std::stoul(s) <= max;
}

TEST(InspectionRandom, WindowsDestroyedMidTickLeaveWellFormedBoxes) {
  for (int i = 0; i < kIterations; ++i) {
    SCOPED_TRACE("seed " + std::to_string(1000 + i));
    WorldBuilder builder(1000 + i);
    World world;
    builder.Build(world);
    Inspection inspection(world.ws);

    FakeMainWindow window;
    inspection.RefreshInspection(window);
    const std::size_t callsInCleanTick = world.ws.CallCount();
    const std::size_t destroyAt = builder.Uniform(0, int(callsInCleanTick) - 1);
    // Half the time the window looked at or one of its ancestors, whose loss matters most.
    std::vector<WindowHandle> chain;
    for (WindowHandle h = ReferenceTarget(world.ws); !h.IsNone(); h = world.ws.FindParent(h)) {
      chain.push_back(h);
    }
    const WindowHandle victim =
        !chain.empty() && builder.Chance(0.5) ? builder.Pick(chain) : builder.Pick(world.windows);
    SCOPED_TRACE("destroying window " + std::to_string(victim.value) + " before call " +
                 std::to_string(destroyAt));

    for (Box box : {Box::Title, Box::Class, Box::ControlText, Box::ControlId}) {
      window.WriteBox(box, "stale value");
    }
    world.ws.ResetCallCount();
    world.ws.SetCallHook([&](std::size_t call) {
      if (call == destroyAt) world.ws.Destroy(victim);
    });
    inspection.RefreshInspection(window);
    world.ws.SetCallHook(nullptr);
    ASSERT_FALSE(world.ws.Exists(victim));

    const Shown shown = ShownIn(window);
    EXPECT_EQ(world.texts.count(shown[0]), 1u) << "title " << shown[0];
    EXPECT_EQ(world.classNames.count(shown[1]), 1u) << "class " << shown[1];
    EXPECT_EQ(world.texts.count(shown[2]), 1u) << "text " << shown[2];
    const Text& id = shown[3];
    if (!id.empty()) {
      ASSERT_EQ(id.compare(0, shown[1].size(), shown[1]), 0) << "id " << id;
      EXPECT_TRUE(IsOrdinal(id.substr(shown[1].size()), world.windows.size())) << "id " << id;
    }

    // The next tick sees the world as it is now; nothing of the disturbed one lingers.
    inspection.RefreshInspection(window);
    EXPECT_EQ(ShownIn(window), ReferenceShown(world.ws));
  }
}

}  // namespace
}  // namespace vexlumen
