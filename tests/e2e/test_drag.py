"""The finder drag as a user does it: the real pointer, moved by xdotool, presses on the finder
picture and, button held, rests on windows of another application (the target program) and of
the tool itself, while the tool fills its four boxes and keeps clear of the pointer. The target
program is started before the tool (without a window manager, Wine draws a window created later
above a topmost one) and tells where each situation lies and what the boxes must show there."""

import queue
import re
import subprocess
import threading
import time
import unittest

from harness import BUILD, WINE, Tool, driver, gbk, parse_fields, run_windows, screenshot, xdotool

TARGET = BUILD / "vexlumen_target.exe"
CURSOR_FILE = BUILD / "鼠标指针.cur"

TICK = 0.5
# Long enough for two ticks, so that the boxes were filled after the pointer arrived.
REST = 1.2
SCREEN_W, SCREEN_H = 1024, 768
OUTER_W, OUTER_H = 480, 391
# Where the tool opens, centred; tests that let it dodge put it back here.
START = (272, 188)
TOOL_TITLE = gbk("Vexlumen---Drovask")
FIELDS = ("title", "class", "text", "id")
LIVE_TEXT = re.compile(re.escape(gbk("计数：")) + rb"\d+\Z")
LONG_CLASS_CUT = gbk("类" * 129)  # 130 characters registered; 258 bytes can be read back

# What the layout was designed to give, checked against the target's own report so that a
# mistake made alike by the target's walk and by the tool cannot pass unseen.
MAIN_TITLE = gbk("目标甲 - 主窗口")
DESIGNED = {
    "direct": {"title": MAIN_TITLE, "class": b"Button", "text": gbk("直属按钮")},
    "no_text": {"class": b"Edit", "text": b""},
    "group_edit": {"text": gbk("组内编辑框")},
    "group_button": {"text": gbk("组内按钮")},
    "hidden_skipped": {"text": gbk("可见编辑框")},
    "hidden_only": {"class": b"Static", "text": gbk("面板")},
    "equal_area": {"text": gbk("甲按钮"), "id": b"Button6"},
    "main_caption": {"title": MAIN_TITLE, "class": b"", "text": b"", "id": b""},
    "main_client": {"title": MAIN_TITLE, "class": b"", "text": b"", "id": b""},
    "popup_client": {"title": MAIN_TITLE, "text": gbk("乙弹出窗口"), "id": b""},
    "popup_control": {"title": MAIN_TITLE, "text": gbk("弹出窗口按钮"), "id": b""},
    "popup2_client": {"title": MAIN_TITLE, "text": gbk("丙二级弹出窗口"), "id": b""},
    "long_depth3": {"class": LONG_CLASS_CUT, "text": gbk("最深乙"), "id": LONG_CLASS_CUT + b"4"},
    "long_depth1": {"class": LONG_CLASS_CUT, "text": gbk("外层甲二"), "id": LONG_CLASS_CUT + b"6"},
    "button_depth2": {"text": gbk("深层按钮"), "id": b"Button2"},
    "hang_edit": {"title": gbk("丁窗口（会挂起）"), "class": b"Edit"},
}


class Case:
    def __init__(self, line):
        fields = parse_fields(line)
        self.name = fields["name"]
        self.point = (int(fields["x"]), int(fields["y"]))
        self.boxes = {field: bytes.fromhex(fields[field]) for field in FIELDS}


class Target:
    """The other application, with the situations it reported."""

    def __init__(self):
        self.process = None
        self.lines = queue.Queue()
        self.cases = {}

    def start(self):
        self.process = subprocess.Popen([WINE, str(TARGET)], cwd=BUILD, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        acp = None
        while True:
            line = self.next_line(60)
            if line is None or line.startswith("error"):
                raise AssertionError(f"the target program did not get ready: {line}")
            if line.startswith("acp="):
                acp = line[4:]
            elif line.startswith("case "):
                case = Case(line)
                self.cases[case.name] = case
            elif line == "ready":
                break
        # Class names and texts are GBK bytes only in code page 936.
        if acp != "936":
            raise AssertionError(f"the target runs in code page {acp}, not 936")

    def _read(self):
        for raw in self.process.stdout:
            self.lines.put((time.monotonic(), raw.decode("ascii", "replace").strip()))

    def next_line(self, timeout):
        try:
            return self.lines.get(timeout=timeout)[1]
        except queue.Empty:
            return None

    def wait_for(self, prefix, timeout):
        """The time at which a line starting with `prefix` came, or None."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                when, line = self.lines.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                return None
            if line.startswith(prefix):
                return when

    def hang(self, milliseconds):
        """Makes the hang window's thread sleep; returns once the sleep has begun."""
        code, lines = run_windows(TARGET, "hang", milliseconds, timeout=30)
        if code != 0 or lines[-1:] != ["hanging"]:
            raise AssertionError(f"the hang did not begin: {lines}")

    def stop(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            run_windows(TARGET, "quit", timeout=30)
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)
        self.reader.join(timeout=10)
        self.process.stdout.close()
        self.process = None


def boxes():
    code, lines = driver("boxes")
    if code != 0 or not lines or not lines[0].startswith("boxes "):
        raise AssertionError(f"cannot read the boxes: {lines}")
    fields = parse_fields(lines[0])
    return {field: bytes.fromhex(fields[field]) for field in FIELDS}


def tool_state():
    """((outer left, top), (client origin x, y), finder image shown, mouse captured)"""
    _, lines = driver("info")

    def fields(word):
        return parse_fields(next(line for line in lines if line.startswith(word + " ")))

    window = fields("window")
    return ((int(window["left"]), int(window["top"])),
            (int(window["client_x"]), int(window["client_y"])),
            fields("finder")["image"] == "1", fields("capture")["tool"] == "1")


def tool_position():
    return tool_state()[0]


def move_tool(left, top):
    code, _ = driver("move", left, top)
    if code != 0:
        raise AssertionError("cannot move the tool")


def begin_drag(first_point):
    """Presses on the finder picture and goes straight to `first_point`: the press is inside the
    tool, which would dodge at its first tick if the pointer stayed."""
    _, origin, _, _ = tool_state()
    finder = (origin[0] + 410 + 17, origin[1] + 16 + 18)
    xdotool("mousemove", *finder, "mousedown", 1, "mousemove", *first_point)


def end_drag():
    xdotool("mouseup", 1)


def rest_on(point):
    xdotool("mousemove", *point)
    time.sleep(REST)


class Watch:
    """The driver polling the boxes and the tool's position, every change with its time (seconds
    since the watch started, on the driver's clock)."""

    def __init__(self, milliseconds):
        self.process = subprocess.Popen([WINE, str(BUILD / "vexlumen_driver.exe"), "watch",
                                         str(milliseconds)], cwd=BUILD, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)
        first = self.process.stdout.readline().decode("ascii", "replace").strip()
        self.started = time.monotonic()
        if first != "watch start":
            self.process.kill()
            self.process.wait()
            raise AssertionError(f"the watch did not start: {first}")
        self.snapshots = []
        self.changes = queue.Queue()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        for raw in self.process.stdout:
            line = raw.decode("ascii", "replace")
            if line.startswith("boxes "):
                f = parse_fields(line)
                snapshot = (int(f["t"]) / 1000, (int(f["left"]), int(f["top"])),
                            {field: bytes.fromhex(f[field]) for field in FIELDS})
                self.snapshots.append(snapshot)
                self.changes.put(snapshot)

    def next_change(self, timeout):
        return self.changes.get(timeout=timeout)

    def finish(self):
        """[(seconds, (left, top), boxes)], once the watch has run its time."""
        self.process.wait(timeout=60)
        self.reader.join(timeout=10)
        self.process.stdout.close()
        return self.snapshots

    def close(self):
        """For a test that fails before finish(): the watch must not outlive it."""
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)
        self.reader.join(timeout=10)
        self.process.stdout.close()


TARGET_APP = Target()
TOOL = Tool()


def setUpModule():
    TARGET_APP.start()
    try:
        TOOL.start()
    except Exception:
        TARGET_APP.stop()
        raise


def tearDownModule():
    try:
        end_drag()
    finally:
        try:
            TOOL.stop()
        finally:
            TARGET_APP.stop()


class DragTestCase(unittest.TestCase):
    def setUp(self):
        if not TOOL.running():
            self.fail(f"the tool is gone, exit code {TOOL.process.returncode}")
        self.cases = TARGET_APP.cases
        if tool_position() != START:
            move_tool(*START)

    def tearDown(self):
        end_drag()
        time.sleep(0.2)
        if tool_position() != START:
            move_tool(*START)

    def watch(self, milliseconds):
        watch = Watch(milliseconds)
        self.addCleanup(watch.close)
        return watch

    def assertShows(self, case, shown=None):
        shown = boxes() if shown is None else shown
        self.assertEqual(shown, case.boxes, case.name)


class TargetLayoutTest(DragTestCase):
    def test_situations_lie_clear_of_the_tool_and_match_the_design(self):
        left, top = START
        for name, case in self.cases.items():
            with self.subTest(case=name):
                x, y = case.point
                self.assertFalse(left <= x < left + OUTER_W and top <= y < top + OUTER_H)
                for field, value in DESIGNED.get(name, {}).items():
                    self.assertEqual(case.boxes[field], value, field)


class InspectionTest(DragTestCase):
    def test_boxes_show_each_situation_the_pointer_rests_on(self):
        begin_drag(self.cases["direct"].point)
        for name, case in self.cases.items():
            with self.subTest(case=name):
                rest_on(case.point)
                shown = boxes()
                if name == "live":
                    self.assertRegex(shown["text"], LIVE_TEXT)
                    shown["text"] = case.boxes["text"]
                self.assertShows(case, shown)
        screenshot("drag-situations")

    def test_boxes_follow_a_text_that_changes_under_the_resting_pointer(self):
        live = self.cases["live"]
        begin_drag(live.point)
        time.sleep(REST)
        texts = []
        for _ in range(3):
            texts.append(boxes()["text"])
            time.sleep(TICK + 0.1)
        for text in texts:
            self.assertRegex(text, LIVE_TEXT)
        self.assertEqual(len(set(texts)), 3, texts)

    def test_own_control_is_inspected_before_the_window_dodges(self):
        # Inside the tool's test area: at its next tick the inspection shows the tool's own class
        # box, then the dodge tick moves the window away, and the values last until the tick
        # after. The pointer must arrive before an inspection tick, not between it and the dodge
        # tick a moment later; resting on the live edit first shows when each tick happens.
        _, origin, _, _ = tool_state()
        begin_drag(self.cases["live"].point)
        time.sleep(REST)
        watch = self.watch(3000)
        watch.next_change(timeout=2)
        watch.next_change(timeout=2)
        time.sleep(0.1)
        # An edit box, not a label: the tool's own static labels answer HTTRANSPARENT to its own
        # hit test (a window of the asking thread is asked), so there the window at the point is
        # the main window itself.
        xdotool("mousemove", origin[0] + 120, origin[1] + 76)  # the class box, second Edit
        snapshots = watch.finish()
        shown = [s[2] for s in snapshots]
        # The class box is read after the class was written into it.
        own = {"title": TOOL_TITLE, "class": b"Edit", "text": b"Edit", "id": b"Edit2"}
        self.assertIn(own, shown)
        self.assertEqual(snapshots[-1][1], (SCREEN_W - OUTER_W - 20, 20))


class DragLifecycleTest(DragTestCase):
    def test_release_over_another_application_ends_the_drag_and_a_press_starts_another(self):
        live = self.cases["live"]
        begin_drag(live.point)
        time.sleep(REST)
        _, _, image, capture = tool_state()
        self.assertEqual((image, capture), (False, True), "finder image hidden, mouse captured")
        self.assertRegex(boxes()["text"], LIVE_TEXT)

        end_drag()  # over the target's live edit
        time.sleep(0.3)
        frozen = boxes()
        time.sleep(REST)
        self.assertEqual(boxes(), frozen, "the boxes still follow the live edit")
        position, origin, image, capture = tool_state()
        self.assertEqual((image, capture), (True, False), "finder image back, capture released")
        # Without a drag the dodge is off too: the pointer inside the window moves nothing.
        rest_on((origin[0] + 200, origin[1] + 230))
        self.assertEqual(tool_position(), position)

        direct = self.cases["direct"]
        begin_drag(direct.point)
        time.sleep(REST)
        self.assertShows(direct)
        self.assertFalse(tool_state()[2], "the finder image is hidden again")

    def test_drag_works_without_a_usable_cursor_file(self):
        # Only that the drag runs and ends can be seen here: Wine's SetSystemCursor reports
        # success and changes nothing, so the pointer shape during a drag is out of reach.
        original = CURSOR_FILE.read_bytes()
        variants = [
            ("missing", None),
            ("garbage", bytes(range(256)) * 4),
            ("truncated", original[:10]),
        ]
        cases = [self.cases["group_edit"], self.cases["long_depth3"]]
        try:
            for (name, content), case in zip(variants, cases * 2):
                with self.subTest(cursor_file=name):
                    if content is None:
                        CURSOR_FILE.unlink()
                    else:
                        CURSOR_FILE.write_bytes(content)
                    begin_drag(case.point)
                    try:
                        time.sleep(REST)
                        self.assertShows(case)
                    finally:
                        end_drag()
                    time.sleep(0.3)
                    self.assertEqual(tool_state()[2:], (True, False), "image back, no capture")
        finally:
            CURSOR_FILE.write_bytes(original)


class DodgeTest(DragTestCase):
    def test_pointer_in_the_test_area_sends_the_window_to_the_corner_of_the_table(self):
        right, bottom = SCREEN_W - OUTER_W - 20, SCREEN_H - OUTER_H - 20
        # Each step: where the window starts (None: where the last step left it), which half and
        # quarter its client origin is then in, where the pointer goes (from the client origin
        # and the outer top-left), and the corner expected. The pointer is never inside the
        # destination's test area, so each step moves the window once.
        steps = [
            ("just inside the client origin", None, True, False,
             lambda o, outer: (o[0] + 1, o[1] + 1), (right, 20)),
            ("past the right edge, still in the test area", None, False, True,
             lambda o, outer: (outer[0] + OUTER_W + 1, o[1] + 100), (20, bottom)),
            ("inside, window at the top left", (20, 20), True, True,
             lambda o, outer: (o[0] + 100, o[1] + 100), (right, bottom)),
            ("inside, window at the bottom right", None, False, False,
             lambda o, outer: (o[0] + 200, o[1] + 200), (20, 20)),
        ]
        begin_drag(self.cases["direct"].point)
        for name, start, left_half, upper_quarter, pointer, expected in steps:
            with self.subTest(step=name):
                if start is not None:
                    move_tool(*start)
                outer, origin, _, _ = tool_state()
                self.assertEqual((2 * origin[0] < SCREEN_W, 4 * origin[1] < SCREEN_H),
                                 (left_half, upper_quarter), "the step starts where it says")
                xdotool("mousemove", *pointer(origin, outer))
                deadline = time.monotonic() + 4 * TICK
                while tool_position() == outer and time.monotonic() < deadline:
                    time.sleep(0.1)
                self.assertEqual(tool_position(), expected)

    def test_caption_and_the_client_origin_row_and_column_leave_the_window_in_place(self):
        # They are outside the test area, which starts strictly past the client origin; the
        # inspection shows the tool there like any other top-level window.
        outer, origin, _, _ = tool_state()
        points = [
            ("caption", (origin[0] + 150, origin[1] - 10)),
            ("client origin row", (origin[0] + 150, origin[1])),
            ("client origin column", (origin[0], origin[1] + 150)),
        ]
        begin_drag(self.cases["direct"].point)
        for name, point in points:
            with self.subTest(point=name):
                rest_on(point)
                self.assertEqual(tool_position(), outer)
                self.assertEqual(boxes(), {"title": TOOL_TITLE, "class": b"", "text": b"",
                                           "id": b""})


class HungApplicationTest(DragTestCase):
    HANG_MS = 8000

    def test_a_hung_window_under_the_pointer_does_not_freeze_the_tool(self):
        hung = self.cases["hang_edit"]
        healthy = self.cases["direct"]
        begin_drag(hung.point)
        time.sleep(REST)
        self.assertShows(hung)

        # One watch over the whole hang, so that a failure shows what the boxes did and when.
        watch = self.watch(5000)
        TARGET_APP.hang(self.HANG_MS)
        began = time.monotonic()
        time.sleep(REST)
        self.assertEqual(driver("ping", timeout=10)[0], 0, "no answer with the pointer on it")
        moved = time.monotonic() - watch.started
        xdotool("mousemove", *healthy.point)
        time.sleep(2 * TICK + 0.5)
        self.assertEqual(driver("ping", timeout=10)[0], 0, "no answer after moving on")
        self.assertLess(time.monotonic(), began + self.HANG_MS / 1000, "the test was too slow")
        snapshots = watch.finish()
        timeline = "\n".join(f"{t:.3f} {shown}" for t, _, shown in snapshots)

        # On the hung window, its texts cannot be had from a thread that pumps nothing; what
        # the system knows without asking that thread still shows. (The move comes well before
        # the 5 s after which the system takes the thread for hung and stops asking at once, so
        # each question has cost its full timeout.)
        before_move = [shown for t, _, shown in snapshots if t < moved]
        self.assertEqual(before_move[-1:], [dict(hung.boxes, title=b"", text=b"")], timeline)
        shown_at = next((t for t, _, shown in snapshots if t >= moved and shown == healthy.boxes),
                        None)
        self.assertIsNotNone(shown_at, timeline)
        self.assertLessEqual(shown_at - moved, 2 * TICK + 0.2, timeline)

        # Once the thread wakes the drag goes on as before.
        self.assertIsNotNone(TARGET_APP.wait_for("hang end", self.HANG_MS / 1000 + 10))
        rest_on(hung.point)
        self.assertShows(hung)


if __name__ == "__main__":
    unittest.main(verbosity=2)
