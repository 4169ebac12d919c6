#!/usr/bin/python3
"""End-to-end run of the real jiaoyan under a private Xvfb display.

Real files, real drags from a second X client (drag-source) carried by xdotool,
the result box read back through the clipboard, message boxes found by their X
window name and read through AT-SPI. Every wait has a time-out.

usage: run_e2e.py JIAOYAN JIAOYAN_CLI DRAG_SOURCE
"""
import hashlib
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

JIAOYAN, CLI, SOURCE = sys.argv[1:4]
STEP_TIMEOUT = 15


def log(*args):
    print("e2e:", *args, flush=True)


def wait_for(predicate, what, timeout=STEP_TIMEOUT, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError("timed out waiting for " + what)


class Session:
    def __init__(self, workdir):
        self.workdir = workdir
        self.procs = []
        self.env = {k: v for k, v in os.environ.items() if not (k.startswith("QT_") and "SCALE" in k)}
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.update({"QT_QPA_PLATFORM": "xcb", "XDG_RUNTIME_DIR": workdir, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                         "NO_AT_BRIDGE": "0", "LANG": "C.UTF-8"})
        self.start_x()
        self.start_bus()

    def start_x(self):
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        self.procs.append(xvfb)
        number = b""
        deadline = time.monotonic() + STEP_TIMEOUT
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise AssertionError("Xvfb did not start")
            chunk = os.read(read, 16)
            if not chunk:
                raise AssertionError("Xvfb ended at start")
            number += chunk
        os.close(read)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        log("display", self.env["DISPLAY"])

    def start_bus(self):
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, env=self.env, text=True)
        self.procs.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

    def run(self, *cmd, input=None, timeout=STEP_TIMEOUT, check=True):
        return subprocess.run(cmd, env=self.env, input=input, capture_output=True, timeout=timeout, check=check)

    def xdo(self, *args):
        return self.run("xdotool", *args).stdout.decode()

    def spawn(self, *cmd, **kw):
        p = subprocess.Popen(cmd, env=self.env, **kw)
        self.procs.append(p)
        return p

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()


class Tool:
    """The running jiaoyan window, addressed in its client coordinates."""

    FRAMES = {"single": (124, 148), "file1": (124, 104), "file2": (124, 192), "check": (124, 104)}
    VERIFY = (49, 253)
    RESULT = (400, 146)
    INPUT = (116, 194)

    def __init__(self, s):
        self.s = s
        self.proc = s.spawn(JIAOYAN, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wid = s.xdo("search", "--sync", "--name", "^文件校验工具").split()[0]
        geometry = dict(line.split("=") for line in s.xdo("getwindowgeometry", "--shell", self.wid).split())
        self.x, self.y = int(geometry["X"]), int(geometry["Y"])
        assert (int(geometry["WIDTH"]), int(geometry["HEIGHT"])) == (564, 276), geometry

    def at(self, point):
        return str(self.x + point[0]), str(self.y + point[1])

    def click(self, point):
        self.s.xdo("mousemove", "--sync", *self.at(point))
        self.s.xdo("windowfocus", "--sync", self.wid)
        self.s.xdo("click", "1")

    def key(self, *keys):
        self.s.xdo("key", "--clearmodifiers", *keys)

    def page(self, name):
        self.click((30, 18))  # the outer strip, first tab
        if name == "single":
            return
        self.key("Right")
        self.click((30, 42))  # the inner strip, first tab
        if name == "check":
            self.key("Right")

    def drag(self, mode, items, target):
        source = self.s.spawn(SOURCE, mode, *items, stdout=subprocess.PIPE, text=True)
        assert source.stdout.readline().strip() == "ready"
        self.s.xdo("search", "--sync", "--name", "^drag-source$")
        self.s.xdo("mousemove", "--sync", "40", "40")
        self.s.xdo("mousedown", "1")
        tx, ty = (int(v) for v in self.at(target))
        for i in range(1, 9):
            self.s.xdo("mousemove", "--sync", str(40 + (tx - 40) * i // 8), str(40 + (ty - 40) * i // 8))
            time.sleep(0.05)
        for dx in (3, -3, 0):
            self.s.xdo("mousemove", "--sync", str(tx + dx), str(ty))
            time.sleep(0.1)
        self.s.xdo("mouseup", "1")
        action = source.stdout.readline().strip()
        source.wait(STEP_TIMEOUT)
        return action

    def progress_shown(self):
        return self.s.run("xdotool", "search", "--name", "^正在读取文件$", check=False).returncode == 0

    def result_text(self, timeout=STEP_TIMEOUT):
        marker = "placeholder-%d" % random.randrange(1 << 30)
        self.s.spawn("xclip", "-selection", "clipboard", "-i", stdin=subprocess.PIPE).communicate(marker.encode(), 5)
        self.click(self.RESULT)
        self.key("ctrl+a")
        self.key("ctrl+c")

        def copied():
            out = self.s.run("xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING", check=False).stdout
            text = out.decode("utf-8", "replace")
            return text if text != marker else None

        return wait_for(copied, "the result box text on the clipboard", timeout)

    def message_box(self):
        box = self.s.xdo("search", "--sync", "--name", "^信息：$").split()[0]
        text = wait_for(lambda: accessible_text(self.s.env, "信息："), "the message box through AT-SPI")
        self.s.xdo("windowfocus", "--sync", box)
        self.key("Return")
        wait_for(lambda: self.s.run("xdotool", "search", "--name", "^信息：$", check=False).returncode != 0,
                 "the message box to close")
        return text


ACCESSIBLE_READER = r"""
import sys, pyatspi
caption = sys.argv[1]
def texts(node, depth=0):
    out = []
    if node is None or depth > 12:
        return out
    if node.getRoleName() == "label" and node.name:
        out.append(node.name)
    for i in range(node.childCount):
        out += texts(node.getChildAtIndex(i), depth + 1)
    return out
desktop = pyatspi.Registry.getDesktop(0)
for app in desktop:
    if app is None:
        continue
    for window in app:
        if window is not None and window.name == caption:
            print("\n".join(texts(window)))
            sys.exit(0)
sys.exit(1)
"""


def accessible_text(env, caption):
    r = subprocess.run(["/usr/bin/python3", "-c", ACCESSIBLE_READER, caption], env=env, capture_output=True, timeout=10)
    text = r.stdout.decode()
    return text[:-1] if r.returncode == 0 and text.endswith("\n") and text.strip() else None


def cli_report(path):
    return subprocess.run([CLI, "report", path], capture_output=True, timeout=60).stdout.decode().replace("\r\n", "\n")


def snapshot(paths):
    return {p: (os.stat(p).st_mtime_ns, hashlib.sha256(open(p, "rb").read()).hexdigest()) for p in paths}


def expect(actual, wanted, what):
    if actual != wanted:
        raise AssertionError("%s:\n  wanted %r\n  got    %r" % (what, wanted, actual))
    log("ok:", what)


def main():
    work = tempfile.mkdtemp(prefix="jiaoyan-e2e-")
    s = Session(work)
    try:
        a = os.path.join(work, "a.bin")
        with open(a, "wb") as f:
            f.write(random.Random(7).randbytes(3 << 20))
        b = os.path.join(work, "下载 副本.bin")
        shutil.copyfile(a, b)
        before = snapshot([a, b])

        tool = Tool(s)
        tool.page("single")
        expect(tool.drag("--files", [a], Tool.FRAMES["single"]), "action 1", "a file drag is answered with copy")
        expect(tool.result_text(), cli_report(a), "single-file page shows the report")
        expect(tool.drag("--text", ["hello"], Tool.FRAMES["single"]), "action 0", "a text drag is refused")
        expect(tool.result_text(), cli_report(a), "the refused drag changed nothing")
        tool.drag("--files", [b], Tool.FRAMES["single"])
        expect(tool.result_text(), cli_report(b), "a Chinese file name through a real drag")

        tool.page("compare")
        tool.drag("--files", [a], Tool.FRAMES["file1"])
        tool.drag("--files", [b], Tool.FRAMES["file2"])
        expect(tool.result_text(),
               "文件1文件信息：\n" + cli_report(a) + "=" * 30 + "\n文件2文件信息：\n" + cli_report(b),
               "comparison page appends both reports")
        tool.click(Tool.VERIFY)
        expect(tool.message_box(), "文件1和文件2的文件校验信息相同! ", "comparison verdict")

        tool.page("check")
        tool.drag("--files", [a], Tool.FRAMES["check"])
        expect(tool.result_text(), cli_report(a), "known-value page shows the report")
        tool.click(Tool.INPUT)
        s.xdo("type", "--delay", "5", "  " + hashlib.md5(open(a, "rb").read()).hexdigest().upper())
        tool.click(Tool.VERIFY)
        expect(tool.message_box(), "校验成功! 文件信息与已知内容相同!", "known-value verdict")
        expect(snapshot([a, b]), before, "the dropped files are untouched")

        # A large file leaves its MD2 running in the background; Esc must not wait for it.
        big = os.path.join(work, "big.img")
        with open(big, "wb") as f:
            f.truncate(512 << 20)
            f.seek((512 << 20) - 1)
            f.write(b"!")
        tool.page("compare")
        tool.drag("--files", [big], Tool.FRAMES["file1"])
        # While the report is made the window holds input back or shows the modal
        # progress window, so the text is read only once it has arrived.
        def report_arrived():
            if tool.progress_shown():
                return None
            try:
                text = tool.result_text(timeout=3)
            except AssertionError:
                return None
            return text if "big.img" in text else None

        expect(wait_for(report_arrived, "the large file's report", timeout=120, interval=0.2),
               "文件1文件信息：\n" + cli_report(big), "the large file's report")
        s.xdo("mousemove", "--sync", *tool.at((300, 100)))
        s.xdo("windowfocus", "--sync", tool.wid)
        started = time.monotonic()
        tool.key("Escape")
        code = tool.proc.wait(STEP_TIMEOUT)
        elapsed = time.monotonic() - started
        expect(code, 0, "Esc ends the process with exit code 0")
        if elapsed > 5:
            raise AssertionError("closing waited %.1f s for background work" % elapsed)
        log("ok: closed %.2f s after Esc with MD2 still running" % elapsed)
        print("e2e: all passed", flush=True)
        return 0
    finally:
        s.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
