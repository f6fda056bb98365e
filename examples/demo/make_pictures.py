#!/usr/bin/env python3
"""Draws the pictures of the demo page into res/.

Every picture is built from signed-distance shapes: a shape is a function
that gives, for a point, its distance in pixels from the shape's edge
(negative inside). A pixel is covered by the part of it that lies inside the
shape, which gives smooth edges without supersampling. Only the standard
library is used and nothing is random, so every run writes the same files.

Usage: python3 make_pictures.py
"""

import math
import os
import struct
import zlib

RES_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "res")


# Colours are (r, g, b, a) tuples with every channel in 0..1.

def rgb(hex_text, alpha=1.0):
    value = int(hex_text.lstrip("#"), 16)
    return ((value >> 16 & 255) / 255, (value >> 8 & 255) / 255,
            (value & 255) / 255, alpha)


def mix(c0, c1, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vertical_gradient(top, bottom, c0, c1):
    return lambda x, y: mix(c0, c1, (y - top) / (bottom - top))


def horizontal_gradient(left, right, c0, c1):
    return lambda x, y: mix(c0, c1, (x - left) / (right - left))


def colour_ramp(stops, t):
    """The colour at t (0..1) of evenly spaced colour stops."""
    t = min(max(t, 0.0), 1.0) * (len(stops) - 1)
    i = min(int(t), len(stops) - 2)
    return mix(stops[i], stops[i + 1], t - i)


def radial_gradient(cx, cy, radius, c0, c1):
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / radius)


# Shapes. Angles are in degrees, clockwise from 12 o'clock, as on a dial.

def clock_angle(cx, cy, x, y):
    return math.degrees(math.atan2(x - cx, cy - y))


def on_dial(cx, cy, radius, angle):
    a = math.radians(angle)
    return cx + radius * math.sin(a), cy - radius * math.cos(a)


def circle(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def rounded_box(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    half_w, half_h = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - half_w, abs(y - cy) - half_h
        return (math.hypot(max(qx, 0.0), max(qy, 0.0))
                + min(max(qx, qy), 0.0) - radius)
    return distance


def capsule(x0, y0, x1, y1, radius):
    """A line from (x0, y0) to (x1, y1) with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def distance(x, y):
        t = min(max(((x - x0) * dx + (y - y0) * dy) / length2, 0.0), 1.0)
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) - radius
    return distance


def arc(cx, cy, radius, half_width, start, end):
    """A band along a circle from angle start to end, with round ends."""
    ends = [on_dial(cx, cy, radius, start), on_dial(cx, cy, radius, end)]

    def distance(x, y):
        if start <= clock_angle(cx, cy, x, y) <= end:
            return abs(math.hypot(x - cx, y - cy) - radius) - half_width
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width
    return distance


def outline(shape, width):
    """The band of the given width just inside the edge of a shape."""
    return lambda x, y: abs(shape(x, y) + width / 2) - width / 2


def union(*shapes):
    return lambda x, y: min(shape(x, y) for shape in shapes)


class Canvas:
    """An RGBA picture kept as premultiplied float channels."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [0.0] * (width * height * 4)

    def fill_rows(self, colour_of_row):
        """Replaces every row by one colour, given by the row's centre y."""
        stride = self.width * 4
        for y in range(self.height):
            r, g, b, a = colour_of_row(y + 0.5)
            self.pixels[y * stride:(y + 1) * stride] = [r * a, g * a, b * a, a] * self.width

    def draw(self, shape, paint, box=None):
        """Lays paint (a colour or a function of x, y) over the shape.

        box = (left, top, right, bottom) limits the pixels that are visited;
        the whole picture by default.
        """
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        left, top = max(int(left), 0), max(int(top), 0)
        right = min(int(math.ceil(right)), self.width)
        bottom = min(int(math.ceil(bottom)), self.height)
        pixels = self.pixels
        for y in range(top, bottom):
            py = y + 0.5
            for x in range(left, right):
                px = x + 0.5
                coverage = 0.5 - shape(px, py)
                if coverage <= 0.0:
                    continue
                r, g, b, a = paint(px, py) if callable(paint) else paint
                a *= min(coverage, 1.0)
                keep = 1.0 - a
                i = (y * self.width + x) * 4
                pixels[i] = r * a + pixels[i] * keep
                pixels[i + 1] = g * a + pixels[i + 1] * keep
                pixels[i + 2] = b * a + pixels[i + 2] * keep
                pixels[i + 3] = a + pixels[i + 3] * keep

    def fill_rect(self, left, top, right, bottom, colour):
        self.draw(rounded_box(left, top, right, bottom, 0), colour,
                  (left, top, right, bottom))

    def rgba_bytes(self):
        out = bytearray(len(self.pixels))
        for i in range(0, len(self.pixels), 4):
            alpha = self.pixels[i + 3]
            a8 = round(alpha * 255)
            if a8 == 0:
                continue
            for c in range(3):
                out[i + c] = min(round(self.pixels[i + c] / alpha * 255), 255)
            out[i + 3] = a8
        return bytes(out)

    def save(self, path):
        write_png(path, self.width, self.height, self.rgba_bytes())


# PNG output: 8-bit RGBA, each row filtered the way that suits it best.

def _filter_rows(rgba, width, height):
    stride = width * 4
    previous = bytes(stride)
    out = bytearray()
    for y in range(height):
        row = rgba[y * stride:(y + 1) * stride]
        candidates = [
            (0, row),
            (1, bytes((row[i] - (row[i - 4] if i >= 4 else 0)) & 255
                      for i in range(stride))),
            (2, bytes((a - b) & 255 for a, b in zip(row, previous))),
        ]
        # The usual heuristic: the row whose bytes, read as signed, are smallest.
        kind, data = min(candidates,
                         key=lambda c: sum(v if v < 128 else 256 - v for v in c[1]))
        out.append(kind)
        out += data
        previous = row
    return bytes(out)


def write_png(path, width, height, rgba):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    image = zlib.compress(_filter_rows(rgba, width, height), 9)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", image) + chunk(b"IEND", b""))


# The pictures.

PAGE_WIDTH, PAGE_HEIGHT = 1280, 720
HEADER_HEIGHT = 96      # the title strip at the top of the page
FOOTER_TOP = 648        # the status strip at the bottom


def background():
    c = Canvas(PAGE_WIDTH, PAGE_HEIGHT)
    top, bottom = rgb("#1d3262"), rgb("#0a1430")
    c.fill_rows(lambda y: mix(top, bottom, y / PAGE_HEIGHT))
    dot = rgb("#ffffff", 0.06)
    for y in range(HEADER_HEIGHT + 12, FOOTER_TOP, 24):
        for x in range(12, PAGE_WIDTH, 24):
            c.draw(circle(x, y, 1.2), dot, (x - 2, y - 2, x + 2, y + 2))
    c.fill_rect(0, 0, PAGE_WIDTH, HEADER_HEIGHT, rgb("#ffffff", 0.06))
    c.fill_rect(0, HEADER_HEIGHT - 2, PAGE_WIDTH, HEADER_HEIGHT, rgb("#4fb3ff", 0.6))
    c.fill_rect(0, FOOTER_TOP, PAGE_WIDTH, PAGE_HEIGHT, rgb("#000000", 0.25))
    c.fill_rect(0, FOOTER_TOP, PAGE_WIDTH, FOOTER_TOP + 1, rgb("#ffffff", 0.1))
    return c


def push_button(light, dark, rim):
    """A rounded key, lighter at the top, with a soft gloss on its upper half."""
    w, h = 220, 80
    c = Canvas(w, h)
    body = rounded_box(1, 1, w - 1, h - 1, 18)
    c.draw(body, vertical_gradient(1, h - 1, rgb(light), rgb(dark)))
    c.draw(rounded_box(5, 4, w - 5, h / 2, 15),
           vertical_gradient(4, h / 2, rgb("#ffffff", 0.25), rgb("#ffffff", 0.03)))
    c.draw(outline(body, 2), rgb(rim))
    return c


def lamp():
    """A lit lamp: a glowing disc with a bulb. Shown dimmed when it is off."""
    size, centre = 120, 60
    c = Canvas(size, size)
    disc = circle(centre, centre, 57)
    c.draw(disc, radial_gradient(centre, 48, 60, rgb("#fff7cc"), rgb("#ffab1f")))
    c.draw(outline(disc, 3), rgb("#b86a05"))
    ink = rgb("#7a4100", 0.9)
    bulb = union(circle(60, 52, 18), rounded_box(52, 58, 68, 75, 3))
    c.draw(bulb, ink)
    c.draw(circle(54, 47, 5), rgb("#fff7cc", 0.5))
    c.draw(rounded_box(52, 78, 68, 82, 2), ink)
    c.draw(rounded_box(54, 85, 66, 89, 2), ink)
    for angle in (-100, -55, 0, 55, 100):
        x0, y0 = on_dial(60, 52, 25, angle)
        x1, y1 = on_dial(60, 52, 33, angle)
        c.draw(capsule(x0, y0, x1, y1, 2), ink)
    return c


# The knob turns through KNOB_SWEEP degrees; its scale is centred on 12
# o'clock. The pointer is drawn at the start of the scale, so that the
# unturned picture shows the value 0 and every turn moves it along the scale.
KNOB_SWEEP = 270
SCALE_START, SCALE_END = -KNOB_SWEEP / 2, KNOB_SWEEP / 2


def knob():
    size, centre = 200, 100
    c = Canvas(size, size)
    body = circle(centre, centre, 96)
    c.draw(body, vertical_gradient(4, 196, rgb("#e8ebf1"), rgb("#848da0")))
    c.draw(outline(body, 2), rgb("#4f596b"))
    for step in range(24):
        x, y = on_dial(centre, centre, 88, step * 15)
        c.draw(circle(x, y, 2.5), rgb("#5f697b", 0.8), (x - 4, y - 4, x + 4, y + 4))
    face = circle(centre, centre, 78)
    c.draw(face, vertical_gradient(22, 178, rgb("#3d485c"), rgb("#222a38")))
    c.draw(outline(face, 1.5), rgb("#151b26"))
    x0, y0 = on_dial(centre, centre, 44, SCALE_START)
    x1, y1 = on_dial(centre, centre, 70, SCALE_START)
    c.draw(capsule(x0, y0, x1, y1, 5), rgb("#ff8a3d"))
    return c


def knob_ring():
    """The scale around the knob: a coloured arc with ticks, open at the bottom."""
    size, centre = 240, 120
    c = Canvas(size, size)
    stops = [rgb("#3fa9f5"), rgb("#5fd3b0"), rgb("#ffd04d"), rgb("#ff8a3d")]
    c.draw(arc(centre, centre, 112, 4, SCALE_START, SCALE_END),
           lambda x, y: colour_ramp(
               stops, (clock_angle(centre, centre, x, y) - SCALE_START) / KNOB_SWEEP))
    for step in range(11):
        angle = SCALE_START + step * KNOB_SWEEP / 10
        major = step % 5 == 0
        x0, y0 = on_dial(centre, centre, 99 if major else 100, angle)
        x1, y1 = on_dial(centre, centre, 106 if major else 104, angle)
        c.draw(capsule(x0, y0, x1, y1, 1.5 if major else 1),
               rgb("#ffffff", 0.8 if major else 0.5))
    return c


def slider_track():
    """A groove that brightens to the right, with a tick every quarter."""
    w, h = 480, 40
    c = Canvas(w, h)
    groove = rounded_box(8, 14, w - 8, 26, 6)
    c.draw(groove, rgb("#0b1222", 0.9))
    c.draw(rounded_box(11, 17, w - 11, 23, 3),
           horizontal_gradient(11, w - 11, rgb("#1f3f66"), rgb("#ffd27a")))
    c.draw(outline(groove, 1), rgb("#ffffff", 0.15))
    thumb_half = 20         # the thumb's centre travels from 20 to width - 20
    for step in range(5):
        x = thumb_half + step * (w - 2 * thumb_half) / 4
        for y in (6, 34):
            c.draw(circle(x, y, 2), rgb("#ffffff", 0.4), (x - 3, y - 3, x + 3, y + 3))
    return c


def slider_thumb():
    w, h = 40, 60
    c = Canvas(w, h)
    body = rounded_box(2, 2, w - 2, h - 2, 9)
    c.draw(body, vertical_gradient(2, h - 2, rgb("#f6f8fb"), rgb("#b5bdcc")))
    c.draw(outline(body, 1.5), rgb("#5f697b"))
    for x in (14, 20, 26):
        c.draw(capsule(x, 22, x, 38, 1.2), rgb("#5f697b", 0.8))
    return c


# The letterbox page is square (1000 x 1000). Its background is a board of
# squares, each with a ring, inside a bright frame: on the page the squares
# and rings are round and even; in the margins, where the player stretches the
# same picture over the whole window, they turn into wide oblongs and ellipses
# and the frame runs along the window's edges.
LETTERBOX_SIZE = 1000
LETTERBOX_CELL = 125


def letterbox_bg():
    size, cell = LETTERBOX_SIZE, LETTERBOX_CELL
    c = Canvas(size, size)
    light_top, light_bottom = rgb("#2b5c8a"), rgb("#173452")
    dark_top, dark_bottom = rgb("#16314f"), rgb("#0b1a2e")
    stride = size * 4
    for y in range(size):
        t = (y + 0.5) / size
        light = mix(light_top, light_bottom, t)
        dark = mix(dark_top, dark_bottom, t)
        row = []
        for column in range(size // cell):
            r, g, b, a = light if (column + y // cell) % 2 == 0 else dark
            row += [r * a, g * a, b * a, a] * cell
        c.pixels[y * stride:(y + 1) * stride] = row
    ring = rgb("#7fd3ff", 0.55)
    for row in range(size // cell):
        for column in range(size // cell):
            cx, cy = (column + 0.5) * cell, (row + 0.5) * cell
            r = cell * 0.34
            c.draw(outline(circle(cx, cy, r), 3), ring,
                   (cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2))
            c.draw(circle(cx, cy, 4), ring, (cx - 6, cy - 6, cx + 6, cy + 6))
    frame, amber = 12, rgb("#ffb300")
    c.fill_rect(0, 0, size, frame, amber)
    c.fill_rect(0, size - frame, size, size, amber)
    c.fill_rect(0, 0, frame, size, amber)
    c.fill_rect(size - frame, 0, size, size, amber)
    return c


PICTURES = {
    "background.png": background,
    "btn_blue.png": lambda: push_button("#56a8f7", "#1f5fbf", "#143f80"),
    "btn_green.png": lambda: push_button("#5bd685", "#1f8f4a", "#125c31"),
    "btn_orange.png": lambda: push_button("#ffb05c", "#dd6218", "#913e0c"),
    "lamp.png": lamp,
    "knob.png": knob,
    "knob_ring.png": knob_ring,
    "slider_track.png": slider_track,
    "slider_thumb.png": slider_thumb,
    "letterbox_bg.png": letterbox_bg,
}


def main():
    os.makedirs(RES_DIR, exist_ok=True)
    for name, make in PICTURES.items():
        path = os.path.join(RES_DIR, name)
        make().save(path)
        print(f"{name}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
