#!/usr/bin/env python3
"""Writes a PNG again for the page with optipng: the same pixels in fewer bytes.

Usage: recompress_png.py OPTIPNG SOURCE TARGET

optipng may store an RGBA picture as a palette or as grey; a form that decodes into another
number of channels (grey + alpha for an RGBA picture) is not kept, because the program
treats a picture by the channels it decodes into.
"""
import os
import struct
import subprocess
import sys


def decoded_channels(path):
    """The channels stb_image decodes the file into: the colour type's, plus an alpha
    channel where a tRNS chunk gives one."""
    with open(path, 'rb') as file:
        data = file.read()
    colour_type = data[25]
    transparency = False
    at = 8
    while at + 8 <= len(data):
        length, kind = struct.unpack('>I4s', data[at:at + 8])
        if kind == b'IDAT':
            break
        transparency = transparency or kind == b'tRNS'
        at += 12 + length
    channels = {0: 1, 2: 3, 3: 3, 4: 2, 6: 4}[colour_type]
    return channels + 1 if transparency and colour_type in (0, 2, 3) else channels


def write(optipng, source, target, *options):
    # optipng keeps a file already at the target as a backup, or refuses to write.
    if os.path.exists(target):
        os.remove(target)
    subprocess.run([optipng, '-quiet', '-strip', 'all', '-o2', *options, '-out', target, source],
                   check=True)


def main():
    optipng, source, target = sys.argv[1:]
    write(optipng, source, target)
    if decoded_channels(target) != decoded_channels(source):
        write(optipng, source, target, '-nc')  # no colour type reduction


main()
