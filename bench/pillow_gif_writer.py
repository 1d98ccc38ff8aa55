#!/usr/bin/python3
"""The fastest animated-GIF writer we could make with Python and Pillow, for comparison with
`tracelet render`: it writes given frames with one shared palette, no dithering and Pillow's own
changed-rectangle optimisation off (frames are already small deltas of each other).

usage: pillow_gif_writer.py FRAMES.gif OUT.gif [--repeat N]
Reads the frames of FRAMES.gif (e.g. one that tracelet wrote), converts them once to a shared
palette, then times only the writing and prints frames per second, by the clock and per second of
CPU time (Pillow writes on one core, so the latter is its speed per core)."""
import sys
import time

from PIL import Image


def load_frames(path):
    frames = []
    with Image.open(path) as gif:
        for index in range(gif.n_frames):
            gif.seek(index)
            frames.append(gif.convert("RGB"))
    # One palette for every frame: the colours of all frames together (they are few).
    colours = {}
    for frame in frames:
        found = frame.getcolors(256)
        if found is None:
            sys.exit("a frame has more than 256 colours; this writer keeps one exact palette")
        for _, colour in found:
            colours.setdefault(colour, len(colours))
    if len(colours) > 256:
        sys.exit("more than 256 colours; this writer keeps one exact palette")
    palette = Image.new("P", (1, 1))
    flat = [channel for colour in colours for channel in colour]
    palette.putpalette(flat + [0] * (768 - len(flat)))
    return [frame.quantize(palette=palette, dither=Image.Dither.NONE) for frame in frames]


def main():
    source, target = sys.argv[1], sys.argv[2]
    repeat = int(sys.argv[4]) if len(sys.argv) > 4 and sys.argv[3] == "--repeat" else 1
    frames = load_frames(source)
    best = best_cpu = None
    for _ in range(repeat):
        start, start_cpu = time.perf_counter(), time.process_time()
        frames[0].save(target, save_all=True, append_images=frames[1:], duration=50, loop=0,
                       optimize=False, disposal=1)
        elapsed, cpu = time.perf_counter() - start, time.process_time() - start_cpu
        best = elapsed if best is None else min(best, elapsed)
        best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
    print(f"pillow {Image.__version__}: {len(frames)} frames in {best:.3f} s = "
          f"{len(frames) / best:.1f} frames/s, {len(frames) / best_cpu:.1f} frames per CPU second")


if __name__ == "__main__":
    main()
