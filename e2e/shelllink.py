"""Reads a Windows shortcut (.lnk, the Shell Link format): the program it starts, the folder it
starts it in and its arguments. Only what a shortcut to a local program holds is read."""

import struct

HEADER_SIZE = 0x4C
HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x01, 0x02, 0x80
# The optional strings, in the order in which they follow the header, each with its flag.
STRINGS = (("name", 0x04), ("relative_path", 0x08), ("working_folder", 0x10),
           ("arguments", 0x20), ("icon_location", 0x40))
HAS_LOCAL_BASE_PATH = 0x01


class Shortcut:
    """The fields of one shortcut; a string the shortcut lacks is empty."""

    def __init__(self, target, strings):
        self.target = target
        self.name, self.relative_path, self.working_folder, self.arguments, self.icon_location = (
            strings.get(field, "") for field, _ in STRINGS)


def _ansi_string(data, at):
    return data[at:data.index(b"\0", at)].decode("latin-1")


def _target(link_info):
    """The local path of the link-information block: its base path and its suffix."""
    flags, _, base, _, suffix = struct.unpack_from("<IIIII", link_info, 8)
    if not flags & HAS_LOCAL_BASE_PATH:
        raise ValueError("the shortcut names no local path")
    return _ansi_string(link_info, base) + _ansi_string(link_info, suffix)


def read(path):
    """The Shortcut in the file at `path`; ValueError when it is not a shortcut."""
    with open(path, "rb") as file:
        data = file.read()
    if len(data) < HEADER_SIZE or struct.unpack_from("<I", data)[0] != HEADER_SIZE:
        raise ValueError(path + " is not a shortcut")
    flags = struct.unpack_from("<I", data, 20)[0]
    at = HEADER_SIZE
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    if not flags & HAS_LINK_INFO:
        raise ValueError(path + " has no link information")
    size = struct.unpack_from("<I", data, at)[0]
    target = _target(data[at:at + size])
    at += size
    width, encoding = (2, "utf-16-le") if flags & IS_UNICODE else (1, "latin-1")
    strings = {}  # each up to its first NUL: Wine counts a NUL at the end of each in its length
    for field, flag in STRINGS:
        if flags & flag:
            size = width * struct.unpack_from("<H", data, at)[0]
            strings[field] = data[at + 2:at + 2 + size].decode(encoding).split("\0")[0]
            at += 2 + size
    return Shortcut(target, strings)
