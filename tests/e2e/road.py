#!/usr/bin/python3
"""The road through the game in a real window: the built game started from its
working folder with a fresh save folder, on an X server of its own with a
window manager, played only through real X input events, from the title to
the confirmed quit. After each step it checks what the player's files must
hold and keeps a picture of the screen; a screen that does not come in time
fails the run.

    road.py GAME RUN_FOLDER SOURCE_FOLDER OUTPUT_FOLDER

Exit status 0 passed, 1 failed, 77 when no X server can be started here.
Pictures, a contact sheet and the game's output go to OUTPUT_FOLDER."""

import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True   # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen  # noqa: E402
from game_source import SourceFacts  # noqa: E402

SKIPPED = 77
PLAYER_NAME = "Coral"
ROAD_LIMIT = 280        # seconds; the whole road fails past it, before ctest's own limit
TOOLS = ["xdotool", "openbox", "xprop", "xwininfo", "xmessage"]

# Parts of the logical screen (x0, y0, x1, y1) where a step looks for its
# screen to change: rough extents of pictures, not places the player clicks,
# so they need not follow the art to the pixel.
WHOLE = (0, 0, 1024, 768)
SMALL_POPUP = (322, 180, 702, 540)      # the small dialogs around (512, 369)
BIG_POPUP = (272, 130, 752, 640)        # help pages, options, results
BIG_POPUP_EDGE = (70, 300, 110, 500)    # the help's frame, the same on every page
BOTTOM_RIGHT = (870, 716, 1004, 766)    # the menu's quit button
TITLE_BAR = (364, 700, 660, 768)        # the title's loading bar slides up here
ABOVE_BAR = (0, 0, 1024, 640)


class StepFailed(Exception):
    pass


class Road:
    def __init__(self, game, run_folder, facts, x_server, output, home):
        self.game, self.run_folder, self.facts = game, run_folder, facts
        self.x, self.output, self.home = x_server, output, home
        self.pictures, self.names = [], []
        self.window = None
        self.process = None
        self.music_wanted = None
        self.started = time.time()
        self.save_folder = os.path.join(home, "share", facts.save_folder_below_base())
        self.env = dict(x_server.env, HOME=home, XDG_DATA_HOME=os.path.join(home, "share"),
                        XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                        XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)

    # ---- what the player does

    def note(self, text):
        print("%6.1f s  %s" % (time.time() - self.started, text), flush=True)

    def find_window(self, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.process and self.process.poll() is not None:
                raise StepFailed("the game ended (exit %s)" % self.process.returncode)
            ids = self.x.xdotool("search", "--onlyvisible", "--name", "^Glimmerdeep$").split()
            if ids:
                info = subprocess.run(["xwininfo", "-id", ids[-1]], env=self.env, capture_output=True,
                                      text=True).stdout
                fields = {}
                for line in info.splitlines():
                    if ":" in line:
                        key, _, value = line.strip().partition(":")
                        fields[key] = value.strip()
                try:
                    self.window = (ids[-1], int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                                   int(fields["Width"]), int(fields["Height"]))
                    if self.window[3] > 1 and self.window[4] > 1:
                        return self.window
                except (KeyError, ValueError):
                    pass
            time.sleep(0.2)
        raise StepFailed("no game window came")

    def to_screen(self, x, y):
        """A logical point where the game shows it: the 1024 x 768 picture is
        letterboxed into the window."""
        _, wx, wy, ww, wh = self.window
        scale = min(ww / 1024.0, wh / 768.0)
        ox, oy = (ww - 1024 * scale) / 2, (wh - 768 * scale) / 2
        return int(round(wx + ox + x * scale)), int(round(wy + oy + y * scale))

    def to_screen_box(self, box):
        x0, y0 = self.to_screen(box[0], box[1])
        x1, y1 = self.to_screen(box[2], box[3])
        return max(x0, 0), max(y0, 0), min(x1, screen.SCREEN_W), min(y1, screen.SCREEN_H)

    def click(self, point):
        sx, sy = self.to_screen(*point)
        self.x.xdotool("mousemove", sx, sy)
        time.sleep(0.1)
        self.x.xdotool("click", 1)

    def drag(self, start, end):
        self.x.xdotool("mousemove", *self.to_screen(*start))
        time.sleep(0.15)
        self.x.xdotool("mousedown", 1)
        time.sleep(0.3)
        for i in range(1, 6):
            px = start[0] + (end[0] - start[0]) * i // 5
            py = start[1] + (end[1] - start[1]) * i // 5
            self.x.xdotool("mousemove", *self.to_screen(px, py))
            time.sleep(0.1)
        time.sleep(0.3)
        self.x.xdotool("mouseup", 1)
        # The knob follows the pointer until a frame sees the button up.
        time.sleep(0.4)

    def hold_key(self, key, seconds=0.3):
        # The game reads whether a key is down once a frame: a key goes down
        # and up over several frames, as a player's finger does.
        self.x.xdotool("keydown", key)
        time.sleep(seconds)
        self.x.xdotool("keyup", key)

    # ---- what the screen shows

    def grab(self):
        return self.x.grab()

    def changed(self, a, b, box):
        return screen.changed_fraction(a, b, self.to_screen_box(box))

    def wait_for(self, what, test, timeout, required=True):
        deadline = min(time.time() + timeout, self.started + ROAD_LIMIT)
        while time.time() < deadline:
            if self.process and self.process.poll() is not None:
                raise StepFailed("%s: the game ended (exit %s)" % (what, self.process.returncode))
            picture = self.grab()
            if test(picture):
                return picture
            time.sleep(0.2)
        if not required:
            return None
        self.keep("timeout")
        raise StepFailed("%s did not come within %d s" % (what, timeout))

    def wait_change(self, what, reference, box, fraction=0.3, timeout=15, required=True):
        return self.wait_for(what, lambda p: self.changed(reference, p, box) >= fraction, timeout, required)

    def settle(self, box=WHOLE, timeout=6):
        """Waits out a fade: until the screen is lit and two grabs in a row
        hardly differ (the ambient glows and fish never stop, so this is a
        waiting, not a check)."""
        deadline = time.time() + timeout
        last = self.grab()
        calm = 0
        while time.time() < deadline and calm < 2:
            time.sleep(0.15)
            now = self.grab()
            # A fade moves the brightness of the whole screen; the rest moves
            # single pixels.
            whole = self.to_screen_box(WHOLE)
            still = self.changed(last, now, box) < 0.02
            steady = abs(screen.brightness(now, whole) - screen.brightness(last, whole)) < 0.8
            lit = screen.lit_fraction(now, whole) > 0.5
            calm = calm + 1 if still and steady and lit else 0
            last = now
        return last

    def keep(self, name):
        picture = self.grab()
        number = len(self.pictures) + 1
        screen.write_png(os.path.join(self.output, "%02d-%s.png" % (number, name)), picture.width, picture.height,
                         picture.rgb())
        self.pictures.append(picture)
        self.names.append(name)
        self.note("%02d %s" % (number, name))
        return picture

    # ---- what the player's files hold

    def save_file(self, name):
        path = os.path.join(self.save_folder, name)
        try:
            with open(path, "rb") as f:
                return f.read()
        except OSError:
            return None

    def settings(self):
        data = self.save_file("settings.txt")
        if data is None:
            return None
        values = [int(line) for line in data.decode("latin-1").split("\r\n") if line.strip()]
        return dict(zip(self.facts.settings_lines(), values))

    def profile(self, slot=1):
        data = self.save_file("players%d.ppp" % slot)
        if data is None:
            return None
        offsets, length_at, name_at = self.facts.profile_layout()
        if len(data) < name_at:
            return None
        fields = {name: struct.unpack_from("<i", data, at)[0] for name, at in offsets.items()}
        length = struct.unpack_from("<i", data, length_at)[0]
        fields["playerName"] = data[name_at:name_at + length].decode("latin-1")
        return fields

    def best_time(self, position):
        data = self.save_file("besttimes.ppp")
        record, name_bytes = self.facts.best_time_record()
        if data is None or len(data) < position * record:
            return None
        at = (position - 1) * record
        seconds = struct.unpack_from("<i", data, at)[0]
        return seconds, data[at + 4:at + 4 + name_bytes].decode("latin-1").strip()

    def expect_files(self, what, test, timeout=5):
        deadline = time.time() + timeout
        while True:
            got = test()
            if got is True:
                return
            if time.time() > deadline:
                raise StepFailed("%s: %s" % (what, got))
            time.sleep(0.1)

    def profile_holds(self, **wanted):
        def test():
            p = self.profile()
            if p is None:
                return "no whole profile players1.ppp"
            for key, value in wanted.items():
                if p.get(key) != value:
                    return "profile %s is %r, not %r" % (key, p.get(key), value)
            return True
        return test

    def settings_hold(self, **wanted):
        def test():
            s = self.settings()
            if s is None:
                return "no settings.txt"
            for key, value in wanted.items():
                if s.get(key) != value:
                    return "settings %s is %r, not %r" % (key, s.get(key), value)
            return True
        return test

    # ---- the places of the game's controls, from its own source

    def control(self, path, function, caption):
        return self.facts.control(path, function, caption)

    # ---- the steps

    def start_game(self, log):
        self.process = self.x.launch([self.game], self.run_folder, self.env, log)
        self.find_window()
        self.x.xdotool("windowactivate", "--sync", self.window[0])

    def splash_and_title(self):
        self.wait_for("the first picture", lambda p: screen.lit_fraction(p, self.to_screen_box(WHOLE)) > 0.5, 20)
        self.keep("first-picture")
        # Splash pages, if any, give way to the title, whose loading bar then
        # rises from below the screen while the rest of the picture stays.
        seen = [self.settle()]

        def bar_rising(picture):
            if self.changed(seen[0], picture, ABOVE_BAR) > 0.3:
                seen[0] = self.settle()
                return False
            return self.changed(seen[0], picture, TITLE_BAR) > 0.25

        self.wait_for("the title's loading bar", bar_rising, 40)
        self.keep("title")

    def developer_mode(self):
        self.hold_key("F3", 0.8)

    def menu(self, title):
        self.wait_change("the main menu", title, BOTTOM_RIGHT, 0.3, 30)
        # The menu's frame and play button fade in over about a second.
        time.sleep(1.0)
        self.settle()
        self.keep("menu")
        self.expect_files("first run", self.settings_hold(currentPlayer=-1))

    def new_player(self):
        before = self.settle()
        self.click(self.control("menus/menu.cpp", "RunMainMenu", "menuPlay"))
        self.wait_change("the new player's dialog", before, SMALL_POPUP, 0.3)
        self.settle(SMALL_POPUP)
        self.x.xdotool("type", "--delay", 120, PLAYER_NAME)
        time.sleep(0.3)
        typed = self.keep("name-typed")
        self.click(self.control("menus/player_dialogs.cpp", "DrawNewPlayerDialog", "ok"))
        self.wait_change("the menu after the name", typed, SMALL_POPUP, 0.3)
        self.settle()
        self.keep("player-created")
        self.expect_files("the new player", self.profile_holds(playerName=PLAYER_NAME, playerProgress=0))
        self.expect_files("the new player", self.settings_hold(currentPlayer=1))

    def opening_story(self):
        before = self.settle()
        self.click(self.control("menus/menu.cpp", "RunMainMenu", "menuPlay"))
        story = self.wait_change("the opening story", before, BOTTOM_RIGHT, 0.3)
        story = self.settle()
        self.keep("opening-story")
        self.skip_opening_story(story)

    def skip_opening_story(self, story):
        """From the opening story to the first position: the skip button cuts
        each of its pages short, and the end of the last one starts the game."""
        skip = self.control("map/story.cpp", "RunStoryButtons", "storySkip")
        # Each click cuts one page short: its last 20 frames fade to the next
        # page. Clicks in those frames are ignored, so the next click waits
        # well past them; a page whose click was lost still ends by itself.
        for n in range(1, 5):
            self.click(skip)
            time.sleep(2.5)
            self.keep("story-after-skip-%d" % n)
        self.wait_change("the first position", story, WHOLE, 0.4, 60)

    def level_comes(self, name, help_expected):
        level = self.settle()
        self.keep(name)
        if help_expected:
            self.close_level_help(level)
        return level

    def close_level_help(self, level):
        """The first levels open their help by themselves; OK turns a page or
        closes it, until the level shows again."""
        # It may already be open when the level has settled.
        self.wait_change("the level's help", level, BIG_POPUP, 0.3, 10, required=False)
        shown = self.settle(BIG_POPUP)
        self.keep("level-help")
        ok = self.control("menus/help_pages.cpp", "DrawHelpPages", "ok")
        for _ in range(3):
            self.click(ok)
            self.wait_change("the help's next page or the level", shown, BIG_POPUP, 0.05, 10)
            after = self.settle(BIG_POPUP)
            if self.changed(shown, after, BIG_POPUP_EDGE) > 0.3:
                return after
            shown = after
        raise StepFailed("the level's help did not close")

    def win_with_developer_key(self, position):
        before = self.settle()
        # The developer's win key: F3 in a level, once developer mode is on.
        self.hold_key("F3")
        self.wait_change("the results of position %d" % position, before, BIG_POPUP, 0.3, 10)
        self.expect_files("the best time of position %d" % position,
                          lambda: (lambda t: True if t and t[0] >= 0 and t[1] == PLAYER_NAME else
                                   "besttimes.ppp holds %r" % (t,))(self.best_time(position)), 10)
        # The continue button comes when the lines are paid: a light button
        # on the dark panel, where only a spark of the fireworks could be.
        button = self.control("match3/level_end.cpp", "RunContinueButton", "ok")
        box = self.to_screen_box((button[0] - 40, button[1] - 12, button[0] + 40, button[1] + 12))
        self.wait_for("the results' continue button", lambda p: screen.lit_fraction(p, box, 110, (1,)) > 0.4, 20)
        results = self.settle()
        self.keep("results")
        self.click(button)
        return results

    def next_level(self, results, position):
        self.wait_change("position %d" % position, results, WHOLE, 0.4, 25)
        self.expect_files("position %d unlocked" % position,
                          self.profile_holds(playerUnlocked=position, playerProgress=position))
        return self.level_comes("next-level", True)

    def buttons_shown(self, picture, points):
        """Every one of these buttons drawn at its place: light buttons where
        the screen behind them is not all that light."""
        for x, y in points:
            box = self.to_screen_box((x - 40, y - 10, x + 40, y + 10))
            if screen.lit_fraction(picture, box, 110, (1,)) < 0.4:
                return False
        return True

    def open_game_menu(self):
        """Escape opens the in-game menu once the level has begun."""
        places = [self.control("menus/dialogs.cpp", "DrawGameMenu", caption)
                  for caption in ("igmMap", "igmMainMenu", "igmResume", "igmHelp")]
        before = self.settle()
        for _ in range(8):
            self.hold_key("Escape")
            shown = self.wait_for("the game menu", lambda p: self.changed(before, p, SMALL_POPUP) > 0.3 and
                                  self.buttons_shown(p, places), 2, required=False)
            if shown:
                break
        else:
            raise StepFailed("the game menu did not open")
        menu = self.settle(SMALL_POPUP)
        self.keep("game-menu")
        return menu

    def to_map(self, menu):
        self.click(self.control("menus/dialogs.cpp", "DrawGameMenu", "igmMap"))
        self.wait_change("the stage map", menu, WHOLE, 0.4)
        stage_map = self.settle()
        self.keep("stage-map")
        # Leaving through the menu keeps the level in progress.
        self.expect_files("the level kept on the way to the map", self.profile_holds(savedLevelFlag=1,
                                                                                     playerProgress=2))
        return stage_map

    def start_map_position(self, stage_map, stage, index):
        """From the stage map into a position: a click on the stage's sign
        opens its popup, a click on the position's icon there starts it."""
        sign, icon = self.facts.map_places(stage, index)
        self.click(sign)
        self.wait_change("the popup of stage %d" % stage, stage_map, BIG_POPUP, 0.2)
        popup = self.settle(BIG_POPUP)
        self.keep("stage-popup")
        self.click(icon)
        self.wait_change("position %d of stage %d from the map" % (index, stage), popup, WHOLE, 0.4)
        level = self.settle()
        self.keep("position-from-map")
        # The help of the first levels may open again; it is closed like before.
        if self.wait_change("the level's help", level, BIG_POPUP, 0.3, 6, required=False) is None:
            return level
        self.close_level_help(level)
        return self.settle()

    def focus_lost_and_regained(self):
        playing = self.settle()
        settings = os.path.join(self.save_folder, "settings.txt")
        written = os.stat(settings).st_mtime_ns
        # Another application takes the focus; the game pauses and steps aside.
        other = self.x.launch(["xmessage", "-geometry", "+60+60", "Another application"], self.home, self.env,
                              subprocess.DEVNULL)
        ids = ""
        deadline = time.time() + 10
        while not ids and time.time() < deadline:
            ids = self.x.xdotool("search", "--onlyvisible", "--name", "^xmessage$")
            time.sleep(0.1)
        if not ids:
            raise StepFailed("the other application's window did not come")
        self.x.xdotool("windowactivate", ids.split()[-1])
        self.expect_files("the settings saved when the focus went",
                          lambda: os.stat(settings).st_mtime_ns != written or "settings.txt not written", 10)
        self.wait_change("the game stepping aside", playing, WHOLE, 0.3, 10)
        lost = self.keep("focus-lost")
        # The player comes back to the game's (minimised) window.
        self.x.xdotool("windowactivate", self.window[0])
        other.terminate()
        other.wait()
        whole = self.to_screen_box(WHOLE)
        self.wait_for("the game's window again", lambda p: screen.lit_fraction(p, whole) > 0.5 and
                      self.changed(lost, p, WHOLE) > 0.3, 10)
        self.wait_for("the focus back in the game", lambda p: self.x.xdotool("getwindowfocus") == self.window[0], 10)
        self.find_window()
        paused = self.settle()
        self.keep("paused")
        # A click anywhere lifts the overlay.
        self.click((512, 600))
        self.wait_change("the level after the pause", paused, BIG_POPUP, 0.3, 10)
        self.settle()
        self.keep("playing-again")

    def change_options(self):
        menu = self.open_game_menu()
        source = "menus/options_dialog.cpp"
        self.click(self.control("menus/dialogs.cpp", "DrawGameMenu", "menuOptions"))
        self.wait_change("the options", menu, BIG_POPUP, 0.2)
        options = self.settle(BIG_POPUP)
        # The music knob moves one pixel per volume step from the slider's left end.
        left = self.facts.evaluate("SLIDER_LEFT", self.facts.constants(source))
        track_y = self.facts.slider_track(source, "DrawOptionsDialog", "optMusic")
        volume = self.settings()["musicVolume"]
        wanted = self.music_wanted = volume // 2
        self.drag((left + volume, track_y), (left + wanted, track_y))
        self.click(self.control(source, "DrawOptionsDialog", "optPointer"))
        time.sleep(0.4)
        self.keep("options-changed")
        # Full screen off: the game reopens its display as a window and waits
        # for a click before it goes on.
        self.click(self.control(source, "DrawOptionsDialog", "optFull"))
        self.wait_for("the game's window", lambda p: self.find_window()[3] < screen.SCREEN_W, 15)
        time.sleep(0.5)
        windowed = self.settle()
        self.keep("windowed")
        self.click((512, 680))
        time.sleep(0.5)
        self.click(self.control(source, "DrawOptionsDialog", "ok"))
        self.wait_change("the level after the options", windowed, BIG_POPUP, 0.2)
        self.expect_files("the changed options",
                          self.settings_hold(musicVolume=wanted, customPointer=-1, fullScreen=0))
        del options

    def to_main_menu(self):
        menu = self.open_game_menu()
        self.click(self.control("menus/dialogs.cpp", "DrawGameMenu", "igmMainMenu"))
        self.wait_change("the main menu", menu, BOTTOM_RIGHT, 0.3)
        self.keep("main-menu")

    def quit(self):
        before = self.settle()
        self.click(self.control("menus/menu.cpp", "DrawBottomRow", "menuQuit"))
        self.wait_change("the quit dialog", before, SMALL_POPUP, 0.3)
        self.settle(SMALL_POPUP)
        self.keep("quit-dialog")
        self.click(self.control("menus/dialogs.cpp", "DrawQuitDialog", "ok"))
        try:
            code = self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise StepFailed("the game did not end after the quit was confirmed")
        if code != 0:
            raise StepFailed("the game ended with exit status %d" % code)
        self.note("the game ended")

    def walk(self, log):
        self.start_game(log)
        self.splash_and_title()
        title = self.grab()
        self.developer_mode()
        self.menu(title)
        self.new_player()
        self.opening_story()
        self.level_comes("first-position", True)
        results = self.win_with_developer_key(1)
        self.next_level(results, 2)
        menu = self.open_game_menu()
        stage_map = self.to_map(menu)
        self.start_map_position(stage_map, 1, 2)   # position 2, the second of stage 1
        self.focus_lost_and_regained()
        self.change_options()
        self.to_main_menu()
        self.quit()
        self.expect_files("the files at the end", self.profile_holds(playerName=PLAYER_NAME, playerUnlocked=2))
        self.expect_files("the files at the end", self.settings_hold(currentPlayer=1, musicVolume=self.music_wanted,
                                                                     customPointer=-1, fullScreen=0))
        left = [n for n in os.listdir(self.save_folder) if n.endswith(".saving") or ".broken" in n]
        if left:
            raise StepFailed("save folder holds %s" % left)


def main(argv):
    if len(argv) != 5:
        print(__doc__)
        return 2
    game, run_folder, source, output = (os.path.abspath(a) for a in argv[1:])
    facts = SourceFacts(source)
    if os.path.isdir(output):
        shutil.rmtree(output)
    os.makedirs(output)
    # A stop from outside (ctest's time limit) still cleans up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    home = tempfile.mkdtemp(prefix="glimmerdeep-road-")
    x_server = screen.XServer(home)
    road = None
    try:
        try:
            x_server.start()
        except screen.NoXServer as error:
            print("skipped: %s" % error)
            return SKIPPED
        missing = [tool for tool in TOOLS if not shutil.which(tool)]
        if missing:
            print("FAILED: missing %s (tools/scripts/install-deps.sh installs them)" % " ".join(missing))
            return 1
        road = Road(game, run_folder, facts, x_server, output, home)
        x_server.start_window_manager(road.env)
        with open(os.path.join(output, "game-output.txt"), "w") as log:
            road.walk(log)
        # Every picture, sound and text the road passed through must be there.
        with open(os.path.join(output, "game-output.txt")) as log:
            errors = [line.strip() for line in log if line.startswith("error ")]
        if errors:
            raise StepFailed("the game reported %s" % "; ".join(errors[:5]))
        print("passed: %d steps in %.1f s" % (len(road.pictures), time.time() - road.started))
        return 0
    except StepFailed as error:
        print("FAILED: %s" % error)
        return 1
    finally:
        x_server.close()
        if road and road.pictures:
            screen.write_contact_sheet(os.path.join(output, "contact-sheet.png"), road.pictures)
            with open(os.path.join(output, "steps.txt"), "w") as f:
                for n, name in enumerate(road.names):
                    f.write("%02d %s\n" % (n + 1, name))
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
