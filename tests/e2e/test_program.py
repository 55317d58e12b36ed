"""The program as a user meets it: its window, its controls, the statement buttons, the
clipboard and closing with Esc, read back through the Windows API and the X clipboard."""

import time
import unittest

from harness import (BUTTONS, Tool, ToolTestCase, click, driver, gbk, read_box, screenshot,
                     set_copy, set_windows_clipboard, wait_until, windows_clipboard, write_box,
                     x_clipboard, xdotool)

WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_EX_APPWINDOW = 0x00040000
ES_MULTILINE = 0x0004
ES_AUTOHSCROLL = 0x0080
ES_WANTRETURN = 0x1000
WS_VSCROLL = 0x00200000
WS_HSCROLL = 0x00100000

# id, parent, x, y, w, h, text
CONTROLS = [
    (1001, "main", 27, 16, 61, 24, "窗口标题："),
    (1002, "main", 91, 16, 285, 24, ""),
    (1003, "main", 27, 63, 56, 24, "控件类名："),
    (1004, "main", 91, 64, 285, 24, ""),
    (1005, "main", 27, 110, 56, 24, "控件文本："),
    (1006, "main", 91, 112, 285, 24, ""),
    (1007, "main", 27, 158, 56, 24, "控件  ID："),
    (1008, "main", 91, 160, 80, 24, ""),
    (1009, "main", 410, 16, 34, 36, ""),
    (1010, "main", 26, 200, 416, 72, ""),
    (1011, "main", 28, 286, 416, 64, "生成脚本："),
    (1012, "main", 130, 286, 160, 16, "生成的同时复制到粘贴板"),
    (1101, "group", 8, 24, 72, 24, "窗口等待"),
    (1102, "group", 87, 24, 72, 24, "窗口激活"),
    (1103, "group", 167, 24, 72, 24, "控件单击"),
    (1104, "group", 252, 24, 72, 24, "控件双击"),
    (1105, "group", 334, 24, 72, 24, "执行命令"),
]

TITLE = "记事本 - \"报告\".txt"
CONTROL_ID = "Edit1"
STATEMENTS = {
    "wait": f'WinWait("{TITLE}")',
    "activate": f'WinActivate("{TITLE}")',
    "click": f'ControlClick("{TITLE}","","{CONTROL_ID}")',
    "doubleclick": f'ControlClick("{TITLE}","","{CONTROL_ID}","left",2)',
    "command": f'ControlCommand ("{TITLE}","","{CONTROL_ID}","命令","选项")',
}
TITLE_HINT = "你还没有获取窗口标题吧！"
ID_HINT = "你还没有获取控件ID吧！"
SENTINEL = "clipboard before"


class MainWindowTest(ToolTestCase):
    def test_window_is_centred_topmost_with_fixed_frame(self):
        window, _, finder = self.tool.info()
        screen_w, screen_h = int(window["screen_w"]), int(window["screen_h"])
        self.assertEqual((int(window["width"]), int(window["height"])), (480, 391))
        self.assertEqual((int(window["left"]), int(window["top"])),
                         ((screen_w - 480) // 2, (screen_h - 391) // 2))
        self.assertEqual(window["topmost"], "1")
        style = int(window["style"], 16)
        for bit in (WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX):
            self.assertTrue(style & bit, hex(bit))
        for bit in (WS_THICKFRAME, WS_MAXIMIZEBOX):
            self.assertFalse(style & bit, hex(bit))
        self.assertTrue(int(window["exstyle"], 16) & WS_EX_APPWINDOW)
        self.assertEqual(finder["image"], "1")
        screenshot("main-window")

    def test_every_control_in_place_with_its_text(self):
        _, controls, _ = self.tool.info()
        for control_id, parent, x, y, w, h, text in CONTROLS:
            with self.subTest(control=control_id):
                found = controls.get(control_id)
                self.assertIsNotNone(found)
                self.assertEqual(found["parent"], parent)
                self.assertEqual((int(found["x"]), int(found["y"]), int(found["w"]),
                                  int(found["h"])), (x, y, w, h))
                self.assertEqual(bytes.fromhex(found["text"]), gbk(text))
                self.assertEqual(found["visible"], "1")

    def test_edit_boxes_scroll_and_wrap_as_designed(self):
        _, controls, _ = self.tool.info()
        for box in (1002, 1004, 1006, 1008):
            style = int(controls[box]["style"], 16)
            self.assertTrue(style & ES_AUTOHSCROLL)
            self.assertFalse(style & ES_MULTILINE)
        output = int(controls[1010]["style"], 16)
        self.assertTrue(output & ES_MULTILINE and output & ES_WANTRETURN)
        self.assertFalse(output & (ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL))


class StatementButtonsTest(ToolTestCase):
    def setUp(self):
        set_copy(True)
        write_box("title", gbk(TITLE))
        write_box("id", gbk(CONTROL_ID))

    def test_each_button_writes_and_copies_its_statement(self):
        for button in BUTTONS:
            with self.subTest(button=button):
                set_windows_clipboard(gbk(SENTINEL))
                click(button)
                expected = STATEMENTS[button]
                self.assertEqual(read_box("output"), gbk(expected))
                text, unicode = windows_clipboard()
                self.assertEqual(text, gbk(expected))
                self.assertEqual(unicode, expected)
                self.assertEqual(wait_until(lambda: x_clipboard() == expected, 5) and
                                 x_clipboard(), expected)

    def test_empty_boxes_give_hints_and_leave_clipboard(self):
        cases = [("wait", "title", TITLE_HINT), ("activate", "title", TITLE_HINT)] + [
            (button, "id", ID_HINT) for button in ("click", "doubleclick", "command")]
        for button, emptied, hint in cases:
            with self.subTest(button=button):
                write_box("title", gbk(TITLE))
                write_box("id", gbk(CONTROL_ID))
                write_box(emptied, b"")
                set_windows_clipboard(gbk(SENTINEL))
                click(button)
                self.assertEqual(read_box("output"), gbk(hint))
                self.assertEqual(windows_clipboard()[0], gbk(SENTINEL))

    def test_copy_off_keeps_clipboard(self):
        set_copy(False)
        set_windows_clipboard(gbk(SENTINEL))
        click("click")
        self.assertEqual(read_box("output"), gbk(STATEMENTS["click"]))
        self.assertEqual(windows_clipboard()[0], gbk(SENTINEL))
        self.assertEqual(wait_until(lambda: x_clipboard() == SENTINEL, 5) and x_clipboard(),
                         SENTINEL)


class EscapeTest(unittest.TestCase):
    def test_escape_closes_the_program(self):
        tool = Tool()
        tool.start()
        try:
            window, _, _ = tool.info()
            # Click into the title box first so that the keystroke goes to the tool.
            xdotool("mousemove", int(window["client_x"]) + 200, int(window["client_y"]) + 28)
            xdotool("click", 1)
            time.sleep(0.5)
            xdotool("key", "Escape")
            self.assertTrue(wait_until(lambda: not tool.running(), 15))
            self.assertNotEqual(driver("wait", 0)[0], 0)
        finally:
            tool.stop()


if __name__ == "__main__":
    unittest.main(verbosity=2)
