"""The virtual X screen of the road test: Xvfb with openbox on a display of its
own, real input through xdotool, and the screen read straight from the
framebuffer file Xvfb keeps (XWD format), written out as PNG pictures and one
contact sheet. Only the Python standard library and Debian's X tools."""

import ctypes
import os
import select
import signal
import struct
import subprocess
import time
import zlib

SCREEN_W, SCREEN_H = 1024, 768


def die_with_parent():
    """In the child before it runs: killed when the script is, however the
    script ends, so no X server or game outlives a killed test."""
    try:
        ctypes.CDLL(None).prctl(1, signal.SIGKILL)   # PR_SET_PDEATHSIG
    except (OSError, AttributeError):
        pass
    os.setsid()


class NoXServer(Exception):
    """Xvfb could not start at all: the road cannot be walked here."""


class Picture:
    """One grab of the screen as Xvfb holds it: 4 bytes a pixel, blue, green,
    red and a pad byte (the framebuffer's own order, checked when read)."""

    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    def pixel(self, x, y):
        i = (y * self.width + x) * 4
        return self.pixels[i + 2], self.pixels[i + 1], self.pixels[i]

    def rgb(self):
        out = bytearray(self.width * self.height * 3)
        out[0::3], out[1::3], out[2::3] = self.pixels[2::4], self.pixels[1::4], self.pixels[0::4]
        return bytes(out)

    def samples(self, box, step, channel):
        """One colour channel of every step-th pixel of every step-th row."""
        x0, y0, x1, y1 = box
        stride = self.width * 4
        return b"".join(self.pixels[y * stride + x0 * 4 + channel:y * stride + x1 * 4:4 * step]
                        for y in range(y0, y1, step))


def read_xwd(path):
    """Xvfb's screen file: an XWD header, a colour map, then the pixels."""
    with open(path, "rb") as f:
        data = f.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, blue_mask = fields[14], fields[16]
    colours = fields[19]
    if bits_per_pixel != 32 or byte_order != 0 or red_mask != 0xFF0000 or blue_mask != 0xFF:
        raise RuntimeError("unexpected framebuffer layout")
    start = header_size + 12 * colours
    pixels = data[start:start + bytes_per_line * height]
    if bytes_per_line != width * 4:
        pixels = b"".join(pixels[y * bytes_per_line:y * bytes_per_line + width * 4] for y in range(height))
    return Picture(width, height, pixels)


def write_png(path, width, height, rgb):
    rows = b"".join(b"\0" + rgb[y * width * 3:(y + 1) * width * 3] for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(rows, 6)))
        f.write(chunk(b"IEND", b""))


# Digits 3 x 5 for the step numbers on the contact sheet.
DIGITS = ["111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
          "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"]


def write_contact_sheet(path, pictures, columns=4, scale=4):
    """Every step's picture at a quarter of its size, numbered in reading order."""
    tw, th = SCREEN_W // scale, SCREEN_H // scale
    gap = 4
    rows = (len(pictures) + columns - 1) // columns
    width, height = columns * (tw + gap) + gap, max(rows, 1) * (th + gap) + gap
    sheet = bytearray(b"\x30" * (width * height * 3))
    for n, picture in enumerate(pictures):
        ox, oy = gap + (n % columns) * (tw + gap), gap + (n // columns) * (th + gap)
        for ty in range(th):
            at = ty * scale * picture.width * 4
            src = picture.pixels[at:at + tw * scale * 4]
            row = bytearray(tw * 3)
            row[0::3], row[1::3], row[2::3] = src[2::4 * scale], src[1::4 * scale], src[0::4 * scale]
            at = ((oy + ty) * width + ox) * 3
            sheet[at:at + tw * 3] = row
        draw_number(sheet, width, ox + 4, oy + 4, n + 1)
    write_png(path, width, height, bytes(sheet))


def draw_number(sheet, width, x, y, number, size=3):
    for k, digit in enumerate(str(number)):
        pattern = DIGITS[int(digit)]
        for i, bit in enumerate(pattern):
            colour = b"\xff\xff\x00" if bit == "1" else b"\x00\x00\x00"
            px, py = x + k * 4 * size + (i % 3) * size, y + (i // 3) * size
            for dy in range(size):
                at = ((py + dy) * width + px) * 3
                sheet[at:at + 3 * size] = colour * size


class XServer:
    """Xvfb on the first free display with openbox on it; everything it starts
    is stopped again by close()."""

    def __init__(self, folder):
        self.folder = folder
        self.processes = []
        self.fbfile = os.path.join(folder, "Xvfb_screen0")
        self.env = None

    def start(self, timeout=20):
        read_end, write_end = os.pipe()
        try:
            xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (SCREEN_W, SCREEN_H),
                 "-nolisten", "tcp", "-fbdir", self.folder],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                preexec_fn=die_with_parent)
        except OSError as error:
            raise NoXServer("Xvfb cannot be run: %s" % error)
        finally:
            os.close(write_end)
        self.processes.append(xvfb)
        number = b""
        deadline = time.time() + timeout
        while not number.endswith(b"\n") and time.time() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.2)
            if ready:
                got = os.read(read_end, 16)
                if not got:
                    break
                number += got
            if xvfb.poll() is not None:
                break
        os.close(read_end)
        if not number.strip().isdigit():
            raise NoXServer("Xvfb did not start (exit %s)" % xvfb.poll())
        self.display = ":" + number.strip().decode()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        return self.display

    def start_window_manager(self, env):
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
        self.processes.append(wm)
        # openbox is up once it has claimed the screen's window-manager selection.
        deadline = time.time() + 10
        while time.time() < deadline:
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                                 capture_output=True, text=True).stdout
            if "window id" in out:
                return
            time.sleep(0.1)
        raise RuntimeError("openbox did not start")

    def launch(self, args, cwd, env, log):
        process = subprocess.Popen(args, cwd=cwd, env=env, stdout=log, stderr=subprocess.STDOUT,
                                   preexec_fn=die_with_parent)
        self.processes.append(process)
        return process

    def grab(self):
        return read_xwd(self.fbfile)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, capture_output=True, text=True)
        return result.stdout.strip()

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()
        self.processes = []


def sample_step(box, samples=8000):
    """About that many samples of a box, whatever its size."""
    area = max((box[2] - box[0]) * (box[3] - box[1]), 1)
    return max(2, int((area / samples) ** 0.5))


def changed_fraction(a, b, box, threshold=40):
    """The share of sampled pixels in box (screen pixels x0, y0, x1, y1) whose
    green or red moved by more than threshold."""
    step = sample_step(box)
    changed = total = 0
    for channel in (1, 2):
        sa, sb = a.samples(box, step, channel), b.samples(box, step, channel)
        total += len(sa)
        changed += sum(1 for p, q in zip(sa, sb) if p - q > threshold or q - p > threshold)
    return changed / total if total else 0.0


def lit_fraction(picture, box, level=24, channels=(1, 2)):
    """The share of sampled values of those channels (1 green, 2 red) above level."""
    step = sample_step(box, 3000)
    lit = total = 0
    for channel in channels:
        sa = picture.samples(box, step, channel)
        total += len(sa)
        lit += sum(1 for p in sa if p > level)
    return lit / total if total else 0.0


def brightness(picture, box):
    """The mean green of the sampled pixels."""
    sa = picture.samples(box, sample_step(box, 3000), 1)
    return sum(sa) / len(sa) if sa else 0.0
