#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_container: one small file per container form the codec reads,
and a few it refuses, so that fuzzing starts from every form instead of finding them by chance.
Run it from anywhere; it rewrites fuzz_container/ beside itself."""
import pathlib
import struct
import zlib

data = b"ROSTERLY PLAYER NAME " * 12 + bytes(range(64)) + bytes(40)
stream = zlib.compress(data, 9)


def container(first3, big_endian=False, boundary=1, body=stream, size=len(data)):
    order = ">" if big_endian else "<"
    file = first3 + b"WESYS" + struct.pack(order + "II", len(body), size) + body
    return file + bytes(-len(file) % boundary)


seeds = {
    "pc-player-database": container(b"\x00\x01\x01", boundary=16),
    "pc-team-file": container(b"\x00\x00\x01"),
    "variant-10": container(b"\x00\x10\x01"),
    "other-prefix-big-endian": container(b"\x7f\x33\x01", big_endian=True),
    "big-endian-padded-2048": container(b"\x00\x01\x01", big_endian=True, boundary=2048),
    "empty-data": container(b"\x00\x01\x01", body=zlib.compress(b""), size=0),
    "bare-zlib": stream,
    "indexed-archive": b"\x00\x01\x00WESYS" + struct.pack("<III", 2, 24, 16) + bytes(24),
    "non-zero-after-stream": container(b"\x00\x01\x01") + b"\x00\x01",
    "header-cut-short": container(b"\x00\x01\x01")[:12],
}

folder = pathlib.Path(__file__).resolve().parent / "fuzz_container"
folder.mkdir(exist_ok=True)
for old in folder.iterdir():
    old.unlink()
for name, content in seeds.items():
    (folder / name).write_bytes(content)
