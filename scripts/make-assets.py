#!/usr/bin/env python3
"""Draws the window icon and the three sponsor banners into assets/.

The sponsors are invented. ImageMagick (`convert`, from Debian's imagemagick)
draws the banners; this script then maps them onto a fixed 256-colour palette
and writes them as uncompressed 8-bit BMP files, and writes the 16 x 16,
16-colour icon pixel by pixel. The files are committed; run this only to
change them.
"""
import struct
import subprocess
import tempfile
import zlib
from pathlib import Path

ASSETS = Path(__file__).resolve().parent.parent / "assets"
BOLD = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
REGULAR = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"

# Six levels of red, green and blue, then forty greys: 256 colours.
PALETTE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE += [(v, v, v) for v in (round(255 * (i + 1) / 41) for i in range(40))]
assert len(PALETTE) == 256


def nearest(rgb, palette):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(rgb, palette[i])))


def write_bmp8(path, width, height, pixels):
    """pixels: rows top first, each a list of palette indices."""
    stride = (width + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        image += bytes(row) + bytes(stride - width)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(image), 3780, 3780, 256, 0)
    path.write_bytes(header + info + palette + image)


def draw_banner(name, width, height, commands):
    with tempfile.TemporaryDirectory() as folder:
        ppm = Path(folder) / "banner.ppm"
        subprocess.run(["convert", "-size", f"{width}x{height}", *commands, "-depth", "8",
                        str(ppm)], check=True)
        data = ppm.read_bytes()
        # P6 header: magic, width, height, maximum, then RGB bytes.
        fields = data.split(maxsplit=4)
        rgb = fields[4]
    cache = {}
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            colour = tuple(rgb[(y * width + x) * 3:(y * width + x) * 3 + 3])
            if colour not in cache:
                cache[colour] = nearest(colour, PALETTE)
            row.append(cache[colour])
        pixels.append(row)
    write_bmp8(ASSETS / name, width, height, pixels)


def text(font, size, colour, gravity, offset, words):
    return ["-font", font, "-pointsize", str(size), "-fill", colour, "-gravity", gravity,
            "-annotate", offset, words]


def banners():
    draw_banner("sponsor1.bmp", 190, 90, [
        "xc:#ffff33", "-fill", "#ff6600", "-draw", "rectangle 0,0 189,22",
        "-fill", "#ffcc00", "-stroke", "#996600", "-draw", "circle 172,52 172,68",
        "-draw", "circle 150,74 150,86", "-stroke", "none",
        *text(BOLD, 14, "white", "NorthWest", "+6+3", "PRIZE BARREL"),
        *text(BOLD, 20, "#cc0000", "NorthWest", "+6+28", "FREE CASH"),
        *text(BOLD, 20, "#cc0000", "NorthWest", "+6+52", "FREE STUFF"),
        *text(REGULAR, 10, "#333333", "SouthWest", "+6+2", "Claim yours today!"),
    ])
    draw_banner("sponsor2.bmp", 125, 125, [
        "xc:#3399ff", "-fill", "#0033cc", "-draw", "rectangle 0,88 124,124",
        "-fill", "white", "-draw", "polygon 40,84 62,30 62,84", "-draw", "polygon 66,84 66,40 86,84",
        "-fill", "#663300", "-draw", "polygon 28,86 98,86 90,96 36,96",
        *text(BOLD, 15, "white", "North", "+0+4", "WIN A CRUISE"),
        *text(BOLD, 11, "#ffff66", "South", "+0+14", "Bluewake Sweeps"),
        *text(REGULAR, 9, "white", "South", "+0+2", "Enter free today"),
    ])
    draw_banner("sponsor3.bmp", 150, 40, [
        "xc:#ccffcc", "-fill", "#339933", "-draw", "rectangle 0,0 36,39",
        "-fill", "white", "-draw", "ellipse 18,20 10,14 0,360",
        "-fill", "#339933", "-draw", "ellipse 18,20 4,10 0,360",
        *text(BOLD, 15, "#006600", "NorthWest", "+42+3", "LeanLark"),
        *text(REGULAR, 10, "#333333", "NorthWest", "+42+22", "Get fit, feel light"),
    ])


# The window icon: a lottery ball with a 7 on a ticket, 16 colours.
ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
ICON = [
    "................",
    "..GGGGGGGGGGGG..",
    ".GYYYYYYYYYYYYG.",
    ".GYYYYRRRRYYYYG.",
    ".GYYYRRRRRRYYYG.",
    ".GYYRRWWWWRRYYG.",
    ".GYRRRRRRWRRRYG.",
    ".GYRRRRRWRRRRYG.",
    ".GYRRRRWRRRRRYG.",
    ".GYRRRRWRRRRRYG.",
    ".GYYRRRWRRRRYYG.",
    ".GYYYRRRRRRYYYG.",
    ".GYYYYRRRRYYYYG.",
    ".GYYYYYYYYYYYYG.",
    "..GGGGGGGGGGGG..",
    "................",
]
ICON_COLOURS = {".": 0, "G": 2, "Y": 11, "R": 9, "W": 15}


def icon():
    size = 16
    xor = bytearray()
    mask = bytearray()
    for line in reversed(ICON):
        indices = [ICON_COLOURS[c] for c in line]
        xor += bytes((indices[x] << 4) | indices[x + 1] for x in range(0, size, 2))
        bits = 0
        for x, c in enumerate(line):
            if c == ".":
                bits |= 1 << (15 - x)
        mask += struct.pack(">H", bits) + bytes(2)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in ICON_PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                       16, 0)
    image = info + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    (ASSETS / "ticketwise.ico").write_bytes(directory + entry + image)


def png(path, pixels):
    """pixels: rows of (r, g, b, a)."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    header = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def menu_icon():
    """The same picture, three times the size, for the desktop's menu."""
    scale = 3
    rows = []
    for line in ICON:
        row = []
        for c in line:
            r, g, b = ICON_PALETTE[ICON_COLOURS[c]]
            row += [(r, g, b, 0 if c == "." else 255)] * scale
        rows += [row] * scale
    png(ASSETS / "ticketwise.png", rows)


if __name__ == "__main__":
    banners()
    icon()
    menu_icon()
