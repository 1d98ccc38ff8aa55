#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz harnesses into fuzz/corpus/<harness>/: the bundled samples
(small ones whole, the background as a crop) and hand-made edge files. Harness settings that
FuzzedDataProvider takes from the end of an input are appended in the order the harness asks."""
import pathlib
import struct
import zlib

top = pathlib.Path(__file__).resolve().parent.parent
samples = top / "samples"
corpus = top / "fuzz" / "corpus"


def write(harness, name, data):
    folder = corpus / harness
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data if isinstance(data, bytes) else data.encode("latin-1"))


def tail(*fields):
    """fields: (value, byte count) in the order the harness consumes them; each taken from the end,
    most significant byte last."""
    out = bytearray()
    for value, count in fields:
        chunk = [(value >> (8 * i)) & 0xFF for i in range(count)]  # least significant first
        out[0:0] = bytes(chunk)  # consumed from the end: later fields sit further left
    return bytes(out)


def text_field(text):
    """A FuzzedDataProvider random-length string: backslashes doubled, ended by backslash + other."""
    return text.replace("\\", "\\\\").encode("latin-1") + b"\\ "


# --- correlation: data file with column, row and frame settings ---------------------------------
def corr_seed(name, csv, x=1, y=2, use_y=True, start=1, auto=True, frame=("100", "-100", "100", "-100"), tick=3):
    head = b"".join(text_field(v) for v in frame)
    body = csv.encode("latin-1") if isinstance(csv, str) else csv
    settings = tail((x + 2, 2), (y + 2, 2), (1 if use_y else 0, 1), (start + 1, 1), (1 if auto else 0, 1))
    write("corr_frame", name, head + body + tail((tick, 2)) + settings)


corr_seed("positive", (samples / "correlation_positive.csv").read_bytes()[:1500], start=2)
corr_seed("negative", (samples / "correlation_negative.csv").read_bytes()[:1500], start=2, auto=False,
          frame=("50", "-50", "20", "-20"))
corr_seed("frame-1010-extreme", "0,0\n1e308,-1e308\n2147483647,2147483648\n", auto=False, frame=("1", "0", "1", "0"))
corr_seed("infinite", "1e999,5\n-1e999,6\n3,-1e999\n", auto=False, frame=("1e999", "-1e999", "1", "0"))
corr_seed("same-x", "5,1\n5,2\n5,3\n5,9\n")
corr_seed("same-y", "1,4\n2,4\n3,4\n")
corr_seed("blank-line", "1,2\n3,4\n\n5,6\n")
corr_seed("short-rows", "3,4\n5\n,7\n4,5,\n1.5,,3\n8,")
corr_seed("crlf-heading", "x,y\r\n1e3,2\r\n-3.5e-2,  7 \r\n", start=2)
corr_seed("long-line", "1," + "9" * 600 + "\n2,3\n")
corr_seed("nul-bytes", b"1\x002,3\n4,5\x00\n")
corr_seed("column-beyond", "1,2,3\n4,5,6\n", x=1025, y=-1)
# Spreadsheet dialects and byte-order marks.
positive = (samples / "correlation_positive.csv").read_text()[:1200]
dialect = lambda text, sep, mark: text.replace(",", "\0").replace(".", mark).replace("\0", sep)
utf16 = lambda text, big: (b"\xfe\xff" + text.encode("utf-16-be")) if big else (b"\xff\xfe" + text.encode("utf-16-le"))
corr_seed("semicolon-decimal-comma", dialect(positive, ";", ","), start=2)
corr_seed("semicolon-point", dialect(positive, ";", "."), start=2)
corr_seed("tab-decimal-comma", dialect(positive, "\t", ","), start=2)
corr_seed("utf8-mark", b"\xef\xbb\xbf" + positive.encode(), start=2)
corr_seed("utf16-le-tab", utf16(dialect(positive, "\t", ","), False), start=2)
corr_seed("utf16-be-semicolon", utf16(dialect(positive, ";", ","), True), start=2)
corr_seed("utf16-lone-surrogate-odd", b"\xff\xfe1\x00;\x002\x00\x00\xd8\n\x003\x00;\x00\x00\xdc4")
corr_seed("mixed-separators", "1;2,5\t3\n4,5;6\n;;\n\t,\n")
corr_seed("tiny-range", "12.98,0.001\n12.5,0.0011\n", auto=False, frame=("0.5", "0.4", "1e-300", "-1e-300"))

# --- the data file reader alone: the same seeds in every dialect and mark ------------------------
def data_seed(name, body, x=1, y=2, use_y=True, start=1, path=False):
    body = body.encode("latin-1") if isinstance(body, str) else body
    write("data_file", name, body + tail((x + 2, 2), (y + 2, 2), (1 if use_y else 0, 1), (start + 1, 1),
                                        (1 if path else 0, 1)))


walk = (samples / "path_walk.csv").read_text()[:1500]
data_seed("comma", positive, start=2)
data_seed("comma-integers", "1,5\n2,6\n3,7\n")
data_seed("semicolon-decimal-comma", dialect(positive, ";", ","), start=2)
data_seed("semicolon-point", dialect(positive, ";", "."), start=2)
data_seed("tab-decimal-comma", dialect(positive, "\t", ","), start=2)
data_seed("tab-point", dialect(positive, "\t", "."), start=2)
data_seed("utf8-mark", b"\xef\xbb\xbf" + positive.encode(), start=2)
data_seed("utf16-le-tab", utf16(dialect(positive, "\t", ","), False), start=2)
data_seed("utf16-be-semicolon", utf16(dialect(positive, ";", ","), True), start=2)
data_seed("utf16-no-final-line-feed", utf16("1;2\n3;4", False))
data_seed("path-walk", walk, start=2, path=True)
data_seed("path-semicolon", dialect(walk, ";", ","), start=2, path=True)
data_seed("path-no-heading", "0,0,90,1000,50\n10,5,90\n", start=2, path=True)
data_seed("mixed-separators", "1;2,5\t3\n4,5;6\n;;\n\t,\n", x=3, y=1)
data_seed("quoted", '"x","y"\r\n"26,44","25,50"\r\n"1.5", "2"\r\n"a,""b""",3\r\n"open\nline",4,5\r\n"', start=2)
data_seed("quoted-semicolon", '"1,5";"2,5"\n"3";"x;y"\n""";4\n', start=1)
data_seed("left-out-lines", "x,y\n1,2\n\n \t\nTotal,9\n3,4\rN/A,5\r16,5;160,75\n\n\n", start=2)

# --- setup files ---------------------------------------------------------------------------------
for kvs in samples.glob("*.kvs"):
    write("kvs", kvs.stem, kvs.read_bytes())
CRLF = "\r\n"
corr_lines = ["KVT_GRIDWALK_SETUP_SOUKAN", "points.csv", "3", "5", "2", "100", "0", "50.0", "-50.0", "20.0", "-20.0"]
write("kvs", "lf-only", "\n".join(corr_lines) + "\n")
write("kvs", "no-final-line-feed", CRLF.join(corr_lines))
write("kvs", "cut-after-5", CRLF.join(corr_lines[:5]) + CRLF)
write("kvs", "magic-trailing-blank", "KVT_GRIDWALK_SETUP_SOUKAN " + CRLF + CRLF.join(corr_lines[1:]) + CRLF)
write("kvs", "magic-only", "KVT_GRIDWALK_SETUP_SOUKAN")
write("kvs", "extreme-numbers", CRLF.join(corr_lines[:2] + ["99999999999", "-2147483649", "0", "-5", "7",
                                                           "1e999", "-1e999", "nan", "0x10"]) + CRLF)
write("kvs", "utf8-mark", b"\xef\xbb\xbf" + CRLF.join(corr_lines).encode() + b"\r\n")
write("kvs", "utf16-le", b"\xff\xfe" + (CRLF.join(corr_lines) + CRLF).encode("utf-16-le"))
write("kvs", "long-path", CRLF.join(corr_lines[:1] + ["p" * 700] + corr_lines[2:]) + CRLF)
for kvt in samples.glob("*.kvt"):
    write("kvt", kvt.stem, kvt.read_bytes())
path_lines = ["KVT_GRIDWALK_SETUP", "bitmap1.bmp", "-50.700000", "12.000000", "walker1.bmp", "", "walk.csv"]
write("kvt", "empty-paths", CRLF.join(path_lines[:1] + ["", "0.000000", "0.000000", "", "", "walk.csv"]) + CRLF)
write("kvt", "utf16-be", b"\xfe\xff" + (CRLF.join(path_lines) + CRLF).encode("utf-16-be"))
write("kvt", "no-final-line-feed", CRLF.join(path_lines))
write("kvt", "cut-after-3", CRLF.join(path_lines[:3]) + CRLF)
write("kvt", "wrong-magic", CRLF.join(["KVT_GRIDWALK_SETUP_SOUKAN"] + path_lines[1:]) + CRLF)
write("kvt", "extreme-origin", CRLF.join(path_lines[:2] + ["1e308", "-1e999"] + path_lines[4:]) + CRLF)
write("kvt", "backslash-paths", CRLF.join(path_lines[:1] + ["C:\\maps\\a.bmp", "1", "2", "C:\\c.bmp", "c2.bmp", "d.csv"]) + CRLF)


# --- bitmaps ---------------------------------------------------------------------------------------
def bmp(width, height, bits=24, pixel=lambda x, y: (255, 255, 255), palette=None, compression=0,
        rows=None, top_down=False):
    stride = (width * bits + 31) // 32 * 4
    if rows is None:
        data = bytearray()
        for y in range(height):
            row = bytearray()
            if bits == 24:
                for x in range(width):
                    r, g, b = pixel(x, y)
                    row += bytes((b, g, r))
            elif bits == 32:
                for x in range(width):
                    r, g, b = pixel(x, y)
                    row += bytes((b, g, r, 0))
            elif bits == 8:
                row += bytes((x + y) & 0xFF for x in range(width))
            elif bits == 1:
                row += bytes(0xAA for _ in range((width + 7) // 8))
            elif bits == 4:
                row += bytes(0x12 for _ in range((width + 1) // 2))
            elif bits == 16:
                for x in range(width):
                    row += struct.pack("<H", (x * 997 + y) & 0x7FFF)
            data += row.ljust(stride, b"\0")
    else:
        data = rows
    palette = palette or b""
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits, compression,
                       len(data), 2835, 2835, len(palette) // 4, 0)
    return header + info + palette + bytes(data)


figure = lambda x, y: (255, 255, 255) if (x - 16) ** 2 + (y - 16) ** 2 > 100 else (200, 30, 60)


def character_seed(name, file, slot=1, degrees=90.0, x=30, y=30):
    write("character", name, struct.pack("<d", degrees) + file + tail((slot, 1), (x + 40, 1), (y + 40, 1)))


walker = (samples / "walker1.bmp").read_bytes()
character_seed("walker-90", walker)
character_seed("walker2-slot2-45", (samples / "walker2.bmp").read_bytes(), slot=2, degrees=45.0)
character_seed("walker-nan", walker, degrees=float("nan"))
character_seed("png-robot", (samples / "robot.png").read_bytes(), degrees=30.0)
character_seed("walker-huge-angle", walker, degrees=1e300, x=-30, y=99)
character_seed("drawn-figure-180", bmp(32, 32, pixel=figure), degrees=180.0)
character_seed("top-down", bmp(32, 32, pixel=figure, top_down=True))
character_seed("wrong-size", bmp(31, 32, pixel=figure))
character_seed("eight-bit", bmp(32, 32, bits=8, palette=bytes(range(256)) * 4))
character_seed("offset-past-end", bytearray(bmp(32, 32, pixel=figure))[:10] + struct.pack("<I", 0xFFFFFFF0)
               + bmp(32, 32, pixel=figure)[14:])
character_seed("headers-only", bmp(32, 32, pixel=figure)[:54])
character_seed("slot-zero", walker, slot=0)


def background_seed(name, data):
    write("background", name, data)


big = (samples / "bitmap1.bmp").read_bytes()
bw, bh = struct.unpack("<ii", big[18:26])
bstride = (bw * 3 + 3) // 4 * 4
boff = struct.unpack("<I", big[10:14])[0]
crop_rows = bytearray()
for y in range(48):
    start = boff + (bh - 48 + y) * bstride  # the crop from the picture's lower-left corner
    crop_rows += big[start:start + 64 * 3].ljust((64 * 3 + 3) // 4 * 4, b"\0")
background_seed("map-crop-24", bmp(64, 48, rows=crop_rows))
background_seed("walker-24", walker)
background_seed("gray-8", bmp(40, 30, bits=8, palette=b"".join(bytes((i, i, i, 0)) for i in range(256))))
background_seed("mono-1", bmp(33, 9, bits=1, palette=b"\0\0\0\0\xff\xff\xff\0"))
background_seed("sixteen-4", bmp(17, 5, bits=4, palette=bytes(range(64))))
background_seed("rgb555-16", bmp(20, 6, bits=16))
background_seed("bgrx-32", bmp(12, 7, bits=32, pixel=figure))
background_seed("top-down-24", bmp(30, 20, pixel=figure, top_down=True))
rle = bytes((3, 1, 2, 2, 0, 0, 3, 4, 0, 1))  # runs, end of line, end of bitmap
background_seed("rle-8", bmp(5, 2, bits=8, palette=bytes(range(64)) * 4, compression=1, rows=rle))
background_seed("truncated", bmp(64, 64, pixel=figure)[:300])
# Two million pixels wide, nine high, one bit deep, and cut short.
background_seed("wide-mono-cut", bytes.fromhex(
    "424d4300000000002b003e00000028000000000021000900000001000100000000004800000013f606f606ffec0b0000"
    "00000000000000000000000000000000000000"))
background_seed("huge-claim", bmp(4, 4)[:18] + struct.pack("<ii", 60000, 60000) + bmp(4, 4)[26:])


def png(width, height):
    raw = b"".join(b"\0" + b"".join(bytes((x * 8 & 255, y * 8 & 255, 128)) for x in range(width)) for y in range(height))
    chunk = lambda kind, body: struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


background_seed("tiny-png", png(9, 7))
background_seed("ppm", b"P6 3 2 255\n" + bytes(range(18)))

# --- route: teaching points with interpolation settings -------------------------------------------
def route_seed(name, points, curve=False, divisions=10, move=1000, zoom=0, start=1):
    body = points.encode("latin-1") if isinstance(points, str) else points
    write("route", name, body + tail((1 if curve else 0, 1), (divisions - 1, 1), (move - 10, 2),
                                     (zoom, 1), (start - 1, 1)))


teach = (samples / "teach_points.csv").read_text()
route_seed("teach-linear", teach, start=2)
route_seed("teach-curve-zoom", teach, curve=True, divisions=20, zoom=2, start=2)
route_seed("two-points", "0,0\n100,0\n", divisions=4)
route_seed("repeated-points-curve", "5,5\n5,5\n5,5\n9,1\n", curve=True, divisions=3)
route_seed("straight-up", "0,0\n0,10\n0,20\n", curve=True, divisions=100, move=10)
route_seed("extreme", "1e308,-1e308\n-1e308,1e308\n1e999,0\n", curve=True)
route_seed("one-point", "7,7\n")
route_seed("teach-semicolon-utf16", b"\xff\xfe" + teach.replace(",", ";").replace(".", ",").encode("utf-16-le"), start=2)
route_seed("collinear-curve", "".join(f"{i},{2 * i}\n" for i in range(40)), curve=True, divisions=7)
