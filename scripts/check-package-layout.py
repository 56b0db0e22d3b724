#!/usr/bin/env python3
"""Checks that an installed tree holds its files where its own metadata says they are.

Usage: scripts/check-package-layout.py PREFIX   (the folder holding bin/ and share/)

The AppStream metadata names the desktop entry and the binary; the desktop entry names the
program and the icon; the icon must exist in every size of the icon theme with exactly that
size, and as a scalable SVG; the program must carry the desktop entry's id as its desktop file
name, or Wayland compositors show a generic icon. Prints every problem; exits 1 if any.
"""
import configparser
import pathlib
import struct
import sys
import xml.etree.ElementTree as ET

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_size(path):
    head = path.read_bytes()[:24]
    if len(head) < 24 or head[:8] != PNG_SIGNATURE or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"] if parser.has_section("Desktop Entry") else {}


def check(prefix):
    problems = []

    def need(condition, message):
        if not condition:
            problems.append(message)
        return condition

    metainfos = sorted((prefix / "share/metainfo").glob("*.metainfo.xml"))
    if not need(len(metainfos) == 1, f"expected one metainfo file, found {len(metainfos)}"):
        return problems
    component = ET.parse(metainfos[0]).getroot()
    app_id = component.findtext("id", "").strip()
    need(metainfos[0].name == f"{app_id}.metainfo.xml",
         f"{metainfos[0].name} does not carry the component id {app_id!r}")

    binaries = [b.text.strip() for b in component.iterfind("provides/binary")]
    need(binaries, "the metainfo provides no binary")
    for name in binaries:
        program = prefix / "bin" / name
        if need(program.is_file(), f"provided binary bin/{name} is missing"):
            need(program.stat().st_mode & 0o111, f"bin/{name} is not executable")
            need(f"{app_id}".encode("utf-16-le") in program.read_bytes(),
                 f"bin/{name} does not name itself {app_id!r} as its desktop file")

    launchables = [l.text.strip() for l in component.iterfind("launchable[@type='desktop-id']")]
    need(launchables == [f"{app_id}.desktop"],
         f"the launchable should be {app_id}.desktop, found {launchables}")
    for desktop_id in launchables:
        path = prefix / "share/applications" / desktop_id
        if not need(path.is_file(), f"desktop entry share/applications/{desktop_id} is missing"):
            continue
        entry = desktop_entry(path)
        for key in ("Exec", "TryExec"):
            words = entry.get(key, "").split()
            if need(words, f"{desktop_id} has no {key}"):
                need((prefix / "bin" / words[0]).is_file(),
                     f"{key}={words[0]} of {desktop_id} is not in bin/")
        icon = entry.get("Icon", "")
        need(icon == app_id, f"Icon={icon} of {desktop_id} is not the id {app_id}")
        theme = prefix / "share/icons/hicolor"
        for size in ICON_SIZES:
            png = theme / f"{size}x{size}/apps/{icon}.png"
            if need(png.is_file(), f"icon {png.relative_to(prefix)} is missing"):
                need(png_size(png) == (size, size),
                     f"icon {png.relative_to(prefix)} is {png_size(png)}, not {size}x{size}")
        svg = theme / f"scalable/apps/{icon}.svg"
        if need(svg.is_file(), f"icon {svg.relative_to(prefix)} is missing"):
            need(ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg",
                 f"icon {svg.relative_to(prefix)} is not an SVG picture")
    return problems


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    prefix = pathlib.Path(sys.argv[1])
    try:
        problems = check(prefix)
    except (OSError, ET.ParseError, configparser.Error) as error:
        problems = [f"cannot read the installed files: {error}"]
    for problem in problems:
        print(f"{prefix}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
