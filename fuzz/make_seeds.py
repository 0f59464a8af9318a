#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora, fuzz/corpus/<target>/, from the game directory a build
assembled (our own generated pictures, data files and world 0) and a few small pictures of every
depth made here. Run it again after a change of a format: python3 fuzz/make_seeds.py build/game
"""
import os
import struct
import sys

game = sys.argv[1] if len(sys.argv) > 1 else "build/game"
here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)


def read(path):
    with open(os.path.join(game, path), "rb") as f:
        return f.read()


def seeds(target, named):
    folder = os.path.join(here, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    for name, data in named.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def keys(*runs):
    """Button bytes, one per frame: (frames, byte) runs. Bits: Enter, Left, Right, Up, Down, A, D, R."""
    return b"".join(bytes([b]) * n for n, b in runs)


ENTER, LEFT, RIGHT, UP, DOWN, A, D, R = (1 << i for i in range(8))
world_files = [read("map/000/" + f) for f in ("stage.txt", "score.txt", "name.txt", "map.txt", "screen.txt")]
walk = keys((60, 0), (16, RIGHT), (30, 0), (1, ENTER), (40, 0), (1, D), (35, 0), (20, LEFT), (1, A), (5, 0))
small = [b"2\n0 0\n0 0\n", b"000 000 000\n003 999 000\n", b"hall room\n",
         b"0 0 3 3\n10 10 10\n210 230 41\n10 10 10\n\n5 0 3 3\n10 10 10\n200 2041 220\n10 10 10\n",
         b"1\n0 0\n640 480\n0 0\n0 0\n320 240\n"]
seeds("world", {
    "world0": b"\0".join(world_files) + b"\0" + walk,
    "world0-turns": b"\0".join(world_files) + b"\0" + keys((70, 0), (1, A), (40, 0), (1, A), (40, 0), (1, R)),
    "small-backdrop": b"\0".join(small) + b"\0" + keys((50, 0), (20, RIGHT), (1, D), (40, 0)),
})
seeds("cleared_map", {f"clear00{r}": read(f"map/000/clear00{r}.txt") for r in (1, 2, 3)})
seeds("save_ending", {
    "new-game": read("data/save.txt") + b"\0" + read("map/ending.txt"),
    "world2": b"2 5 2\0" + b"4",
    "short": b"1 5\0" + b"0",
})
seeds("key_config", {
    "shipped": read("data/JoyKey.txt") + b"\0" + bytes([1, 1, 0, 2, 0x40, 0x40, 0x20, 0x80, 0, 4, 8, 0]),
    "short": b"3 4 -1\0" + bytes([0xFF, 0, 0xFF]),
})
seeds("glyph_table", {"shipped": read("data/mojidata.txt")})
menu_keys = keys((8, 0), (1, DOWN), (4, 0), (1, UP), (4, 0), (1, ENTER), (30, 0))
seeds("result_scripts", {
    "shipped": read("data/resultscript_over.txt") + b"\0" + read("data/resultscript_next.txt") + b"\0" + menu_keys,
})
select_keys = keys((10, 0), (1, DOWN), (15, 0), (1, UP), (15, 0), (1, ENTER), (10, 0), (1, R), (8, 0))
seeds("world_select", {
    "shipped": read("data/WorldSelect.txt") + b"\0" + read("data/save.txt") + b"\0" + select_keys,
    "all-open": read("data/WorldSelect.txt") + b"\0" + b"2 5 4" + b"\0" + select_keys,
})
seeds("select_positions", {
    "shipped": read("data/p_select_loc.txt") + b"\0" + b"0 5 4" + b"\0" + select_keys,
    "same-place": b"100 100 100 100 100 100\n" + b"\0" + b"1 3 2" + b"\0" + select_keys,
})
options_keys = keys((4, 0), (1, DOWN), (2, 0), (1, DOWN), (2, 0), (1, ENTER), (8, 0), (1, DOWN), (2, 0),
                    (1, ENTER), (8, 0), (1, R), (10, 0))
seeds("option_labels", {
    "shipped": read("data/optiondata.txt") + b"\0" + read("data/joykeystr.txt") + b"\0" + options_keys,
})
seeds("title_paths", {"shipped": read("data/titledata.txt") + b"\0" + keys((12, 0), (1, ENTER), (6, 0))})


def bmp(width, height, bits, pixels, palette=(), compression=0, masks=()):
    """A BMP file with a 40-byte header; pixels are the stored bytes, rows bottom up."""
    table = b"".join(struct.pack("<I", c) for c in palette) + b"".join(struct.pack("<I", m) for m in masks)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels), 2835, 2835,
                       len(palette), 0)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + table + pixels


def rows(width, height, bits, value):
    row = (width * bits + 31) // 32 * 4
    return bytes((value + i) & 0xFF for i in range(row * height))


seeds("bitmap", {
    "cursor": read("bmp/cursor.bmp"),
    "g1": read("bmp/g1.bmp"),
    "one-bit": bmp(13, 3, 1, rows(13, 3, 1, 0x55), (0xFF00FF, 0x102030)),
    "four-bit": bmp(7, 4, 4, rows(7, 4, 4, 0x12), tuple(0x111111 * i for i in range(16))),
    "eight-bit": bmp(5, 5, 8, rows(5, 5, 8, 3), tuple(0x010203 * i for i in range(256))),
    "rle8": bmp(20, 2, 8, b"\x0a\x01\x0a\x02\x00\x00\x05\x03\x00\x03\x04\x05\x06\x00\x00\x01", (0, 0xFF00FF, 0x00FF00, 0x0000FF, 0x123456, 0x654321, 0xABCDEF), 1),
    "rle4": bmp(9, 1, 4, b"\x09\x12\x00\x01", tuple(0x101010 * i for i in range(16)), 2),
    "sixteen-bit": bmp(6, 3, 16, rows(6, 3, 16, 0x7C), (), 3, (0x7C00, 0x03E0, 0x001F)),
    "thirty-two-bit": bmp(3, 3, 32, rows(3, 3, 32, 0x40)),
})
scripts = {}
for world in sorted(os.listdir(os.path.join(root, "tests/game/solutions"))):
    for name in sorted(os.listdir(os.path.join(root, "tests/game/solutions", world))):
        with open(os.path.join(root, "tests/game/solutions", world, name), "rb") as f:
            scripts[world + "-" + name.replace(".txt", "")] = f.read()
scripts["readme"] = b"# walk right, jump, turn the room clockwise\n30 -\n12 RIGHT\n1 RIGHT+UP\n1 D\n"
seeds("input_script", scripts)
