#!/usr/bin/python3
"""Drives the built program from outside, as a user with a screen reader or
a test robot would: it finds every widget by its role and accessible name
over AT-SPI, types, chooses, clicks through the menus and reads the labels.

    flows.py PROGRAM CLI FLOW...

FLOW is one of: reading, menus, moves, files, charts, all. Runs under a window
manager in an X session with a session bus (see run_flows.sh). Exits 0 when
every check held; prints each failed check.
"""

import json
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM, CLI = sys.argv[1], sys.argv[2]
FLOWS = sys.argv[3:] or ["all"]
TIMEOUT = float(os.environ.get("FLOW_TIMEOUT", "20"))
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, flush=True)
    return condition


# --- finding things -------------------------------------------------------

def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(acc, depth=0, shown_only=False):
    """The accessible and everything below it; with shown_only, the parts of
    the tree that are not on screen are skipped."""
    if acc is None or depth > 60:
        return
    if shown_only and depth > 1 and not showing(acc):
        return
    yield acc
    try:
        count = acc.childCount
    except Exception:
        return
    for k in range(count):
        try:
            child = acc.getChildAtIndex(k)
        except Exception:
            continue
        yield from walk(child, depth + 1, shown_only)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for k in range(desktop.childCount):
        app = desktop.getChildAtIndex(k)
        if app is not None and app.name in ("tirovane", "Tirovane"):
            return app
    return None


def wait_for(find, what, timeout=TIMEOUT):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    raise AssertionError("not found: " + what)


def find(role, name=None, description=None, within=None, visible=True):
    def look():
        root = within or application()
        for acc in walk(root, shown_only=visible):
            try:
                if acc.getRoleName() != role:
                    continue
                if name is not None and acc.name != name:
                    continue
                if description is not None and acc.description != description:
                    continue
                if visible and not showing(acc):
                    continue
                return acc
            except Exception:
                continue
        return None

    return wait_for(look, "%s %r %r" % (role, name, description))


def exists_now(role, name=None, description=None):
    root = application()
    for acc in walk(root, shown_only=True):
        try:
            if (acc.getRoleName() == role and (name is None or acc.name == name) and
                    (description is None or acc.description == description) and showing(acc)):
                return acc
        except Exception:
            continue
    return None


# --- doing things ---------------------------------------------------------

def press(acc):
    """Presses a button (or option, check box, tab) with a real mouse click."""
    click(acc)


def click(acc):
    """A real mouse click in the middle of the widget."""
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click",
                    "1"], check=False)
    time.sleep(0.2)


def type_text(acc, text):
    editable = acc.queryEditableText()
    editable.setTextContents(text)


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False)
    time.sleep(0.15)


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except Exception:
        return acc.name


def choose(description, entry):
    """Picks an entry of a list (a combo box known by its description) with
    the keyboard, as a user without a mouse does: Home, then Down."""
    box = find("combo box", description=description)
    entries = [box.getChildAtIndex(0).getChildAtIndex(k).name
               for k in range(box.getChildAtIndex(0).childCount)]
    if not check(entry in entries, "%s has an entry %r" % (description, entry)):
        return
    click(box)  # the list drops down
    key("Home")
    index = entries.index(entry)
    if index:
        subprocess.run(["xdotool", "key", "--delay", "4", "--repeat", str(index), "Down"])
    key("Return")
    end = time.time() + 5
    while box.name != entry and time.time() < end:
        time.sleep(0.05)
    check(box.name == entry, "%s shows %r (shows %r)" % (description, entry, box.name))


def menu_entry(*path):
    """Clicks the menu bar's entry and then each entry of the menus that drop
    down along `path`, with the mouse, as a user picks a menu command."""
    item = find("menu bar", within=active_frame())
    for caption in path:
        item = find("menu item", caption, within=item)
        click(item)
    time.sleep(0.3)


def active_frame():
    app = application()
    for k in range(app.childCount):
        window = app.getChildAtIndex(k)
        if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
            return window
    return find("frame")


def label(name_prefix, description=None, timeout=5):
    """The text of the shown label that starts with `name_prefix` (and has
    that description), or None when none comes within the time."""
    def look():
        for acc in walk(application(), shown_only=True):
            try:
                if (acc.getRoleName() == "label" and acc.name.startswith(name_prefix) and
                        (description is None or acc.description == description) and
                        showing(acc)):
                    return acc.name
            except Exception:
                continue
        return None
    try:
        return wait_for(look, "label " + name_prefix, timeout)
    except AssertionError:
        return None


def answer_dialog(button):
    dialog = find("dialog") if exists_now("dialog") else find("alert")
    press(find("push button", button, within=dialog))
    time.sleep(0.3)


# --- the program ----------------------------------------------------------

PEOPLE = [
    dict(Name="Asha", Day=15, Month=8, Year=1985, Hour=6, Minute=30, ZoneRow=34,
         LatitudeDegrees=28, LatitudeMinutes=36, South=False, LongitudeDegrees=77,
         LongitudeMinutes=12, East=True, DaylightSaving=False, City="New Delhi",
         State="Delhi", Country="India"),
    dict(Name="Ravi", Day=3, Month=2, Year=1983, Hour=22, Minute=10, ZoneRow=34,
         LatitudeDegrees=19, LatitudeMinutes=4, South=False, LongitudeDegrees=72,
         LongitudeMinutes=52, East=True, DaylightSaving=False, City="Mumbai",
         State="Maharashtra", Country="India"),
]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]


class Program:
    def __init__(self, home, arguments=(), ready="Next"):
        self.home = home
        env = dict(os.environ)
        env["HOME"] = home
        env["XDG_CONFIG_HOME"] = os.path.join(home, ".config")
        # The test presets point these at a shared folder; each flow keeps
        # its data (the people library) in its own home.
        env["XDG_DATA_HOME"] = os.path.join(home, ".local", "share")
        env["XDG_CACHE_HOME"] = os.path.join(home, ".cache")
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        # The update reminder ran today: no question at start.
        # A second start in the same home keeps what the first one stored.
        os.makedirs(os.path.join(home, ".config", "Tirovane"), exist_ok=True)
        settings = os.path.join(home, ".config", "Tirovane", "Tirovane.conf")
        if not os.path.exists(settings):
            with open(settings, "w") as f:
                f.write("[General]\nReminderDate=%s\n" % time.strftime("%Y-%m-%d"))
        wrapper = os.environ.get("FLOW_WRAPPER", "").split()
        self.process = subprocess.Popen(wrapper + [PROGRAM, *arguments], env=env)
        wait_for(lambda: exists_now("push button", ready), "the input form", timeout=120)

    def end(self):
        if self.process.poll() is None:
            self.process.terminate()
        try:
            return self.process.wait(timeout=120)
        except subprocess.TimeoutExpired:
            self.process.kill()
            return -9


def fill(person):
    type_text(find("text", "Name"), person["Name"])
    choose("Day of birth", str(person["Day"]))
    choose("Month of birth", MONTHS[person["Month"] - 1])
    choose("Year of birth", str(person["Year"]))
    choose("Hour of birth", str(person["Hour"]))
    choose("Minute of birth", str(person["Minute"]))
    type_text(find("text", "City"), person["City"])
    type_text(find("text", "State"), person["State"])
    type_text(find("text", "Country"), person["Country"])
    type_text(find("text", "Latitude degrees"), str(person["LatitudeDegrees"]))
    type_text(find("text", "Latitude minutes"), str(person["LatitudeMinutes"]))
    type_text(find("text", "Longitude degrees"), str(person["LongitudeDegrees"]))
    type_text(find("text", "Longitude minutes"), str(person["LongitudeMinutes"]))
    press(find("radio button", "South" if person["South"] else "North"))
    press(find("radio button", "East" if person["East"] else "West"))
    zones = find("combo box", description="Time Zone").getChildAtIndex(0)
    choose("Time Zone", zones.getChildAtIndex(person["ZoneRow"]).name)
    dst = find("check box", "Daylight Saving Time")
    if dst.getState().contains(pyatspi.STATE_CHECKED) != person["DaylightSaving"]:
        press(dst)


def expected_reading():
    lines = "\n".join(json.dumps(p) for p in PEOPLE) + "\n"
    out = subprocess.run([CLI, "reading"], input=lines, capture_output=True, text=True,
                         check=True).stdout
    return json.loads(out)


def do_reading():
    fill(PEOPLE[0])
    press(find("push button", "Next"))
    find("push button", "Get Manglik Matching Reading")
    fill(PEOPLE[1])
    press(find("push button", "Get Manglik Matching Reading"))
    find("page tab", "Your Details")


def check_result_labels(when):
    want = expected_reading()
    people = want["people"]
    # The first page: details, positions, Vedic values and the verdict lines.
    check(label("Name: Asha") is not None, when + ": the first person's name is shown")
    check(label(people[0]["ChartPositions"][4], "Mangala / Mars") is not None,
          when + ": Mars of the first person reads " + people[0]["ChartPositions"][4])
    check(label(people[0]["MoonNakshatra"], "Nakshatra") is not None,
          when + ": nakshatra " + people[0]["MoonNakshatra"])
    for k, line in enumerate(want["lblResult_Male"][:6]):
        described = "Ascendant (Lagna)" if k < 3 else "Moon Sign (Rashi)"
        check(label(line, described) is not None, "%s: result line %d %r" % (when, k, line))
    press(find("page tab", "Your Partner's Details"))
    time.sleep(0.3)
    check(label("Name: Ravi") is not None, when + ": the partner's name is shown")
    check(label(people[1]["ChartPositions"][4], "Mangala / Mars") is not None,
          when + ": Mars of the partner reads " + people[1]["ChartPositions"][4])
    press(find("page tab", "Manglik Matching"))
    time.sleep(0.3)
    for k in (2, 5):
        line = want["lblInterpretation"][k]
        check(label(line) is not None, "%s: match line %d %r" % (when, k, line))
    press(find("page tab", "Your Details"))


def frame_fits_the_screen(when, buttons=("Manglik Interpretation", "Effects & Remedies")):
    frame = active_frame()
    x, y, w, h = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    screen_w, screen_h = [int(v) for v in os.environ.get("FLOW_SCREEN", "1280x720").split("x")]
    check(x >= 0 and y >= 0 and x + w <= screen_w and y + h <= screen_h,
          "%s: the window %dx%d at %d,%d lies on the %dx%d screen" % (when, w, h, x, y, screen_w,
                                                                      screen_h))
    for button in buttons:
        b = find("push button", button)
        bx, by, bw, bh = b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        check(by + bh <= screen_h, "%s: %r is on the screen (bottom %d)" % (when, button, by + bh))


# --- the flows ------------------------------------------------------------

def flow_reading(home):
    program = Program(home)
    try:
        do_reading()
        check_result_labels("reading")
        frame_fits_the_screen("reading")
        # Effects & Remedies opens at its heading.
        press(find("push button", "Effects & Remedies"))
        text = find("text", within=find("panel", "Effects & Remedies"))
        check(text_of(text).startswith("Remedies for Manglik"), "effects start with their heading")
        press(find("push button", "Manglik Interpretation"))
    finally:
        check(program.end() == 0, "the program ends cleanly on SIGTERM after a reading")


def flow_moves(home):
    program = Program(home)
    try:
        do_reading()
        for entry in ("New", "Back"):
            menu_entry("File", entry)
            press(find("push button", "Get Manglik Matching Reading"))
            find("page tab", "Your Details")
            check_result_labels("after File > " + entry)
        press(find("push button", "Back"))
        # The Back button: the first person's frame, the lines reset.
        press(find("push button", "Next"))
        press(find("push button", "Get Manglik Matching Reading"))
        check_result_labels("after the Back button")
        # The toolbar's New, then the partner frame's own way back.
        press(find("push button", "New", within=find("tool bar")))
        press(find("push button", "Back", description="Back to your personal details"))
        find("push button", "Next")
        press(find("push button", "Next"))
        press(find("push button", "Get Manglik Matching Reading"))
        check_result_labels("after the toolbar's New")
    finally:
        check(program.end() == 0, "the program ends cleanly after the moves")


def flow_menus(home):
    opened = os.path.join(home, "opened.txt")
    program = Program(home)
    try:
        do_reading()
        for path, dialog_button in ((("File", "Save As"), "Cancel"),
                                    (("File", "Save As JPEG"), "Cancel"),
                                    (("File", "Export Report (PDF)\u2026"), "Cancel"),
                                    (("File", "Print"), None),
                                    (("Help", "About Software"), "OK")):
            menu_entry(*path)
            if dialog_button:
                answer_dialog(dialog_button)
            else:
                close_print_preview(" > ".join(path))
            check(exists_now("page tab", "Your Details") is not None,
                  "the result is still shown after %s" % " > ".join(path))
        menu_entry("View", "Toolbar")
        check(exists_now("tool bar") is None, "View > Toolbar hides the toolbar")
        menu_entry("View", "Toolbar")
        find("tool bar")
        for path in (("Help", "Online Help"), ("Help", "Visit Us Online"),
                     ("Help", "Check for Software Update")):
            menu_entry(*path)
        menu_entry("Donate")
        press(find("push button", "Save", within=find("tool bar")))
        answer_dialog("Cancel")
        press(find("push button", "Print", within=find("tool bar")))
        close_print_preview("the toolbar's Print")
        press(find("push button", "Help", within=find("tool bar")))
        time.sleep(1)
        with open(opened) as f:
            pages = [line.strip() for line in f if line.strip()]
        check(len(pages) == 5, "five pages were opened in the browser: %r" % pages)
        check(any(p.endswith("help.html") for p in pages), "the help page was opened")
        # File > Exit ends the program.
        menu_entry("File", "Exit")
        check(program.process.wait(timeout=60) == 0, "File > Exit ends the program with status 0")
    finally:
        program.end()


def print_preview():
    """The print preview's window ("Print Preview: " and the document's
    name), or None while none is shown."""
    app = application()
    for k in range(app.childCount):
        window = app.getChildAtIndex(k)
        try:
            if (window.getRoleName() == "dialog" and window.name.startswith("Print Preview") and
                    showing(window)):
                return window
        except Exception:
            continue
    return None


def close_print_preview(what):
    """Print shows the report's pages in a preview; Escape closes it
    without printing."""
    try:
        wait_for(print_preview, "the print preview")
    except AssertionError:
        check(False, what + " shows the print preview")
        return
    key("Escape")
    end = time.time() + TIMEOUT
    while print_preview() is not None and time.time() < end:
        time.sleep(0.1)
    check(print_preview() is None, what + ": the preview closes")


def export_report(home):
    """File > Export Report (PDF)..., the file dialog answered: the report
    holds both people and the match, as text a PDF reader finds."""
    report = os.path.join(home, "pair.pdf")
    menu_entry("File", "Export Report (PDF)\u2026")
    save_dialog(report)
    end = time.time() + TIMEOUT
    while not os.path.exists(report) and time.time() < end:
        time.sleep(0.1)
    if not check(os.path.exists(report), "the report was written"):
        return
    text = " ".join(subprocess.run(["pdftotext", report, "-"], capture_output=True, text=True,
                                   check=False).stdout.split())
    for expected in ("Name: Asha", "Name: Ravi", "36-Point Match", "Remedies for Manglik"):
        check(expected in text, "the report holds %r" % expected)


def save_dialog(path):
    dialog = find("dialog")
    name = find("text", within=dialog)
    type_text(name, path)
    key("Return")
    time.sleep(0.5)


def flow_files(home):
    reading = os.path.join(home, "pair.tvr")
    picture = os.path.join(home, "pair.jpg")
    keep = os.path.join(home, "pair.bmp")
    with open(keep, "wb") as f:
        f.write(b"a user's own picture")
    program = Program(home)
    try:
        do_reading()
        menu_entry("File", "Save As")
        save_dialog(reading)
        check(os.path.getsize(reading) > 0 if os.path.exists(reading) else False,
              "the reading was saved")
        menu_entry("File", "Save As JPEG")
        save_dialog(picture)
        check(os.path.exists(picture) and open(picture, "rb").read(2) == b"\xff\xd8",
              "the picture was saved as a JPEG")
        check(open(keep, "rb").read() == b"a user's own picture", "the user's BMP is untouched")
        export_report(home)
        menu_entry("File", "New")
        press(find("push button", "Back", description="Back to your personal details"))
        type_text(find("text", "Name"), "Someone")
        press(find("push button", "Open Previously Saved Reading"))
        dialog = find("dialog")
        type_text(find("text", within=dialog), reading)
        key("Return")
        find("page tab", "Your Details")
        check_result_labels("after opening the saved reading")
    finally:
        check(program.end() == 0, "the program ends cleanly after the files")


SIGNS = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
         "Sagittarius", "Capricorn", "Aquarius", "Pisces"]


def ascendant_sign(person):
    """The sign index of a person's ascendant, from the chart form of its
    position ("DD Abc MM") in the command-line reading."""
    abbreviation = person["ChartPositions"][9].split()[1]
    return [s[:3] for s in SIGNS].index(abbreviation)


def flow_charts(home):
    want = expected_reading()["people"]
    program = Program(home)
    try:
        do_reading()
        first = ascendant_sign(want[0])
        south = "Sign %d, %s" % (first + 1, SIGNS[first])
        check(label("Asc", south) is not None, "the South Indian cell of %s holds Asc" % SIGNS[first])
        menu_entry("View", "Chart Style", "North Indian")
        north = "House 1, sign %d, %s" % (first + 1, SIGNS[first])
        check(label("Asc", north) is not None, "the North Indian first house is %s" % SIGNS[first])
        check(label("Asc", south, timeout=1) is None, "the South Indian chart is put away")
        press(find("page tab", "Your Partner's Details"))
        partner = ascendant_sign(want[1])
        check(label("Asc", "House 1, sign %d, %s" % (partner + 1, SIGNS[partner])) is not None,
              "the partner's first house is %s" % SIGNS[partner])
        press(find("page tab", "Your Details"))
        frame_fits_the_screen("North Indian charts")
        menu_entry("File", "Exit")
        check(program.process.wait(timeout=60) == 0, "File > Exit ends the program")
    finally:
        program.end()
    # The next start draws the diamond again, until South Indian is chosen.
    program = Program(home)
    try:
        do_reading()
        check(label("Asc", north) is not None, "the North Indian style is remembered")
        menu_entry("View", "Chart Style", "South Indian")
        check(label("Asc", south) is not None, "South Indian brings the square back")
    finally:
        check(program.end() == 0, "the program ends cleanly after the charts")


def flow_matching(home):
    """She types her details first and says she is female; the tables count
    her partner as the groom, as the command-line tool does. Then View >
    Matching, and the whole match page in Hindi and back."""
    program = Program(home)
    try:
        fill(PEOPLE[0])
        choose("Sex", "Female")
        press(find("push button", "Next"))
        fill(PEOPLE[1])
        press(find("push button", "Get Manglik Matching Reading"))
        press(find("page tab", "Manglik Matching"))
        her = dict(PEOPLE[0], Sex="female")
        lines = json.dumps(her) + "\n" + json.dumps(PEOPLE[1]) + "\n"
        want = json.loads(subprocess.run([CLI, "reading"], input=lines, capture_output=True,
                                         text=True, check=True).stdout)
        check(want["Groom"] == 1, "the CLI counts the partner as the groom")
        total = "%g" % want["Ashtakoota"]["Total"]
        check(label(total, "Total points") == total, "the 36-point total is the CLI's: " + total)
        verdict = "Verdict: " + want["Porutham"]["Verdict"]
        check(label(verdict, "Porutham verdict") is not None,
              "the porutham verdict is the CLI's: " + verdict)
        rajju = want["Porutham"]["Rajju"]["Reason"]
        check(label(rajju, "Rajju Reason") is not None, "Rajju's reason is shown: " + rajju)
        check(label("Points are counted with the partner on the groom's side") is not None,
              "the sentence under the tables names the partner as the groom")

        menu_entry("View", "Matching", "Ten Poruthams")
        check(exists_now("panel", "36-Point Match") is None,
              "View > Matching > Ten Poruthams hides the 36 points")
        find("panel", "Ten Poruthams")
        menu_entry("View", "Matching", "Both")
        find("panel", "36-Point Match")
        frame_fits_the_screen("the match page", buttons=())

        # The match page in Hindi, rebuilt from the reading, then English.
        menu_entry("View", "Language", "\u0939\u093F\u0928\u094D\u0926\u0940")
        find("panel", "\u0926\u0938 \u092A\u094B\u0930\u0941\u0924\u094D\u0924\u092E")
        check(label("\u0928\u093F\u0930\u094D\u0923\u092F:") is not None,
              "the porutham verdict reads in Hindi")
        menu_entry("\u0926\u0943\u0936\u094D\u092F (V)", "\u092D\u093E\u0937\u093E (L)",
                   "English")
        check(label(verdict) is not None, "back in English the verdict reads as before")
    finally:
        check(program.end() == 0, "the program ends cleanly after the matching flow")


DASHA_HINDI = {"Ketu": "\u0915\u0947\u0924\u0941", "Venus": "\u0936\u0941\u0915\u094D\u0930",
               "Sun": "\u0938\u0942\u0930\u094D\u092F", "Moon": "\u091A\u0928\u094D\u0926\u094D\u0930",
               "Mars": "\u092E\u0902\u0917\u0932", "Rahu": "\u0930\u093E\u0939\u0941",
               "Jupiter": "\u0917\u0941\u0930\u0941", "Saturn": "\u0936\u0928\u093F",
               "Mercury": "\u092C\u0941\u0927"}


def flow_kundli(home):
    """The Navamsa chart from the menu and from the switch under the chart,
    then the Dasha tab: the balance at birth and the periods as the
    command-line tool gives them, in English and in Hindi."""
    want = expected_reading()["people"]
    program = Program(home)
    try:
        do_reading()
        rashi = ascendant_sign(want[0])
        navamsa = want[0]["NavamsaSigns"][9]
        menu_entry("View", "Divisional Charts", "Navamsa")
        check(label("Asc", "Sign %d, %s" % (navamsa + 1, SIGNS[navamsa])) is not None,
              "View > Divisional Charts > Navamsa puts Asc in %s" % SIGNS[navamsa])
        if navamsa != rashi:
            check(label("Asc", "Sign %d, %s" % (rashi + 1, SIGNS[rashi]), timeout=1) is None,
                  "the Rashi chart is put away")
        press(find("radio button", "Rashi"))
        check(label("Asc", "Sign %d, %s" % (rashi + 1, SIGNS[rashi])) is not None,
              "the switch under the chart brings the Rashi chart back")
        press(find("radio button", "Navamsa"))
        check(label("Asc", "Sign %d, %s" % (navamsa + 1, SIGNS[navamsa])) is not None,
              "the switch under the chart shows the Navamsa again")

        press(find("page tab", "Dasha"))
        for person in want:
            dasha = person["Dasha"]
            years = int(dasha["BalanceYears"])
            start = "%s dasha: %d year%s " % (dasha["Lord"], years, "" if years == 1 else "s")
            check(label(start) is not None, "the balance reads %r..." % start)
        find("tree", "Vimshottari dasha periods")
        find("image", "Mahadashas of both people by age")
        check(label("Dates and ages count a year as 365.25 days") is not None,
              "the year length is stated")
        frame_fits_the_screen("the Dasha page", buttons=())

        menu_entry("View", "Language", "\u0939\u093F\u0928\u094D\u0926\u0940")
        lord = DASHA_HINDI[want[0]["Dasha"]["Lord"]]
        check(label(lord + " \u0926\u0936\u093E:") is not None,
              "the balance reads in Hindi: " + lord)
        menu_entry("\u0926\u0943\u0936\u094D\u092F (V)", "\u092D\u093E\u0937\u093E (L)",
                   "English")
        check(label(want[0]["Dasha"]["Lord"] + " dasha: ") is not None,
              "back in English the balance reads as before")
    finally:
        check(program.end() == 0, "the program ends cleanly after the kundli flow")


def flow_people(home):
    """The people library through the windows: both people added from the
    form, found by a search, one ranked against the other, and the pair's
    reading opened from the ranking with the keyboard."""
    program = Program(home)
    try:
        fill(PEOPLE[0])
        press(find("push button", "Next"))
        find("push button", "Get Manglik Matching Reading")
        fill(PEOPLE[1])
        menu_entry("File", "People\u2026")
        press(find("push button", "Add Your Details"))
        press(find("push button", "Add Your Partner's Details"))
        check(label("People shown: 2") is not None, "both people are kept in the library")
        check(os.path.exists(os.path.join(home, ".local", "share", "Tirovane", "people.sqlite")),
              "the library is in the data folder")
        search = find("text", "Search")
        type_text(search, "RAVI")
        check(label("People shown: 1") is not None, "the search finds Ravi alone")
        type_text(search, "")
        check(label("People shown: 2") is not None, "an empty search shows everyone")
        press(find("push button", "Match Against All\u2026"))
        check(label("Candidates shown: 1 of 1") is not None, "Ravi is ranked against Asha")
        table = find("table", "Candidates, best first")
        cell = wait_for(lambda: next((c for c in walk(table, shown_only=True)
                                      if c.getRoleName() == "table cell" and c.name == "Ravi"),
                                     None), "Ravi's row")
        click(cell)
        key("Return")
        find("page tab", "Your Partner's Details")
        press(find("page tab", "Your Partner's Details"))
        check(label("Name: Ravi") is not None, "the pair's reading shows Ravi as the partner")
    finally:
        check(program.end() == 0, "the program ends cleanly after the people flow")


# Every shipped Indian language with its name in its own script, as the
# Language menu lists it.
LANGUAGES = [("hi", "\u0939\u093F\u0928\u094D\u0926\u0940"), ("mr", "\u092E\u0930\u093E\u0920\u0940"),
             ("bn", "\u09AC\u09BE\u0982\u09B2\u09BE"), ("ta", "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD"),
             ("te", "\u0C24\u0C46\u0C32\u0C41\u0C17\u0C41"), ("kn", "\u0C95\u0CA8\u0CCD\u0CA8\u0CA1"),
             ("ml", "\u0D2E\u0D32\u0D2F\u0D3E\u0D33\u0D02")]


def translation(code, context, source):
    """A caption as the translator wrote it in i18n/, read out the way a
    screen reader gets it (the accelerator's "&" dropped)."""
    import xml.etree.ElementTree as ET
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
    ts = ET.parse(os.path.join(root, "i18n", "tirovane_%s.ts" % code)).getroot()
    for ctx in ts.findall("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.findall("message"):
            if message.findtext("source") == source:
                return message.findtext("translation").replace("&&", "\0").replace(
                    "&", "").replace("\0", "&")
    raise AssertionError("no translation of %r in %s" % (source, code))


def flow_languages(home):
    """Each language picked from the input form's Language menu, by its name
    in its own script: the form's captions follow at once; back to English
    at the end; then a start in Tamil from the command line."""
    program = Program(home)
    try:
        menu = "Language"
        for code, native in LANGUAGES:
            menu_entry(menu, native)
            next_caption = translation(code, "InputForm", "&Next")
            check(wait_for(lambda: exists_now("push button", next_caption),
                           "the Next button in " + code, timeout=10),
                  "the Next button reads %r in %s" % (next_caption, code))
            menu = translation(code, "InputForm", "&Language")
        menu_entry(menu, "English")
        find("push button", "Next")
    finally:
        check(program.end() == 0, "the program ends cleanly after the language flow")
    program = Program(home, ["--language", "ta"], ready=translation("ta", "InputForm", "&Next"))
    try:
        check(exists_now("push button", translation("ta", "InputForm", "&Next")),
              "tirovane --language ta starts in Tamil")
    finally:
        check(program.end() == 0, "the program ends cleanly after a start in Tamil")


def main():
    flows = {"reading": flow_reading, "moves": flow_moves, "menus": flow_menus,
             "files": flow_files, "charts": flow_charts, "matching": flow_matching,
             "kundli": flow_kundli, "people": flow_people,
             "languages": flow_languages}
    chosen = list(flows) if "all" in FLOWS else FLOWS
    for name in chosen:
        home = tempfile.mkdtemp(prefix="tirovane-flow-")
        print("== flow", name, flush=True)
        try:
            flows[name](home)
        except Exception as error:  # a widget never came: the flow stops here
            import traceback
            traceback.print_exc()
            check(False, "%s: %r" % (name, error))
    print("flows: %d checks failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
