#!/usr/bin/env python3
"""Writes the bundled sample files into samples/: a map background, a two-frame walking
character, correlation and path CSV files, teaching points and setup files that name them
relatively (the program is run with samples/ as its working directory).

Standard library only; the output is the same on every run (fixed random seeds).
Usage: tools/make_samples.py [OUTPUT_DIR]
"""

import math
import os
import random
import struct
import sys

MAP_W, MAP_H = 1200, 800


# --- raster ---------------------------------------------------------------------------------

class Raster:
    """An RGB picture, rows top-down, with the few shapes the samples need (no smoothing, so
    a character never gets near-white fringe pixels)."""

    def __init__(self, width, height, colour):
        self.w, self.h = width, height
        self.px = bytearray(bytes(colour) * (width * height))

    def get(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.px[i:i + 3])

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = (y * self.w + x) * 3
            self.px[i:i + 3] = bytes(colour)

    def crop(self, x0, y0, x1, y1):
        part = Raster(x1 - x0, y1 - y0, (255, 255, 255))
        for y in range(y0, y1):
            row = self.px[(y * self.w + x0) * 3:(y * self.w + x1) * 3]
            part.px[(y - y0) * part.w * 3:(y - y0 + 1) * part.w * 3] = row
        return part

    def scale(self, x, y, factor):
        i = (y * self.w + x) * 3
        for k in range(3):
            self.px[i + k] = int(self.px[i + k] * factor)

    def shape(self, x0, y0, x1, y1, inside, colour):
        """Paints every pixel of the box whose centre satisfies inside(cx, cy)."""
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)) + 1)):
                if inside(x + 0.5, y + 0.5):
                    self.put(x, y, colour)

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.h, y1)):
            i = (y * self.w + max(0, x0)) * 3
            n = min(self.w, x1) - max(0, x0)
            if n > 0:
                self.px[i:i + 3 * n] = bytes(colour) * n

    def ellipse(self, cx, cy, rx, ry, colour):
        self.shape(cx - rx, cy - ry, cx + rx, cy + ry,
                   lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, colour)

    def segment(self, a, b, width, colour):
        (ax, ay), (bx, by) = a, b
        r = width / 2.0
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1e-9

        def near(x, y):
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
            return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= r * r

        self.shape(min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r, near, colour)

    def polyline(self, points, width, colour):
        for a, b in zip(points, points[1:]):
            self.segment(a, b, width, colour)

    def triangle(self, p, q, s, colour):
        def side(a, b, x, y):
            return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0])

        def inside(x, y):
            d = (side(p, q, x, y), side(q, s, x, y), side(s, p, x, y))
            return min(d) >= 0 or max(d) <= 0

        xs, ys = (p[0], q[0], s[0]), (p[1], q[1], s[1])
        self.shape(min(xs), min(ys), max(xs), max(ys), inside, colour)


def write_bmp(path, raster):
    """24-bit Windows bitmap, bottom-up, rows padded to four bytes."""
    row_bytes = raster.w * 3
    pad = (4 - row_bytes % 4) % 4
    image_size = (row_bytes + pad) * raster.h
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 54 + image_size, 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, raster.w, raster.h, 1, 24, 0, image_size,
                            2835, 2835, 0, 0))
        for y in range(raster.h - 1, -1, -1):
            rgb = raster.px[y * row_bytes:(y + 1) * row_bytes]
            bgr = bytearray(rgb)
            bgr[0::3], bgr[2::3] = rgb[2::3], rgb[0::3]
            f.write(bgr)
            f.write(b"\0" * pad)


# --- the map --------------------------------------------------------------------------------

LAND = (198, 222, 184)
PARK = (176, 209, 162)
TREE = (128, 176, 118)
TREE_EDGE = (106, 152, 98)
WATER = (170, 206, 232)
WATER_EDGE = (146, 188, 220)
ROAD = (226, 225, 219)
ROAD_EDGE = (186, 186, 180)
ROAD_MARK = (244, 243, 238)
RAIL = (150, 150, 146)
HOUSE = (233, 218, 196)
HOUSE_EDGE = (196, 178, 156)
FIELD_A = (216, 228, 172)
FIELD_B = (205, 220, 160)
COMPASS = (110, 112, 128)
COMPASS_LIGHT = (236, 236, 240)


def bezier(p0, p1, p2, steps):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(steps + 1))]


# Road centre lines in picture coordinates (x right, y down); the walk follows them.
ROAD_SOUTH = [(0, 620), (1200, 620)]
ROAD_NORTH = [(0, 380), (1200, 380)]
ROAD_WEST = [(240, 380), (240, 800)]
ROAD_EAST = [(1000, 0), (1000, 800)]
ROAD_TOWN = [(500, 380), (500, 620)]
ROAD_HILL = (bezier((240, 380), (300, 90), (560, 70), 24)
             + bezier((560, 70), (800, 50), (1000, 60), 16)[1:])
ROADS = (ROAD_HILL, ROAD_NORTH, ROAD_SOUTH, ROAD_WEST, ROAD_EAST, ROAD_TOWN)
LAKE = (860, 195, 105, 58)  # centre and radii
RIVER = (bezier((880, 200), (700, 330), (680, 480), 20)
         + bezier((680, 480), (660, 640), (740, 800), 20)[1:])


def resample(points, spacing):
    """Points every `spacing` pixels of arc length along a polyline."""
    out = [points[0]]
    carry = 0.0
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        length = math.hypot(bx - ax, by - ay)
        t = spacing - carry
        while t <= length:
            out.append((ax + (bx - ax) * t / length, ay + (by - ay) * t / length))
            t += spacing
        carry = length - (t - spacing)
    return out


def draw_centre_marks(img, points):
    dense = resample(points, 2.0)
    for i in range(0, len(dense) - 5, 12):
        img.segment(dense[i], dense[i + 5], 1.5, ROAD_MARK)


def river_x(y):
    """Centre of the river at picture row y (the river runs from north-east to south)."""
    best = min(RIVER, key=lambda p: abs(p[1] - y))
    return best[0]


def draw_bridge(img, y):
    cx = river_x(y)
    for edge in (y - 9, y + 8):
        img.rect(int(cx - 30), edge, int(cx + 30), edge + 2, RAIL)


def obstacles():
    """Sample points of everything a house must keep clear of, with their clearance radius."""
    pts = []
    for road in ROADS:
        pts += [(x, y, 14.0) for x, y in resample(road, 4.0)]
    pts += [(x, y, 26.0) for x, y in resample(RIVER, 4.0)]
    return pts


def is_clear(blockers, x0, y0, x1, y1):
    for px, py, r in blockers:
        dx = max(x0 - px, 0, px - x1)
        dy = max(y0 - py, 0, py - y1)
        if dx * dx + dy * dy < r * r:
            return False
    lx, ly = (min(max(LAKE[0], x0), x1) - LAKE[0]) / (LAKE[2] + 8), \
        (min(max(LAKE[1], y0), y1) - LAKE[1]) / (LAKE[3] + 8)
    return lx * lx + ly * ly > 1.0


def draw_houses(img, rng, blockers, x0, y0, x1, y1):
    y = y0
    while y < y1 - 24:
        depth = rng.randint(24, 40)
        x = x0
        while x < x1 - 24:
            width = rng.randint(26, 52)
            if x + width > x1:
                break
            bottom = min(y + depth, y1)
            if rng.random() < 0.85 and is_clear(blockers, x, y, x + width, bottom):
                img.rect(x, y, x + width, bottom, HOUSE_EDGE)
                img.rect(x + 2, y + 2, x + width - 2, bottom - 2, HOUSE)
                img.rect(x + 2, y + depth // 2 - 1, x + width - 2, y + depth // 2, HOUSE_EDGE)
            x += width + rng.randint(8, 14)
        y += depth + rng.randint(10, 16)


def draw_compass(img, cx, cy):
    r = 34
    img.shape(cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2,
              lambda x, y: r - 1.5 <= math.hypot(x - cx, y - cy) <= r, COMPASS)
    for angle in range(0, 360, 90):
        a = math.radians(angle)
        tip = (cx + math.sin(a) * (r - 4), cy - math.cos(a) * (r - 4))
        left = (cx + math.sin(a - math.pi / 2) * 6, cy - math.cos(a - math.pi / 2) * 6)
        right = (cx + math.sin(a + math.pi / 2) * 6, cy - math.cos(a + math.pi / 2) * 6)
        dark = COMPASS if angle == 0 else (150, 152, 164)
        img.triangle(tip, left, (cx, cy), dark)
        img.triangle(tip, right, (cx, cy), COMPASS_LIGHT)
    # The letter N above the rose, 9 × 12 pixels.
    nx, ny = cx - 4, cy - r - 18
    img.rect(nx, ny, nx + 2, ny + 12, COMPASS)
    img.rect(nx + 7, ny, nx + 9, ny + 12, COMPASS)
    img.segment((nx + 1, ny + 1), (nx + 8, ny + 11), 2.2, COMPASS)


def make_map():
    img = Raster(MAP_W, MAP_H, LAND)
    rng = random.Random(1200800)
    # Gentle unevenness of the land so it does not look flat.
    for y in range(MAP_H):
        wave_y = math.sin(y / 71.0)
        for x in range(MAP_W):
            v = 3.0 * math.sin(x / 97.0) * wave_y + 2.0 * math.sin((x + 2 * y) / 53.0)
            v += ((x * 7919 + y * 104729) % 5) - 2
            i = (y * MAP_W + x) * 3
            for k in range(3):
                img.px[i + k] = max(0, min(254, LAND[k] + int(v)))

    # Park with trees in the north-west, fields in the south-east.
    img.shape(40, 40, 215, 350, lambda x, y: True, PARK)
    for _ in range(38):
        tx, ty, tr = rng.uniform(55, 200), rng.uniform(55, 335), rng.uniform(6, 11)
        img.ellipse(tx, ty, tr + 1, tr + 1, TREE_EDGE)
        img.ellipse(tx, ty, tr, tr, TREE)
    for i, y in enumerate(range(640, 800, 16)):
        img.rect(770, y, 985, y + 16, FIELD_A if i % 2 == 0 else FIELD_B)

    # Lake and river.
    # Banks first, then water, so the river runs into the lake without a seam.
    img.polyline(RIVER, 40, WATER_EDGE)
    img.ellipse(LAKE[0], LAKE[1], LAKE[2] + 4, LAKE[3] + 4, WATER_EDGE)
    img.polyline(RIVER, 34, WATER)
    img.ellipse(LAKE[0], LAKE[1], LAKE[2], LAKE[3], WATER)

    # All kerbs before all surfaces, so junctions stay open.
    for road in ROADS:
        img.polyline(road, 18, ROAD_EDGE)
    for road in ROADS:
        img.polyline(road, 14, ROAD)
    for road in ROADS:
        draw_centre_marks(img, road)
    draw_bridge(img, 380)
    draw_bridge(img, 620)

    # Town blocks between the roads, kept clear of roads and water.
    blockers = obstacles()
    for block in ((262, 400, 488, 602), (514, 400, 650, 602), (1014, 400, 1190, 602),
                  (14, 640, 228, 792), (262, 640, 640, 792), (250, 130, 700, 368)):
        draw_houses(img, rng, blockers, *block)

    # A faint grid every 100 pixels, counted from the lower-left corner like the data.
    for x in range(0, MAP_W, 100):
        for y in range(MAP_H):
            img.scale(x, y, 0.92)
    for y in range(MAP_H % 100, MAP_H, 100):
        for x in range(MAP_W):
            if x % 100:
                img.scale(x, y, 0.92)

    draw_compass(img, 1130, 80)
    return img


# --- the character --------------------------------------------------------------------------

OUTLINE = (44, 44, 56)
SHIRT = (200, 56, 52)
SLEEVE = (170, 44, 42)
HAND = (238, 196, 152)
SHOE = (84, 54, 34)
TROUSERS = (52, 72, 132)
CAP = (236, 190, 40)
VISOR = (150, 104, 16)
WHITE = (255, 255, 255)


def make_walker(left_foot_forward):
    """A walker seen from above, facing up; the two frames swap feet and arm swing."""
    img = Raster(32, 32, WHITE)
    side = -1 if left_foot_forward else 1
    front_foot = (16 + 3.5 * side, 6.5)
    back_foot = (16 - 3.5 * side, 25.5)
    img.segment((16 + 3.5 * side, 16), front_foot, 4, TROUSERS)
    img.segment((16 - 3.5 * side, 16), back_foot, 4, TROUSERS)
    img.ellipse(front_foot[0], front_foot[1] - 1, 2.2, 3.2, SHOE)
    img.ellipse(back_foot[0], back_foot[1] + 1, 2.2, 3.2, SHOE)
    # The arm opposite the front foot swings forward.
    fwd_arm, back_arm = (16 - 9.5 * side, 12.5), (16 + 9.5 * side, 20)
    img.ellipse(fwd_arm[0], fwd_arm[1], 2.4, 4.2, SLEEVE)
    img.ellipse(back_arm[0], back_arm[1], 2.4, 4.2, SLEEVE)
    img.ellipse(fwd_arm[0], fwd_arm[1] - 4.5, 1.8, 1.8, HAND)
    img.ellipse(back_arm[0], back_arm[1] + 4.5, 1.8, 1.8, HAND)
    img.ellipse(16, 16.5, 8.6, 4.6, SHIRT)
    img.ellipse(16, 15.5, 4.6, 4.6, CAP)
    img.ellipse(16, 10.2, 3.6, 2.2, VISOR)
    # A dark rim keeps the figure visible on any part of the map.
    rim = [(x, y) for y in range(32) for x in range(32) if img.get(x, y) == WHITE and any(
        0 <= x + dx < 32 and 0 <= y + dy < 32 and img.get(x + dx, y + dy) not in (WHITE, OUTLINE)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))]
    for x, y in rim:
        img.put(x, y, OUTLINE)
    return img


# --- data files -----------------------------------------------------------------------------

def write_text(path, lines, crlf):
    with open(path, "w", encoding="utf-8", newline="\r\n" if crlf else "\n") as f:
        for line in lines:
            f.write(line + "\n")


def correlation_positive():
    rng = random.Random(170)
    rows = ["height_cm,weight_kg"]
    for _ in range(200):
        h = rng.gauss(168.0, 8.0)
        w = 62.0 + 0.85 * (h - 168.0) + rng.gauss(0.0, 5.5)
        rows.append("%.2f,%.2f" % (h, w))
    return rows


def correlation_negative():
    rng = random.Random(150)
    rows = ["outdoor_temp_c,heating_kwh"]
    for _ in range(150):
        t = rng.uniform(-5.0, 30.0)
        kwh = max(0.5, 38.0 - 1.1 * t + rng.gauss(0.0, 3.5))
        rows.append("%.2f,%.2f" % (t, kwh))
    return rows


def correlation_2500():
    rng = random.Random(2500)
    rows = ["sensor_a,sensor_b"]
    for _ in range(2500):
        a = rng.gauss(0.0, 25.0)
        b = 0.55 * a + rng.gauss(0.0, 20.0)
        rows.append("%.3f,%.3f" % (a, b))
    return rows


def night_temperature():
    """A logger's readings around midnight at uneven steps, with a pause: clock times only."""
    rng = random.Random(2359)
    rows = ["time,outdoor_temp_c,heating_kw"]
    t = 23 * 3600 + 59 * 60 + 10.0
    temp = 2.4
    while t < 24 * 3600 + 100:
        heating = max(0.2, 6.5 - 1.2 * temp + rng.gauss(0.0, 0.25))
        clock = t % 86400
        rows.append("%02d:%02d:%06.3f,%.2f,%.2f" % (clock // 3600, clock // 60 % 60, clock % 60,
                                                    temp, heating))
        t += 15.0 if len(rows) == 40 else rng.uniform(0.4, 4.0)
        temp += rng.gauss(-0.03, 0.05)
    return rows


def smooth(points, window, passes):
    """Moving average that rounds the corners of a route; the end points stay."""
    half = window // 2
    for _ in range(passes):
        out = [points[0]]
        for i in range(1, len(points) - 1):
            part = points[max(0, i - half):i + half + 1]
            out.append((sum(p[0] for p in part) / len(part), sum(p[1] for p in part) / len(part)))
        points = out + [points[-1]]
    return points


# The walk's data coordinates put the origin of the data at the centre of the map: the map's
# lower-left corner stands for (-600, -400).
WALK_ORIGIN = (-600.0, -400.0)
# The small map: the south-west corner of the big one, lower than the picture area.
SMALL_BOX = (0, 500, 480, 800)


def walk_route():
    """Along the roads: east, north, over the hill road, down the east road, west over the
    bridge, through the town, east over the second bridge and south to the fields."""
    corners = [(40, 620), (240, 620)] + ROAD_HILL + [(1000, 380), (500, 380), (500, 620),
                                                      (1000, 620), (1000, 770)]
    dense = smooth(resample(corners, 2.0), 15, 3)
    length = sum(math.hypot(b[0] - a[0], b[1] - a[1]) for a, b in zip(dense, dense[1:]))
    points = resample(dense, length / 299.0)[:300]
    # Data coordinates: y up, shifted by the origin of the map's lower-left corner.
    return [(x + WALK_ORIGIN[0], MAP_H - y + WALK_ORIGIN[1]) for x, y in points]


def small_route():
    """East along the south road of the small map, then south down the west road."""
    x0, y0, x1, y1 = SMALL_BOX
    corners = [(20, 620), (240, 620), (240, 770)]
    dense = smooth(resample(corners, 2.0), 9, 3)
    length = sum(math.hypot(b[0] - a[0], b[1] - a[1]) for a, b in zip(dense, dense[1:]))
    points = resample(dense, length / 119.0)[:120]
    return [(x - x0, y1 - y) for x, y in points]


def bearing(a, b):
    """Compass bearing of travel from a to b (y up): 0 up, 90 right."""
    return math.degrees(math.atan2(b[0] - a[0], b[1] - a[1])) % 360.0


def path_rows(pts, period_ms):
    rows = ["X,Y,direction,interp_speed,plot_speed"]
    for i, p in enumerate(pts):
        d = bearing(p, pts[i + 1]) if i + 1 < len(pts) else bearing(pts[i - 1], p)
        if i == 0:
            rows.append("%.2f,%.2f,%.2f,1000,%d" % (p[0], p[1], d, period_ms))
        else:
            rows.append("%.2f,%.2f,%.2f" % (p[0], p[1], d))
    return rows


def kvt(background, origin, character, character2, data_file):
    return ["KVT_GRIDWALK_SETUP", background, "%f" % origin[0], "%f" % origin[1], character,
            character2, data_file]


def teach_points():
    return ["x,y", "60.00,180.00", "240.00,180.00", "240.00,420.00", "500.00,420.00",
            "720.00,300.00", "1000.00,240.00", "1000.00,60.00"]


def kvs(data_file, plot_ms, auto, frame):
    return (["KVT_GRIDWALK_SETUP_SOUKAN", data_file, "1", "2", "2", "%d" % plot_ms,
             "%d" % (1 if auto else 0)] + ["%.1f" % v for v in frame])


README = """# Sample files

Made for Tracelet by `tools/make_samples.py`; run the program in this folder (setup files name
their files relatively).

- `bitmap1.bmp`: 1200 × 800 24-bit map background (park, lake, river, roads, town, fields, 100-px grid, compass); the default background.
- `walker1.bmp`: 32 × 32 24-bit character, a walker seen from above facing up, left foot forward; white is transparent.
- `walker2.bmp`: the second frame of the same walker, right foot forward.
- `correlation_positive.csv`: 200 rows of height_cm, weight_kg, positively correlated (LF line ends).
- `correlation_negative.csv`: 150 rows of outdoor_temp_c, heating_kwh, negatively correlated (CR LF line ends).
- `correlation_2500.csv`: 2,500 rows of sensor_a, sensor_b, moderately correlated, both signs.
- `correlation_positive.kvs`: correlation setup for correlation_positive.csv, 100 ms per point, fixed frame X 130..200, Y 20..90.
- `correlation_negative.kvs`: correlation setup for correlation_negative.csv, 50 ms per point, fixed frame X -10..40, Y 0..60.
- `correlation_2500.kvs`: correlation setup for correlation_2500.csv, no plot speed (all points at once), automatic scale.
- `night_temperature.csv`: time (a clock time, 23:59:10 to 00:01:40, crossing midnight), outdoor_temp_c, heating_kw, logged at uneven steps of 0.4 to 4 s with one pause of 15 s.
- `night_temperature.kvs`: correlation setup for night_temperature.csv: X column 2, Y column 3, the points played at their logged clock times (column 1) five times as fast, the frame fitted to the data.
- `small_map.bmp`: 480 × 300 24-bit background, the south-west corner of bitmap1.bmp: lower than the picture area.
- `path_walk.csv`: 300 rows X, Y, direction, interpolation speed, PLOT speed: a walk along the roads of bitmap1.bmp (y up, bearing clockwise from up; 1000 and 50 ms on the first row), in data coordinates whose (0, 0) is the centre of the map.
- `path_walk.kvt`: path setup: bitmap1.bmp with origin -600,-400 (its lower-left corner), walker1.bmp and walker2.bmp, path_walk.csv.
- `path_small.csv`: 120 rows along the roads of small_map.bmp, 40 ms per point, origin 0,0.
- `path_small.kvt`: path setup: small_map.bmp with origin 0,0, walker1.bmp only, path_small.csv.
- `teach_points.csv`: seven teaching points (x, y in background pixels, y up) for `tracelet route`.
"""


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "samples")
    os.makedirs(out, exist_ok=True)

    def at(name):
        return os.path.join(out, name)

    big_map = make_map()
    write_bmp(at("bitmap1.bmp"), big_map)
    write_bmp(at("walker1.bmp"), make_walker(True))
    write_bmp(at("walker2.bmp"), make_walker(False))
    write_text(at("correlation_positive.csv"), correlation_positive(), crlf=False)
    write_text(at("correlation_negative.csv"), correlation_negative(), crlf=True)
    write_text(at("correlation_2500.csv"), correlation_2500(), crlf=False)
    write_bmp(at("small_map.bmp"), big_map.crop(*SMALL_BOX))
    write_text(at("path_walk.csv"), path_rows(walk_route(), 50), crlf=False)
    write_text(at("path_small.csv"), path_rows(small_route(), 40), crlf=False)
    write_text(at("teach_points.csv"), teach_points(), crlf=False)
    write_text(at("correlation_positive.kvs"),
               kvs("correlation_positive.csv", 100, False, (200, 130, 90, 20)), crlf=True)
    write_text(at("correlation_negative.kvs"),
               kvs("correlation_negative.csv", 50, False, (40, -10, 60, 0)), crlf=True)
    write_text(at("correlation_2500.kvs"),
               kvs("correlation_2500.csv", 0, True, (100, -100, 100, -100)), crlf=True)
    write_text(at("night_temperature.csv"), night_temperature(), crlf=False)
    write_text(at("night_temperature.kvs"),
               ["KVT_GRIDWALK_SETUP_SOUKAN", "night_temperature.csv", "2", "3", "2", "50", "1",
                "100.0", "-100.0", "100.0", "-100.0", "FRAME=FIT", "TIME_COLUMN=1", "TIME_UNIT=clock",
                "PLAY_SPEED=5"], crlf=True)
    write_text(at("path_walk.kvt"),
               kvt("bitmap1.bmp", WALK_ORIGIN, "walker1.bmp", "walker2.bmp", "path_walk.csv"),
               crlf=True)
    write_text(at("path_small.kvt"),
               kvt("small_map.bmp", (0.0, 0.0), "walker1.bmp", "", "path_small.csv"), crlf=True)
    with open(at("README.md"), "w", encoding="utf-8", newline="\n") as f:
        f.write(README)


if __name__ == "__main__":
    main()
