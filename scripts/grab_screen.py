#!/usr/bin/env python3
"""Saves the whole X screen named by $DISPLAY as a PNG, with the standard library alone: libX11
through ctypes for the pixels, zlib for the file.

Usage: DISPLAY=:N scripts/grab_screen.py OUTPUT.png
"""
import ctypes
import ctypes.util
import struct
import sys
import zlib


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, as far as the colour masks.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


def grab():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDefaultScreen.argtypes = [ctypes.c_void_p]
    x11.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("grab_screen: cannot open the display")
    screen = x11.XDefaultScreen(display)
    width, height = x11.XDisplayWidth(display, screen), x11.XDisplayHeight(display, screen)
    z_pixmap, all_planes = 2, (1 << (8 * ctypes.sizeof(ctypes.c_ulong))) - 1
    image = x11.XGetImage(display, x11.XDefaultRootWindow(display), 0, 0, width, height,
                          all_planes, z_pixmap)
    if not image or image.contents.bits_per_pixel != 32:
        sys.exit("grab_screen: only 24-bit colour screens in 32-bit pixels are supported")
    img = image.contents
    raw = ctypes.string_at(img.data, img.bytes_per_line * height)
    shifts = [(m & -m).bit_length() - 1 for m in (img.red_mask, img.green_mask, img.blue_mask)]
    rows = []
    for y in range(height):
        line = raw[y * img.bytes_per_line:y * img.bytes_per_line + 4 * width]
        # Pixels are little-endian words; pick red, green and blue by their masks.
        out = bytearray(3 * width)
        for i, shift in enumerate(shifts):
            out[i::3] = line[shift // 8::4]
        rows.append(b"\x00" + bytes(out))
    x11.XCloseDisplay(display)
    return width, height, b"".join(rows)


def png(width, height, raw):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as f:
        f.write(png(*grab()))
