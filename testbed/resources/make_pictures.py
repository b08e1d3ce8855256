#!/usr/bin/env python3
"""Draws the stand-in product's pictures: every PNG resource the alert frames show,
at the size they show it, and the images folder's "MetroAlert.png".

Usage: make_pictures.py OUT_DIR [--sheet SHEET.png]

Writes into OUT_DIR:
  <id>.png, MetroAlert.png   the pictures (8-bit RGBA, straight alpha)
  <name>.argb                the same pixels raw: width and height (32-bit little
                             endian), then 0xAARRGGBB per pixel, rows top-down; what a
                             decoder must give back
  KXUAResources.rc           the resource script of the Windows resource library
  pictures_data.cpp          the pictures as C++ arrays, for the simulated library

Shapes are signed distance fields, so edges are anti-aliased by the coverage of
each pixel; layers are composited with straight alpha. Standard library only.
"""
import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------- colours

WHITE = (255, 255, 255)
TITLE_BLUE = (0x1A, 0x55, 0x83)    # the layouts' header colour
TITLE_BLUE_2 = (0x2C, 0x6D, 0xA3)  # the second header colour of some layouts
LINK_BLUE = (0x12, 0x66, 0xE2)     # the layouts' link colour
BUTTON = (0x2B, 0x7B, 0xD6)
BUTTON_OVER = (0x4C, 0x98, 0xEA)
BUTTON_DOWN = (0x17, 0x5A, 0xA8)
BUTTON_OFF = (0x8C, 0xA3, 0xBA)
INK = (0x1A, 0x3A, 0x5C)
GREY = (0xCF, 0xD7, 0xDF)
STEEL = (0x8A, 0x9B, 0xAE)
GREEN = (0x2E, 0xA0, 0x4F)
AMBER = (0xF5, 0xA6, 0x23)
AMBER_LIGHT = (0xF8, 0xBD, 0x55)
BRICK = (0xD8, 0x55, 0x2F)
BRICK_LIGHT = (0xE7, 0x74, 0x4F)
WINDOW_BAR = (0x4A, 0x9B, 0xE8)
RISK = [(0x3C, 0xA5, 0x4A), (0x9A, 0xC2, 0x2E), (0xF2, 0xB8, 0x0C),
        (0xF0, 0x7D, 0x1A), (0xD9, 0x2B, 0x36)]

# ---------------------------------------------------------------- canvas


class Canvas:
    """Straight-alpha RGBA pixels as floats, drawn by distance fields."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def _coverage(self, field):
        for y in range(self.height):
            for x in range(self.width):
                # Distance at the pixel's centre, in pixels: half a pixel of soft edge.
                c = 0.5 - field(x + 0.5, y + 0.5)
                if c > 0.0:
                    yield self.pixels[y * self.width + x], min(c, 1.0)

    def fill(self, field, colour, opacity=1.0):
        for pixel, c in self._coverage(field):
            a = c * opacity
            out = a + pixel[3] * (1.0 - a)
            if out <= 0.0:
                continue
            for i in range(3):
                pixel[i] = (colour[i] * a + pixel[i] * pixel[3] * (1.0 - a)) / out
            pixel[3] = out

    def erase(self, field):
        for pixel, c in self._coverage(field):
            pixel[3] *= 1.0 - c

    def argb(self):
        out = []
        for r, g, b, a in self.pixels:
            alpha = round(a * 255)
            if alpha == 0:
                out.append(0)
                continue
            out.append(alpha << 24 | round(r) << 16 | round(g) << 8 | round(b))
        return out


# ---------------------------------------------------------------- distance fields


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def box(left, top, right, bottom, radius=0.0):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hw, hh = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def field(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return field


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def stroke(points, width):
    """A polyline with round joins and caps."""
    pairs = list(zip(points, points[1:]))
    return lambda x, y: min(segment_distance(x, y, *a, *b) for a, b in pairs) - width / 2


def polygon(points, rounding=0.0):
    """Exact signed distance to a closed polygon, optionally with rounded corners."""
    edges = list(zip(points, points[1:] + points[:1]))

    def field(x, y):
        d = min(segment_distance(x, y, *a, *b) for a, b in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return (-d if inside else d) - rounding
    return field


def union(*fields):
    return lambda x, y: min(f(x, y) for f in fields)


def intersect(*fields):
    return lambda x, y: max(f(x, y) for f in fields)


def grown(field, amount):
    return lambda x, y: field(x, y) - amount


def half_plane_left_of(x0):
    return lambda x, y: x - x0


def bezier(p0, p1, p2, steps=12):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(1, steps + 1))]


def shield_points(left, top, width, height):
    """A heater shield: a gently arched top, straight sides, a curved point."""
    def at(u, v):
        return (left + u * width, top + v * height)
    right = [at(0.5, 0.0)]
    right += bezier(at(0.5, 0.0), at(0.75, 0.10), at(1.0, 0.12))
    right += [at(1.0, 0.45)]
    right += bezier(at(1.0, 0.45), at(0.97, 0.80), at(0.5, 1.0), 16)
    left_side = [(2 * (left + width / 2) - x, y) for x, y in reversed(right[1:-1])]
    return right + left_side


# ---------------------------------------------------------------- pictures


def risk_level(level):
    """Five rising bars; the first `level` in the level's colour."""
    c = Canvas(31, 23)
    for i in range(5):
        left = 1 + i * 6
        top = 22 - (6 + i * 4)
        colour = RISK[level - 1] if i < level else GREY
        c.fill(box(left, top, left + 5, 22, 1.2), colour)
    return c


ARROW_FACES = {  # disk colour, disk opacity, arrow opacity, arrow offset
    "up": (BUTTON, 1.0, 1.0, 0.0),
    "over": (BUTTON_OVER, 1.0, 1.0, 0.0),
    "clicked": (BUTTON_DOWN, 1.0, 1.0, 0.5),
    "disabled": (BUTTON_OFF, 0.55, 0.75, 0.0),
}


def small_arrow(direction, face):
    """12 x 13: a round button with a solid triangle."""
    disk, disk_opacity, arrow_opacity, shift = ARROW_FACES[face]
    c = Canvas(12, 13)
    c.fill(circle(6, 6.5, 5.9), disk, disk_opacity)
    s = -1 if direction == "left" else 1
    tip, back = 6 + s * 2.6 + shift, 6 - s * 1.9 + shift
    c.fill(polygon([(tip, 6.5 + shift), (back, 3.4 + shift), (back, 9.6 + shift)], 0.35),
           WHITE, arrow_opacity)
    return c


def round_arrow(direction, face):
    """18 x 18, for the newer frames: a round button with a chevron."""
    disk, disk_opacity, arrow_opacity, shift = ARROW_FACES[face]
    c = Canvas(18, 18)
    c.fill(circle(9, 9, 8.7), disk, disk_opacity)
    s = -1 if direction == "left" else 1
    tip, back = 9 + s * 2.3 + shift, 9 - s * 2.0 + shift
    c.fill(stroke([(back, 4.6 + shift), (tip, 9 + shift), (back, 13.4 + shift)], 2.4),
           WHITE, arrow_opacity)
    return c


def details_arrow(pointing_up):
    """7 x 5: the details link's marker, down to expand, up to collapse."""
    c = Canvas(7, 5)
    if pointing_up:
        points = [(3.5, 0.6), (6.6, 4.4), (0.4, 4.4)]
    else:
        points = [(0.4, 0.6), (6.6, 0.6), (3.5, 4.4)]
    c.fill(polygon(points), LINK_BLUE)
    return c


def info_icon():
    """20 x 20: an "i" in a circle."""
    c = Canvas(20, 20)
    c.fill(circle(10, 10, 9.3), LINK_BLUE)
    c.fill(circle(10, 5.9, 1.55), WHITE)
    c.fill(stroke([(10, 9.0), (10, 14.6)], 2.7), WHITE)
    return c


def exclamation(c, cx, top, bottom, width, colour):
    dot = width * 0.62
    c.fill(stroke([(cx, top + width / 2), (cx, bottom - 2.6 * dot)], width), colour)
    c.fill(circle(cx, bottom - dot, dot), colour)


def two_tone_shield(c, left, top, width, height, light, dark):
    shape = polygon(shield_points(left, top, width, height))
    c.fill(shape, dark)
    c.fill(intersect(shape, half_plane_left_of(left + width / 2)), light)
    return shape


def alert_shield():
    """48 x 48, the main icon when the notification names none: a warning shield."""
    c = Canvas(48, 48)
    two_tone_shield(c, 7, 3, 34, 42, AMBER_LIGHT, AMBER)
    exclamation(c, 24, 11.5, 36.5, 5.0, WHITE)
    return c


def badge_cutout(c, field, gap=2.0):
    """Clears a margin around a badge so it stands apart from the picture beneath."""
    c.erase(grown(field, gap))


def check_badge(c, cx, cy, r):
    disk = circle(cx, cy, r)
    badge_cutout(c, disk)
    c.fill(disk, GREEN)
    c.fill(stroke([(cx - r * 0.45, cy + r * 0.02), (cx - r * 0.1, cy + r * 0.38),
                   (cx + r * 0.48, cy - r * 0.32)], r * 0.28), WHITE)


def scheduled_task():
    """48 x 48: a clock with a check badge, a scheduled task that finished."""
    c = Canvas(48, 48)
    cx, cy, r = 21, 21, 18.5
    c.fill(circle(cx, cy, r), WHITE)
    c.fill(ring(cx, cy, r - 1.6, 3.2), WINDOW_BAR)
    for angle in range(0, 360, 30):
        a = math.radians(angle)
        inner = r - (6.5 if angle % 90 == 0 else 5.2)
        c.fill(stroke([(cx + math.sin(a) * inner, cy - math.cos(a) * inner),
                       (cx + math.sin(a) * (r - 4.0), cy - math.cos(a) * (r - 4.0))],
                      1.6 if angle % 90 == 0 else 1.0), INK)
    c.fill(stroke([(cx, cy), (cx, cy - 10.5)], 2.4), INK)
    c.fill(stroke([(cx, cy), (cx + 7.5, cy + 3.0)], 2.4), INK)
    c.fill(circle(cx, cy, 2.0), INK)
    check_badge(c, 37, 37, 9.5)
    return c


def firewall():
    """50 x 50: a brick wall guarded by a shield."""
    c = Canvas(50, 50)
    wall = box(2, 9, 40, 42, 2.5)
    c.fill(wall, BRICK)
    rows = [(9, 20), (20, 31), (31, 42)]
    for row, (top, bottom) in enumerate(rows):
        c.fill(intersect(wall, box(2, top, 40, top + 3)), BRICK_LIGHT)  # lit top of each course
        if row:
            c.erase(box(1, top - 0.75, 41, top + 0.75))
        offset = 0 if row % 2 == 0 else 6.5
        x = 2 + offset + 12.5
        while x < 40:
            c.erase(box(x - 0.75, top, x + 0.75, bottom))
            x += 13
    outline = polygon(shield_points(25, 17, 23, 30))
    badge_cutout(c, outline)
    c.fill(outline, WHITE)
    inner = polygon(shield_points(28, 20.5, 17, 23))
    c.fill(inner, LINK_BLUE)
    c.fill(stroke([(31.5, 32.5), (35, 36), (41.5, 28.5)], 2.6), WHITE)
    return c


def application_control():
    """50 x 50: an application window with a padlock badge."""
    c = Canvas(50, 50)
    window = box(2, 6, 42, 38, 3.0)
    c.fill(window, WHITE)
    c.fill(intersect(window, box(2, 6, 42, 14)), WINDOW_BAR)
    for i, right in enumerate((30, 36, 24)):
        c.fill(box(7, 19 + i * 5.5, right, 21.5 + i * 5.5, 1.2), GREY)
    for i in range(3):
        c.fill(circle(8 + i * 4.5, 10, 1.3), WHITE)
    body = box(27, 29, 47, 46, 2.5)
    shackle = intersect(ring(37, 29, 5.6, 3.2), lambda x, y: y - 29.5)
    legs = union(box(29.8, 28.5, 33, 30), box(41, 28.5, 44.2, 30))
    lock = union(body, shackle, legs)
    badge_cutout(c, lock)
    c.fill(shackle, STEEL)
    c.fill(legs, STEEL)
    c.fill(body, AMBER)
    c.fill(intersect(body, half_plane_left_of(37)), AMBER_LIGHT)
    c.fill(union(circle(37, 36, 2.3), box(36, 36, 38, 41.5, 0.8)), INK)
    return c


def metro_alert():
    """90 x 90, for the system toast: a shield with an exclamation mark."""
    c = Canvas(90, 90)
    outline = polygon(shield_points(14, 4, 62, 82))
    c.fill(outline, WHITE)
    two_tone_shield(c, 19, 9.5, 52, 69, (0x3A, 0x86, 0xEC), LINK_BLUE)
    exclamation(c, 45, 23, 66, 8.5, WHITE)
    return c


def pictures():
    """Every picture: (resource id or None, file name, canvas)."""
    out = [(500 + level - 1, None, risk_level(level)) for level in range(1, 6)]
    faces = ["up", "over", "clicked", "disabled"]
    out += [(505 + i, None, small_arrow("left", f)) for i, f in enumerate(faces)]
    out += [(509 + i, None, small_arrow("right", f)) for i, f in enumerate(faces)]
    out += [(513, None, firewall()),
            (519, None, details_arrow(True)),
            (520, None, details_arrow(False))]
    out += [(621 + i, None, round_arrow("left", f)) for i, f in enumerate(faces)]
    out += [(625 + i, None, round_arrow("right", f)) for i, f in enumerate(faces)]
    out += [(3146, None, scheduled_task()),
            (3148, None, application_control()),
            (3173, None, alert_shield()),
            (3174, None, info_icon()),
            (None, "MetroAlert.png", metro_alert())]
    return [(rid, name or "%d.png" % rid, canvas) for rid, name, canvas in out]


# ---------------------------------------------------------------- output


def png_bytes(width, height, argb):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # no filter
        for p in argb[y * width:(y + 1) * width]:
            raw += bytes(((p >> 16) & 255, (p >> 8) & 255, p & 255, p >> 24))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write_if_changed(path, data):
    """Leaves unchanged outputs alone, so that what depends on them is not rebuilt."""
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def cpp_source(entries):
    lines = ["// Generated by testbed/resources/make_pictures.py; do not edit.",
             '#include "testbed/pictures_data.h"', "",
             "namespace kxua::testbed {", "", "namespace {"]
    for index, (_, _, data) in enumerate(entries):
        lines.append("const unsigned char kPicture%d[] = {" % index)
        for start in range(0, len(data), 20):
            lines.append("  " + ",".join(str(b) for b in data[start:start + 20]) + ",")
        lines.append("};")
    lines += ["}  // namespace", "", "const PictureData kPictures[] = {"]
    for index, (rid, name, data) in enumerate(entries):
        lines.append('  {%d, L"%s", kPicture%d, %d},' % (rid or 0, name, index, len(data)))
    lines += ["};", "const std::size_t kPictureCount = %d;" % len(entries), "",
              "}  // namespace kxua::testbed", ""]
    return "\n".join(lines).encode()


# A 3 x 5 pixel font for the contact sheet's labels.
DIGITS = ["111101101101111", "010110010010111", "111001111100111", "111001111001111",
          "101101111001001", "111100111001111", "111100111101111", "111001001001001",
          "111101111101111", "111101111001111"]
LETTER_M = "101111111101101"


def contact_sheet(path, items):
    """Every picture enlarged and at its own size, on white and on both header
    colours, for a look at the artwork."""
    backgrounds = [WHITE, TITLE_BLUE, TITLE_BLUE_2]
    cell, per_row = 112, 10
    rows = (len(items) + per_row - 1) // per_row
    width, height = cell * per_row, cell * rows * len(backgrounds)
    sheet = [[(235, 235, 235)] * width for _ in range(height)]
    for band, background in enumerate(backgrounds):
        for index, (rid, _, canvas) in enumerate(items):
            ox = (index % per_row) * cell
            oy = (band * rows + index // per_row) * cell
            for y in range(oy + 2, oy + cell - 2):
                for x in range(ox + 2, ox + cell - 2):
                    sheet[y][x] = background
            pixels = canvas.argb()
            scale = max(1, min(6, 80 // max(canvas.width, canvas.height)))

            def put(px, py, size):
                for y in range(canvas.height):
                    for x in range(canvas.width):
                        p = pixels[y * canvas.width + x]
                        a = (p >> 24) / 255
                        colour = ((p >> 16) & 255, (p >> 8) & 255, p & 255)
                        for sy in range(size):
                            for sx in range(size):
                                X, Y = px + x * size + sx, py + y * size + sy
                                under = sheet[Y][X]
                                sheet[Y][X] = tuple(round(colour[i] * a + under[i] * (1 - a))
                                                    for i in range(3))
            put(ox + 6, oy + 6, scale)
            put(ox + cell - 6 - canvas.width, oy + cell - 14 - canvas.height, 1)
            label = str(rid) if rid else "M"
            ink = INK if background == WHITE else WHITE
            for n, ch in enumerate(label):
                glyph = LETTER_M if ch == "M" else DIGITS[int(ch)]
                for gy in range(5):
                    for gx in range(3):
                        if glyph[gy * 3 + gx] == "1":
                            for s in range(4):
                                X = ox + 6 + n * 8 + gx * 2 + s % 2
                                Y = oy + cell - 16 + gy * 2 + s // 2
                                sheet[Y][X] = ink
    argb = [0xFF000000 | r << 16 | g << 8 | b for row in sheet for r, g, b in row]
    write_if_changed(path, png_bytes(width, height, argb))


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--sheet"):
        sys.exit(__doc__)
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    items = pictures()
    rc = ["// Generated by testbed/resources/make_pictures.py; do not edit."]
    entries = []
    for rid, name, canvas in items:
        argb = canvas.argb()
        data = png_bytes(canvas.width, canvas.height, argb)
        path = os.path.join(out_dir, name)
        write_if_changed(path, data)
        write_if_changed(os.path.splitext(path)[0] + ".argb",
                         struct.pack("<II", canvas.width, canvas.height) +
                         struct.pack("<%dI" % len(argb), *argb))
        entries.append((rid, name, data))
        if rid is not None:
            rc.append('%d PNG "%s"' % (rid, path.replace("\\", "/")))
    # The build tracks the script, not the files it names: a checksum of the
    # pictures makes the script change whenever one of them does.
    checksum = 0
    for _, _, data in entries:
        checksum = zlib.crc32(data, checksum)
    rc.insert(1, "// pictures checksum %08x" % checksum)
    write_if_changed(os.path.join(out_dir, "KXUAResources.rc"), ("\n".join(rc) + "\n").encode())
    write_if_changed(os.path.join(out_dir, "pictures_data.cpp"), cpp_source(entries))
    if len(argv) == 4:
        contact_sheet(argv[3], items)


if __name__ == "__main__":
    main(sys.argv)
