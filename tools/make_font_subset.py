#!/usr/bin/env python3
"""Cuts the efont bitmap strikes down to the characters Tracelet can draw.

    make_font_subset.py --output FILE.cpp --sources DIR... [--translations DIR]
                        [--notice COPYRIGHT] STRIKE.pcf.gz...

The characters are every character of the string and character literals in the C++ files under
the source folders (comments are passed over), every <translation> text of the .ts catalogues in
the translations folder when there is one, and printable ASCII. Each strike is written back as a
PCF with only those glyphs; its properties and accelerators stay as they are, so the face keeps
its family, ascent, descent and widths, and Qt lays out and draws the kept glyphs as before. The
output is a C++ file holding the strikes zlib-compressed in qCompress's format, headed by the
font's copyright notice. It is rewritten only when its text changes.
"""

import argparse
import gzip
import os
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree
import zlib

PROPERTIES, ACCELERATORS, METRICS, BITMAPS = 1, 2, 4, 8
INK_METRICS, ENCODINGS, SWIDTHS, GLYPH_NAMES, BDF_ACCELERATORS = 16, 32, 64, 128, 256
COMPRESSED_METRICS = 0x100
NO_GLYPH = 0xFFFF

# Glyphs redrawn: the 10-pixel strike's full stop is a small cross, which reads as a plus sign
# between digits ("165+0"); a square dot on the baseline reads as a decimal point.
REDRAWN_GLYPHS = {
    "b10": {ord("."): ["", "", "", "", "", "", "..##.", "..##.", "", ""]},
}

SOURCE_SUFFIXES = (".cpp", ".h")
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", "\\": "\\", '"': '"', "'": "'"}


# --- which characters ------------------------------------------------------------------------


def literal_texts(code):
    """The texts of the string and character literals of C++ source, comments skipped."""
    texts = []
    i, n = 0, len(code)
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif c == '"' and i > 0 and code[i - 1] == "R":
            delimiter = code[i + 1 : code.index("(", i)]
            end = code.index(")" + delimiter + '"', i)
            texts.append(code[i + 2 + len(delimiter) : end])
            i = end + len(delimiter) + 2
        elif c in "\"'":
            # A quote between digits is a digit separator (10'000), not a literal.
            if c == "'" and i > 0 and code[i - 1].isalnum() and not code[i - 1] in "uUL8":
                i += 1
                continue
            j, text = i + 1, []
            while j < n and code[j] != c:
                if code[j] == "\\" and j + 1 < n:
                    j, char = unescape(code, j)
                    text.append(char)
                else:
                    text.append(code[j])
                    j += 1
            texts.append("".join(text))
            i = j + 1
        else:
            i += 1
    return texts


def unescape(code, j):
    """The character of the escape at code[j] ('\\') and the index after it."""
    kind = code[j + 1]
    if kind in "uU":
        digits = 4 if kind == "u" else 8
        return j + 2 + digits, chr(int(code[j + 2 : j + 2 + digits], 16))
    return j + 2, ESCAPES.get(kind, "")


def source_characters(folders):
    chars = set()
    for folder in folders:
        for root, _, files in os.walk(folder):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    with open(os.path.join(root, name), encoding="utf-8") as f:
                        for text in literal_texts(f.read()):
                            chars.update(text)
    return chars


def translation_characters(folder):
    chars = set()
    if not folder or not os.path.isdir(folder):
        return chars
    for name in sorted(os.listdir(folder)):
        if name.endswith(".ts"):
            for element in ElementTree.parse(os.path.join(folder, name)).iter("translation"):
                chars.update("".join(element.itertext()))
    return chars


def wanted_characters(source_folders, translations):
    chars = source_characters(source_folders) | translation_characters(translations)
    chars.update(chr(c) for c in range(0x20, 0x7F))
    return sorted(ord(c) for c in chars if ord(c) >= 0x20)


# --- PCF -------------------------------------------------------------------------------------


class Table:
    def __init__(self, data, offset):
        self.data = data
        (self.format,) = struct.unpack_from("<I", data, offset)
        self.order = ">" if self.format & 4 else "<"
        self.at = offset + 4

    def read(self, kind, count=1):
        values = struct.unpack_from(self.order + kind * count, self.data, self.at)
        self.at += struct.calcsize(self.order + kind * count)
        return values if count > 1 else values[0]


def read_tables(data):
    if data[:4] != b"\x01fcp":
        raise ValueError("not a PCF font")
    (count,) = struct.unpack_from("<I", data, 4)
    tables = {}
    for i in range(count):
        kind, fmt, size, offset = struct.unpack_from("<IIII", data, 8 + 16 * i)
        tables[kind] = (fmt, size, offset)
    return tables


def read_metrics(data, offset):
    table = Table(data, offset)
    if table.format & COMPRESSED_METRICS:
        count = table.read("H")
        metrics = [tuple(b - 0x80 for b in table.read("B", 5)) + (0,) for _ in range(count)]
    else:
        count = table.read("I")
        metrics = [table.read("h", 6) for _ in range(count)]
    return table.format, metrics


def write_metrics(fmt, metrics):
    order = ">" if fmt & 4 else "<"
    out = struct.pack("<I", fmt)
    if fmt & COMPRESSED_METRICS:
        out += struct.pack(order + "H", len(metrics))
        for m in metrics:
            out += bytes(v + 0x80 for v in m[:5])
    else:
        out += struct.pack(order + "I", len(metrics))
        for m in metrics:
            out += struct.pack(order + "6h", *m)
    return out


def bitmap_size(metric, pad):
    left, right, _, ascent, descent, _ = metric
    row = (right - left + 7) // 8
    row = (row + pad - 1) // pad * pad
    return row * (ascent + descent)


def redrawn_rows(rows, pad):
    """A glyph's bitmap from rows of '#' and '.', MSB first, each row padded to pad bytes."""
    out = b""
    for row in rows:
        bits = sum(0x80 >> i for i, c in enumerate(row) if c == "#")
        out += bytes([bits]) + b"\0" * (pad - 1)
    return out


def subset_pcf(data, codes, redrawn=None):
    """The PCF font data with only the glyphs of these code points (and its default glyph); the
    glyphs of redrawn (code point: rows) get those rows instead."""
    tables = read_tables(data)
    encodings = Table(data, tables[ENCODINGS][2])
    first2, last2, first1, last1, default = encodings.read("H", 5)
    per_row = last2 - first2 + 1
    index = encodings.read("H", per_row * (last1 - first1 + 1))

    def glyph_of(code):
        hi, lo = code >> 8, code & 0xFF
        if not (first1 <= hi <= last1 and first2 <= lo <= last2):
            return NO_GLYPH
        return index[(hi - first1) * per_row + lo - first2]

    kept = [(code, glyph_of(code)) for code in sorted(set(codes) | {default})]
    kept = [(code, glyph) for code, glyph in kept if glyph != NO_GLYPH]
    old = [glyph for _, glyph in kept]

    metrics_format, metrics = read_metrics(data, tables[METRICS][2])
    new_tables = {
        PROPERTIES: table_bytes(data, tables[PROPERTIES]),
        ACCELERATORS: table_bytes(data, tables[ACCELERATORS]),
        METRICS: write_metrics(metrics_format, [metrics[g] for g in old]),
    }
    if BDF_ACCELERATORS in tables:
        new_tables[BDF_ACCELERATORS] = table_bytes(data, tables[BDF_ACCELERATORS])
    if INK_METRICS in tables:
        ink_format, ink = read_metrics(data, tables[INK_METRICS][2])
        new_tables[INK_METRICS] = write_metrics(ink_format, [ink[g] for g in old])

    # Bitmaps: the kept glyphs' rows, one after the other.
    bitmaps = Table(data, tables[BITMAPS][2])
    count = bitmaps.read("I")
    offsets = bitmaps.read("I", count)
    sizes = bitmaps.read("I", 4)
    pad = 1 << (bitmaps.format & 3)
    start = bitmaps.at
    rows, new_offsets = b"", []
    redrawn = redrawn or {}
    if redrawn and (bitmaps.format & 0xC) != 0xC:
        raise ValueError("redrawn glyphs need MSB-first bits and bytes")
    for code, g in kept:
        new_offsets.append(len(rows))
        length = bitmap_size(metrics[g], pad)
        if code in redrawn and len(redrawn[code]) * pad == length:
            rows += redrawn_rows(redrawn[code], pad)
        else:
            rows += data[start + offsets[g] : start + offsets[g] + length]
    del sizes
    new_sizes = [sum(bitmap_size(metrics[g], 1 << p) for g in old) for p in range(4)]
    o = bitmaps.order
    new_tables[BITMAPS] = (
        struct.pack("<I", bitmaps.format)
        + struct.pack(o + "I", len(old))
        + struct.pack(o + "%dI" % len(old), *new_offsets)
        + struct.pack(o + "4I", *new_sizes)
        + rows
    )

    # Encodings: the smallest byte1 × byte2 block that holds every kept code.
    his = [code >> 8 for code, _ in kept]
    los = [code & 0xFF for code, _ in kept]
    f1, l1, f2, l2 = min(his), max(his), min(los), max(los)
    cells = [NO_GLYPH] * ((l1 - f1 + 1) * (l2 - f2 + 1))
    for new, (code, _) in enumerate(kept):
        cells[((code >> 8) - f1) * (l2 - f2 + 1) + (code & 0xFF) - f2] = new
    o = encodings.order
    new_tables[ENCODINGS] = (
        struct.pack("<I", encodings.format)
        + struct.pack(o + "5H", f2, l2, f1, l1, default)
        + struct.pack(o + "%dH" % len(cells), *cells)
    )

    if SWIDTHS in tables:
        swidths = Table(data, tables[SWIDTHS][2])
        all_widths = swidths.read("I", swidths.read("I"))
        new_tables[SWIDTHS] = (
            struct.pack("<I", swidths.format)
            + struct.pack(swidths.order + "I", len(old))
            + struct.pack(swidths.order + "%dI" % len(old), *[all_widths[g] for g in old])
        )
    # Glyph names are left out: nothing looks glyphs up by name.
    return write_pcf(new_tables, {kind: tables[kind][0] for kind in new_tables})


def table_bytes(data, entry):
    _, size, offset = entry
    return data[offset : offset + size]


def write_pcf(tables, formats):
    kinds = sorted(tables)
    header = 8 + 16 * len(kinds)
    out, toc, offset = b"", b"", header
    for kind in kinds:
        body = tables[kind] + b"\0" * (-len(tables[kind]) % 4)
        toc += struct.pack("<IIII", kind, formats[kind], len(tables[kind]), offset)
        out += body
        offset += len(body)
    return b"\x01fcp" + struct.pack("<I", len(kinds)) + toc + out


# --- output ----------------------------------------------------------------------------------


def cpp_file(strikes, notice, codes):
    lines = ["// Generated by tools/make_font_subset.py from the efont bitmap strikes; do not edit."]
    lines.append("// %d characters: those of the program's texts and printable ASCII." % len(codes))
    lines.append("//")
    lines += [("// " + line).rstrip() for line in notice.splitlines()]
    lines += ["", '#include "platform/GothicFonts.h"', "", "namespace {"]
    for name, blob in strikes:
        packed = struct.pack(">I", len(blob)) + zlib.compress(blob, 9)
        lines.append("const unsigned char k_%s[] = {" % name)
        for i in range(0, len(packed), 24):
            lines.append("    " + ", ".join(str(b) for b in packed[i : i + 24]) + ",")
        lines.append("};")
    lines += ["} // namespace", "", "std::vector<GothicStrikeData> gothicStrikeData()", "{"]
    entries = ", ".join(
        "{ %s, k_%s, sizeof k_%s }" % (re.sub(r"\D", "", name), name, name)
        for name, _ in strikes
    )
    lines += ["    return { %s };" % entries, "}", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", required=True)
    parser.add_argument("--sources", nargs="+", required=True)
    parser.add_argument("--translations")
    parser.add_argument("--notice")
    parser.add_argument("strikes", nargs="*")
    args = parser.parse_args()

    codes = wanted_characters(args.sources, args.translations)
    strikes = []
    for path in args.strikes:
        name = os.path.basename(path).split(".")[0]
        opener = gzip.open if path.endswith(".gz") else open
        with opener(path, "rb") as f:
            strikes.append((name, subset_pcf(f.read(), codes, REDRAWN_GLYPHS.get(name))))
    notice = ""
    if args.notice and os.path.exists(args.notice):
        with open(args.notice, encoding="utf-8") as f:
            notice = f.read()
    text = cpp_file(strikes, notice, codes)
    try:
        with open(args.output, encoding="utf-8") as f:
            if f.read() == text:
                return 0
    except OSError:
        pass
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
