#!/usr/bin/env python3
"""Times photopages against the floor of its job on synthetic albums.

Each album is a folder of JPEG files with real headers and a random
entropy-coded payload, every photo with a last-write time in a second of its
own. The floor is the least that any program doing photopages' job must do:
`cp -p` of the photos into a fresh folder, then one page file of the size of
a photo page written for each photo (by the shell's printf, in one process).
photopages and the floor run in alternating rounds, each after a sync so that
neither pays for the other's writes; the table gives the median wall time of
each, the median of the rounds' ratios, photos per second and photopages'
peak resident memory. On Linux a third program runs in each round too: the
floor of atomic replacement (bench/posix_atomic_floor.cpp, built beside
photopages), which makes each copy and page without a name and names it once
whole, as photopages does so as never to leave a half-written file; the last
column is photopages' ratio to it.

An album is COUNTxSIZE (sizes like 4M, 20K, 1G), given its photos' paths on
the command line, with photopages in a fresh folder of its own where its
copies and pages land; COUNTxSIZE:folder runs photopages without arguments
from inside the album, as a hidden file so that it does not take itself for
a photo, and the floor copies the whole folder.

usage: bench.py BINARY [ALBUM ...]   (default 200x4M 5000x20K 1x1G)
       bench.py --wine EXE FLOOR_EXE [ALBUM ...]
           the Windows build under Wine against FLOOR_EXE, a bare Win32
           program that copies each photo into its folder with CopyFileW
           and writes one page file for each (bench/win32_floor.cpp)
environment: BENCH_ROUNDS (default 5); BENCH_DIR, the folder to work in
       (default /dev/shm, so that the disk's own noise stays out); WINE_RUN,
       the command that runs a Windows program (default scripts/wine-run)
"""
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

PAGE_BYTES = 500
HERE = os.path.dirname(os.path.abspath(__file__))


def jpeg_header(width, height):
    """SOI, a quantisation table, a baseline frame, a Huffman table, a scan."""
    dqt = b"\xff\xdb" + struct.pack(">H", 67) + b"\x00" + bytes(range(1, 65))
    sof = b"\xff\xc0" + struct.pack(">HBHHB", 11, 8, height, width, 1) + b"\x01\x11\x00"
    counts = bytes([0, 1, 5, 1, 1, 1, 1, 1, 1] + [0] * 7)
    dht = b"\xff\xc4" + struct.pack(">H", 2 + 1 + 16 + 12) + b"\x00" + counts + bytes(range(12))
    sos = b"\xff\xda" + struct.pack(">HB", 8, 1) + b"\x01\x00\x00\x3f\x00"
    return b"\xff\xd8" + dqt + sof + dht + sos


def parse_size(text):
    units = {"K": 1 << 10, "M": 1 << 20, "G": 1 << 30}
    return int(text[:-1]) * units[text[-1]] if text[-1] in units else int(text)


def write_photo(path, header, block, size):
    """header, then random payload from `block` up to `size`, then EOI."""
    with open(path, "wb") as f:
        f.write(header)
        left = max(0, size - len(header) - 2)
        while left > 0:
            piece = block[:left]
            f.write(piece)
            left -= len(piece)
        f.write(b"\xff\xd9")


def make_album(folder, count, size):
    header = jpeg_header(4000, 3000)
    # Random bytes with every 0xFF stuffed away, so the payload holds no marker.
    block = os.urandom(min(size, 4 << 20)).replace(b"\xff", b"\x00")
    names = []
    base = time.mktime((2005, 1, 2, 3, 4, 5, 0, 0, -1))
    first = None
    for i in range(count):
        name = f"p{i:06d}.jpg"
        path = os.path.join(folder, name)
        if first is None:
            write_photo(path, header, block, size)
            first = path
        else:
            shutil.copyfile(first, path)
        os.utime(path, (base + i, base + i))
        names.append(name)
    return names


def run(argv, cwd):
    os.sync()
    start = time.perf_counter()
    proc = subprocess.Popen(argv, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    if status != 0:
        sys.exit(f"{argv[0]} failed ({status}): {err}")
    return elapsed, usage.ru_maxrss * 1024


# The floor as one shell: $1 is the text of a page, $2 the folder to copy
# into, the photos' paths follow (or, from inside the album, the whole folder
# is copied). printf and the redirection are the shell's own: no process per
# page.
FLOOR_FILES = ('page=$1 d=$2; shift 2; cp -p -t "$d" "$@" && '
               'for f in "$@"; do printf %s "$page" > "$d/${f##*/}.HTML"; done')
FLOOR_FOLDER = ('page=$1 d=$2; cp -p -R . "$d" && '
                'for f in "$d"/*; do printf %s "$page" > "$f.HTML"; done')


class LinuxRunner:
    def __init__(self, binary):
        self.binary = binary
        self.atomic_floor = os.path.join(os.path.dirname(binary), "posix_atomic_floor")

    def atomic(self, root, album, names, folder_mode):
        dest = os.path.join(root, "atomic")
        os.mkdir(dest)
        result = run([self.atomic_floor, dest] + ([] if folder_mode else names), album)
        shutil.rmtree(dest)
        return result

    def ours(self, root, album, names, folder_mode):
        if folder_mode:
            program = os.path.join(album, ".photopages")
            shutil.copy2(self.binary, program)
            result = run([program], album)
            os.remove(program)
            for name in os.listdir(album):
                if name.endswith((".JPEG", ".HTML")):
                    os.remove(os.path.join(album, name))
            return result
        pages = os.path.join(root, "pages")
        os.mkdir(pages)
        program = os.path.join(pages, "photopages")
        shutil.copy2(self.binary, program)
        paths = [os.path.join(album, n) for n in names]
        result = run([program] + paths, pages)
        shutil.rmtree(pages)
        return result

    def floor(self, root, album, names, folder_mode):
        dest = os.path.join(root, "cp")
        page = "x" * PAGE_BYTES
        if folder_mode:
            argv = ["sh", "-c", FLOOR_FOLDER, "sh", page, dest]
        else:
            os.mkdir(dest)
            argv = ["sh", "-c", FLOOR_FILES, "sh", page, dest] + names
        result = run(argv, album)
        shutil.rmtree(dest)
        return result


class WineRunner:
    """photopages.exe and the bare floor program, both under Wine."""

    def __init__(self, exe, floor_exe):
        self.exe = exe
        self.floor_exe = floor_exe
        self.wine_run = os.environ.get("WINE_RUN") or os.path.join(HERE, "..", "scripts", "wine-run")

    def _in_album(self, exe, album, argv_tail):
        program = os.path.join(album, ".bench.exe")
        shutil.copy2(exe, program)
        result = run([self.wine_run, program] + argv_tail, album)
        os.remove(program)
        for name in os.listdir(album):
            if name.endswith((".JPEG", ".HTML")):
                os.remove(os.path.join(album, name))
        return result

    def ours(self, root, album, names, folder_mode):
        return self._in_album(self.exe, album, [] if folder_mode else names)

    def floor(self, root, album, names, folder_mode):
        return self._in_album(self.floor_exe, album, [] if folder_mode else names)


def bench_album(runner, description, rounds):
    count_by_size, _, mode = description.partition(":")
    count, size = count_by_size.lower().split("x")
    count, size = int(count), parse_size(size.upper())
    folder_mode = mode == "folder"
    root = tempfile.mkdtemp(prefix="photopages-bench-", dir=os.environ.get("BENCH_DIR", "/dev/shm"))
    try:
        album = os.path.join(root, "album")
        os.mkdir(album)
        names = make_album(album, count, size)
        ours, floor, ratios, atomic_ratios, peak = [], [], [], [], 0
        for _ in range(rounds):
            elapsed, rss = runner.ours(root, album, names, folder_mode)
            ours.append(elapsed)
            peak = max(peak, rss)
            floor_elapsed, _ = runner.floor(root, album, names, folder_mode)
            floor.append(floor_elapsed)
            ratios.append(elapsed / floor_elapsed)
            if hasattr(runner, "atomic"):
                atomic_elapsed, _ = runner.atomic(root, album, names, folder_mode)
                atomic_ratios.append(elapsed / atomic_elapsed)
        ours_t = statistics.median(ours)
        return {
            "album": description, "ours": ours_t, "floor": statistics.median(floor),
            "ratio": statistics.median(ratios), "per_second": count / ours_t,
            "peak_mb": peak / (1 << 20),
            "atomic_ratio": statistics.median(atomic_ratios) if atomic_ratios else None,
        }
    finally:
        shutil.rmtree(root, ignore_errors=True)


def main():
    args = sys.argv[1:]
    if args[:1] == ["--wine"] and len(args) >= 3:
        runner = WineRunner(os.path.abspath(args[1]), os.path.abspath(args[2]))
        albums = args[3:] or ["250x20K:folder", "500x20K:folder", "1000x20K:folder",
                              "2000x20K:folder"]
    elif args and not args[0].startswith("-"):
        runner = LinuxRunner(os.path.abspath(args[0]))
        albums = args[1:] or ["200x4M", "5000x20K", "1x1G"]
    else:
        sys.exit(__doc__)
    rounds = int(os.environ.get("BENCH_ROUNDS", "5"))
    print(f"cores: {os.cpu_count()}, rounds: {rounds}, "
          f"folder: {os.environ.get('BENCH_DIR', '/dev/shm')}")
    atomic_column = f" {'ratio to atomic':>16}" if hasattr(runner, "atomic") else ""
    print(f"{'album':>18} {'photopages s':>13} {'floor s':>9} {'ratio':>6} "
          f"{'photos/s':>9} {'peak RSS MB':>12}{atomic_column}")
    for description in albums:
        r = bench_album(runner, description, rounds)
        atomic = f" {r['atomic_ratio']:>16.2f}" if r["atomic_ratio"] else ""
        print(f"{r['album']:>18} {r['ours']:>13.3f} {r['floor']:>9.3f} {r['ratio']:>6.2f} "
              f"{r['per_second']:>9.0f} {r['peak_mb']:>12.1f}{atomic}", flush=True)


if __name__ == "__main__":
    main()
