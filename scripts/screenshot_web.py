#!/usr/bin/python3
"""Renders the page in headless Chromium after the same session as the desktop
screenshots, into the PNG named; with --readout, reading the trajectory from
p0 = 0.02 at generation 20 as well; with --phone, the whole screen of a phone
on its side (844 x 390 CSS pixels, two device pixels each), read by a finger.
Usage: screenshot_web.py PAGE OUTPUT [--readout | --phone]"""
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--window-size=900,800", "--hide-scrollbars"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
phone = sys.argv[3:] == ["--phone"]
try:
    if phone:
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 844, "height": 390, "deviceScaleFactor": 2, "mobile": True})
    driver.get("file://" + sys.argv[1])
    while not driver.execute_script("return !!(window.Quorvel && Quorvel.readyAt)"):
        time.sleep(0.02)

    def set_bar(name, millionths):
        driver.execute_script(
            "Quorvel.send(Quorvel.elements.indexOf(document.querySelector("
            "'[data-name=\"' + arguments[0] + '\"]')), QuorvelConstants.event.DragEnded, arguments[1])",
            name, millionths)

    def click(name):
        driver.find_element(By.CSS_SELECTOR, '[data-name="%s"]' % name).click()

    set_bar("HScrollw1", 800000)
    set_bar("HScrollw2", 1000000)
    set_bar("HScrollw3", 600000)
    for p0 in (20, 150, 400, 950):
        set_bar("VScrollp", (1000 - p0) * 1000)
        click("RUN")
    click("Wmean")
    if sys.argv[3:] == ["--readout"]:
        # Up from the W Mean's curves to the second trajectory, then along it.
        keys = driver.find_element(By.CSS_SELECTOR, '[data-name="RUN"]')
        keys.send_keys(Keys.F6)
        for key in [Keys.ARROW_UP] * 4 + [Keys.ARROW_RIGHT] * 20:
            keys.send_keys(key)
    if phone:
        # A finger on the second trajectory at generation 20.
        x, y = driver.execute_script(
            "var r = Quorvel.root.getBoundingClientRect(), s = Quorvel.fit.scale;"
            "return [r.left + 119 * s, r.top + 240 * s];")
        for kind in ("touchStart", "touchEnd"):
            driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
                "type": kind, "touchPoints": [] if kind == "touchEnd" else [{"x": x, "y": y}]})
    time.sleep(0.2)
    if phone:
        driver.save_screenshot(sys.argv[2])
    else:
        driver.find_element(By.ID, "quorvel").screenshot(sys.argv[2])
finally:
    driver.quit()
