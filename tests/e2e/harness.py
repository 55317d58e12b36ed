"""What the end-to-end tests share: starting Windows programs under Wine, the driver that reads
and drives the tool through the Windows API, the real pointer through xdotool, and the X
clipboard. Run by ctest inside tests/wine/run-suite.sh, which provides the display and Wine."""

import os
import pathlib
import subprocess
import time
import unittest

BUILD = pathlib.Path(os.environ.get("VEXLUMEN_BUILD", "."))
WINE = os.environ.get("VEXLUMEN_WINE", "wine")
TOOL = BUILD / "vexlumen.exe"
DRIVER = BUILD / "vexlumen_driver.exe"
ARTIFACTS = BUILD / "artifacts"

BOXES = ("title", "class", "text", "id", "output")
BUTTONS = ("wait", "activate", "click", "doubleclick", "command")


def gbk(text):
    return text.encode("gbk")


def run_windows(program, *args, timeout=60):
    result = subprocess.run([WINE, str(program), *map(str, args)], cwd=BUILD,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=timeout)
    return result.returncode, result.stdout.decode("ascii", "replace").splitlines()


def driver(*args, timeout=60):
    code, lines = run_windows(DRIVER, *args, timeout=timeout)
    return code, lines


def parse_fields(line):
    """'word a=1 b=x' -> {'a': '1', 'b': 'x'}"""
    return dict(part.split("=", 1) for part in line.split()[1:] if "=" in part)


def read_box(name):
    code, lines = driver("get", name)
    if code != 0 or not lines:
        raise AssertionError(f"cannot read box {name}: {lines}")
    return bytes.fromhex(lines[0])


def write_box(name, data):
    driver("set", name, data.hex())


def click(button):
    driver("click", button)


def set_copy(checked):
    driver("copy", "1" if checked else "0")


def windows_clipboard():
    """(CF_TEXT bytes or None, CF_UNICODETEXT as str or None), read inside Wine."""
    code, lines = driver("clipboard")
    if code != 0:
        raise AssertionError(f"cannot read the Windows clipboard: {lines}")
    fields = dict(line.split("=", 1) for line in lines if "=" in line)
    text = None if fields.get("text", "none") == "none" else bytes.fromhex(fields["text"])
    uni = fields.get("unicode", "none")
    return text, (None if uni == "none" else bytes.fromhex(uni).decode("utf-16-le"))


def set_windows_clipboard(data):
    if driver("setclipboard", data.hex())[0] != 0:
        raise AssertionError("cannot set the Windows clipboard")


def x_clipboard():
    """What an X application pastes, as text, or None when nothing is offered."""
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, timeout=10)
    return result.stdout.decode("utf-8") if result.returncode == 0 else None


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=10)


def screenshot(name):
    ARTIFACTS.mkdir(parents=True, exist_ok=True)
    path = ARTIFACTS / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=False, timeout=30,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return path


def wait_until(predicate, timeout, interval=0.1):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


class Tool:
    """The tool, running under Wine for one test class."""

    def __init__(self):
        self.process = None

    def start(self):
        self.process = subprocess.Popen([WINE, str(TOOL)], cwd=BUILD, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        code, lines = driver("wait", 30000)
        if code != 0:
            self.stop()
            raise AssertionError(f"the tool did not open its window: {lines}")

    def info(self):
        _, lines = driver("info")
        window = parse_fields(next(line for line in lines if line.startswith("window ")))
        controls = {}
        for line in lines:
            if line.startswith("control "):
                fields = parse_fields(line)
                controls[int(fields["id"])] = fields
        finder = parse_fields(next(line for line in lines if line.startswith("finder ")))
        return window, controls, finder

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)
        # Wine keeps the Windows process alive after its Unix parent goes; make sure it is gone.
        wait_until(lambda: driver("wait", 0)[0] != 0, 10)
        self.process = None


class ToolTestCase(unittest.TestCase):
    """A test class with the tool running for all its tests."""

    @classmethod
    def setUpClass(cls):
        cls.tool = Tool()
        cls.tool.start()

    @classmethod
    def tearDownClass(cls):
        try:
            xdotool("mouseup", 1)
        except Exception:  # noqa: BLE001 - the release is a courtesy, never a failure
            pass
        cls.tool.stop()
