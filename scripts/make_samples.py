#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the sample seem files of data/samples/, one for every seem type of
data/seem_en.xml, each exactly as long as its type's size.

Run from anywhere: python3 scripts/make_samples.py
"""

import pathlib
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data"
OUT = DATA / "samples"


def utf16be(text, length):
    """text as big-endian UTF-16, zero-padded (or cut) to length bytes."""
    raw = text.encode("utf-16-be")[:length]
    return raw + bytes(length - len(raw))


def function_table():
    data = bytearray(120)
    data[0:4] = b"\x00\x01\x00\x78"
    data[0x1A] = 0xA5  # keys: sound, smart key, shortcuts, lock reminder on
    data[0x20] = 0x03  # call timer on, shown during calls; no beep, no cost
    data[0x21] = 0x03  # any-key answer and redial on
    data[0x2B] = 0x05  # stretch wallpaper, large clock
    data[0x2C] = 0x0D  # battery percent, GPRS icon, dBm
    data[0x2D] = 0x03  # outer clock and caller ID
    data[0x30] = 0x13  # GPRS, WAP push, manual network selection
    data[0x3A] = 0x07  # shutter sound, video, MP3 ringtones
    data[0x3B] = 0x40  # games menu
    return bytes(data)


def style_table():
    data = bytearray(40)
    data[0x04] = 0x01  # power-on animation
    data[0x08] = 0x01  # outer-screen text
    data[0x0C] = 0x02  # digital outer clock
    data[0x10] = 0x1A  # greeting
    data[0x18] = 0xFF  # flip animation
    data[0x20] = 0x01  # screen saver
    return bytes(data)


def volume_table():
    data = bytearray(24)
    for offset, level in ((0x04, 6), (0x08, 12), (0x0C, 4), (0x10, 2), (0x14, 9)):
        data[offset] = level
    return bytes(data)


def colour_scheme():
    data = bytearray(200)
    data[0:8] = b"\x00\x01\x00\x00\x00\x00\x00\x00"
    data[8:18] = utf16be("Ocean", 10)
    records = {
        0x14: (0x0B, 0x3D, 0x5C, 0x00),  # background
        0x18: (0xFF, 0xFF, 0xFF, 0x00),  # text
        0x1C: (0x1E, 0x90, 0xC8, 0x00),  # highlight
        0x20: (0xFF, 0xFF, 0xFF, 0x00),  # highlighted text
        0x30: (0x10, 0x4E, 0x73, 0x00),  # menu background
        0x34: (0xE0, 0xF4, 0xFF, 0x00),  # menu text
        0x38: (0x3C, 0xB4, 0xDC, 0x80),  # selected item, half transparent
        0x3C: (0x00, 0x20, 0x40, 0x00),  # selected item text
        0x40: (0x7F, 0xC8, 0xE6, 0x40),  # scroll bar
        0x50: (0x05, 0x2A, 0x45, 0x00),  # title bar
        0x54: (0xF0, 0xF8, 0xFF, 0x00),  # title text
        0x58: (0x08, 0x33, 0x52, 0x33),  # soft key bar
        0x5C: (0xCC, 0xEE, 0xFF, 0x00),  # soft key text
        0x70: (0xD8, 0xEE, 0xF8, 0x1A),  # dialog background
        0x74: (0x0A, 0x28, 0x3C, 0x00),  # dialog text
        0x78: (0x2E, 0x8B, 0xB5, 0x00),  # dialog border
    }
    for offset, rgbt in records.items():
        data[offset : offset + 4] = bytes(rgbt)
    return bytes(data)


def outer_text():
    return utf16be("MOTO", 16) + b"\x00\x00" + b"\xFF" * 16


def gprs_text():
    return utf16be("Hello", 26)


BUILDERS = {
    "function": function_table,
    "style": style_table,
    "volume": volume_table,
    "color": colour_scheme,
    "outertext": outer_text,
    "gprs": gprs_text,
}


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    seems = ET.parse(DATA / "seem_en.xml").getroot()
    for seem in seems:
        kind = seem.get("type").lower()
        content = BUILDERS[kind]()
        size = int(seem.get("size"))
        if len(content) != size:
            raise SystemExit(f"{kind}: {len(content)} bytes, the type says {size}")
        path = OUT / (seem.get("ID") + ".seem")
        path.write_bytes(content)
        print(f"{path.relative_to(ROOT)}  {size} bytes  ({kind})")


if __name__ == "__main__":
    main()
