"""The three engines the page is tested in, behind one small interface: open
a page, run a script, press keys, click at a point. Chromium and WebKit come
through Selenium; Firefox through WebDriver BiDi, its own remote protocol,
since Debian has no geckodriver. Each starts headless (WebKit on an Xvfb of
its own) with the language given, and talks to 127.0.0.1 only."""
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time
import traceback

# Keys as WebDriver numbers them.
KEYS = {"Tab": "\ue004", "Enter": "\ue007", "Escape": "\ue00c", "Space": " ",
        "PageUp": "\ue00e", "PageDown": "\ue00f", "End": "\ue010", "Home": "\ue011",
        "ArrowLeft": "\ue012", "ArrowUp": "\ue013", "ArrowRight": "\ue014",
        "ArrowDown": "\ue015", "Shift": "\ue008", "Control": "\ue009", "Alt": "\ue00a",
        "F1": "\ue031", "F6": "\ue036", "F10": "\ue03a"}


def key_actions(presses):
    """W3C key actions for presses: each a key name or character, or a tuple
    of modifiers and a key, held while the key goes down and up."""
    actions = []
    for press in presses:
        held, key = (press[:-1], press[-1]) if isinstance(press, tuple) else ((), press)
        value = KEYS.get(key, key)
        actions += [{"type": "keyDown", "value": KEYS[name]} for name in held]
        actions += [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]
        actions += [{"type": "keyUp", "value": KEYS[name]} for name in reversed(held)]
    return actions


def click_actions(x, y):
    return [{"type": "pointerMove", "x": int(x), "y": int(y)},
            {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Browser:
    name = ""

    def evaluate(self, body, *arguments):
        """What the function body returns, through JSON."""
        return json.loads(self.script(
            "return JSON.stringify((function () { %s }).apply(null, %s) ?? null);"
            % (body, json.dumps(arguments))))

    def keys(self, *presses):
        self.perform([{"type": "key", "id": "keyboard", "actions": key_actions(presses)}])

    def click(self, x, y):
        self.perform([{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": click_actions(x, y)}])


class Selenium(Browser):
    def __init__(self, driver, name, cleanup=None):
        self.driver, self.name, self.cleanup = driver, name, cleanup

    def get(self, address):
        self.driver.get(address)

    def script(self, text):
        return self.driver.execute_script(text)

    def perform(self, sources):
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": sources})
        self.driver.execute(Command.W3C_CLEAR_ACTIONS, {})

    def screenshot(self):
        """The viewport as it shows, a PNG in base64."""
        return self.driver.get_screenshot_as_base64()

    def quit(self):
        try:
            self.driver.quit()
        finally:
            if self.cleanup:
                self.cleanup()


def chromium(language, scale=None):
    """Chromium, at a device scale of its own where one is given."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--window-size=1024,768",
                     "--lang=" + language):
        options.add_argument(argument)
    if scale:
        options.add_argument("--force-device-scale-factor=%s" % scale)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    return Selenium(webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options),
                    "chromium")


WEBKIT = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


def webkit(language):
    """MiniBrowser, WebKitGTK's own, under automation: on the X server the
    suite runs on, or else (none, or one that is gone) on a private Xvfb; in
    the language of the C library's locale."""
    import signal
    from selenium import webdriver
    from selenium.webdriver.webkitgtk.options import Options
    xvfb = None
    display = os.environ.get("DISPLAY", "")
    if not os.path.exists("/tmp/.X11-unix/X" + display.lstrip(":").split(".")[0]):
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                 "1024x768x24", "-nolisten", "tcp"], pass_fds=(write,),
                                stderr=subprocess.DEVNULL)
        os.close(write)
        display = os.read(read, 16).decode().strip()
        os.close(read)
        if not display or xvfb.poll() is not None:
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display

    # A session bus of its own: without one GTK starts one for the display and
    # records it in ~/.dbus, and the next MiniBrowser on a display of that
    # number waits for the bus, long gone, for ever. No accessibility bus.
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    os.environ["NO_AT_BRIDGE"] = "1"
    # And folders of its own for its sockets, caches and data.
    private = tempfile.mkdtemp(prefix="quorvel-webkit-")
    for name in ("XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"):
        os.environ[name] = os.path.join(private, name.lower())
        os.makedirs(os.environ[name], mode=0o700)

    def stop_xvfb():
        for process in (bus, xvfb):
            if process:
                process.terminate()
                process.wait(10)
        shutil.rmtree(private, ignore_errors=True)

    def too_slow(*_):
        raise TimeoutError("WebKitWebDriver did not start MiniBrowser within 60 s")

    # MiniBrowser speaks the C library's language: the one asked for, or
    # English where that is English, whatever the machine speaks.
    os.environ["LC_ALL"] = os.environ["LANG"] = (
        "C.UTF-8" if language.startswith("en") else language.replace("-", "_") + ".UTF-8")
    options = Options()
    options.binary_location = WEBKIT
    options.add_argument("--automation")
    signal.signal(signal.SIGALRM, too_slow)
    signal.alarm(60)
    try:
        driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    except BaseException:
        stop_xvfb()
        raise
    finally:
        signal.alarm(0)
    return Selenium(driver, "webkit", stop_xvfb)


class Firefox(Browser):
    name = "firefox"

    def __init__(self, language):
        import websocket
        self.profile = tempfile.mkdtemp(prefix="quorvel-firefox-")
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            for name, value in (("intl.accept_languages", language),
                                ("browser.shell.checkDefaultBrowser", False),
                                ("datareporting.policy.dataSubmissionEnabled", False),
                                ("browser.startup.homepage_override.mstone", "ignore"),
                                ("app.update.disabledForTesting", True),
                                ("remote.prefs.recommended", True)):
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        port = free_port()
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port", str(port), "--remote-allow-hosts", "127.0.0.1",
             "--width", "1024", "--height", "768", "about:blank"],
            env=dict(os.environ, MOZ_HEADLESS="1"), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        deadline = time.time() + 30
        while True:
            try:
                self.socket = websocket.create_connection(
                    "ws://127.0.0.1:%d/session" % port, suppress_origin=True, timeout=30)
                break
            except OSError:
                if time.time() > deadline or self.process.poll() is not None:
                    self.quit()
                    raise RuntimeError("Firefox did not open its remote port")
                time.sleep(0.1)
        self.sent = 0
        self.command("session.new", {"capabilities": {}})
        self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]

    def command(self, method, params):
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.sent:  # not an event
                if message.get("type") == "error":
                    raise RuntimeError("%s: %s" % (method, message.get("message")))
                return message["result"]

    def get(self, address):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": address, "wait": "complete"})

    def script(self, text):
        result = self.command("script.evaluate", {
            "expression": "(function () { %s })()" % text, "target": {"context": self.context},
            "awaitPromise": False})
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return result["result"].get("value")

    def screenshot(self):
        return self.command("browsingContext.captureScreenshot", {"context": self.context})["data"]

    def perform(self, sources):
        self.command("input.performActions", {"context": self.context, "actions": sources})
        self.command("input.releaseActions", {"context": self.context})

    def quit(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)


ENGINES = {"chromium": chromium, "firefox": Firefox, "webkit": webkit}


def run_suites(suites):
    """Runs each suite's tests in a browser of its own and reports each test;
    a suite is a label, what opens its browser, and its tests. The exit
    status: 1 when any failed."""
    passed = failed = 0
    # QUORVEL_ONLY=name,...: only those tests, while one is being worked on.
    only = [name for name in os.environ.get("QUORVEL_ONLY", "").split(",") if name]
    for label, start_browser, tests in suites:
        tests = [test for test in tests if not only or
                 getattr(test, "func", test).__name__ in only]
        if not tests:
            continue
        browser = start_browser()
        try:
            for test in tests:
                name = "%s (%s)" % (getattr(test, "func", test).__name__, label)
                start = time.time()
                try:
                    test(browser)
                    passed += 1
                    print("PASS: %s (%d ms)" % (name, (time.time() - start) * 1000))
                except Exception:
                    failed += 1
                    print("FAIL: %s\n%s" % (name, traceback.format_exc()))
        finally:
            browser.quit()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0
