#!/usr/bin/env python3
"""Times photopages against `cp -p` on synthetic albums.

Each album is a folder of JPEG files with real headers and a random
entropy-coded payload, every photo with a last-write time in a second of its
own. photopages (copied into a fresh folder of its own, where its copies and
pages land, and given the photos' paths) and `cp -p` of the same files into a
fresh folder run in alternating rounds, each after a sync so that neither
pays for the other's writes; the table gives the median wall time of each,
their ratio, photos per second and photopages' peak resident memory.

usage: bench.py BINARY [COUNTxSIZE ...]   (sizes like 4M, 20K; default
       500x4M 1000x20K 10000x20K)
environment: BENCH_ROUNDS (default 3); BENCH_DIR, the folder to work in
       (default the system's temporary folder; /dev/shm takes the disk's
       own noise out of the figures)
"""
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time


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


def make_album(folder, count, size):
    header = jpeg_header(4000, 3000)
    # Random bytes with every 0xFF stuffed away, so the payload holds no marker.
    payload = os.urandom(max(0, size - len(header) - 2)).replace(b"\xff", b"\x00")
    photo = header + payload + b"\xff\xd9"
    names = []
    base = time.mktime((2005, 1, 2, 3, 4, 5, 0, 0, -1))
    for i in range(count):
        name = f"p{i:06d}.jpg"
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(photo)
        os.utime(path, (base + i, base + i))
        names.append(name)
    return names


def run(argv, cwd):
    os.sync()
    start = time.perf_counter()
    proc = subprocess.Popen(argv, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, _, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    return elapsed, usage.ru_maxrss * 1024, err


def bench_album(binary, count, size, rounds):
    root = tempfile.mkdtemp(prefix="photopages-bench-", dir=os.environ.get("BENCH_DIR"))
    try:
        album = os.path.join(root, "album")
        os.mkdir(album)
        names = [os.path.join(album, n) for n in make_album(album, count, size)]
        ours, floor, peak = [], [], 0
        for _ in range(rounds):
            pages = os.path.join(root, "pages")
            os.mkdir(pages)
            program = os.path.join(pages, "photopages")
            shutil.copy2(binary, program)
            elapsed, rss, err = run([program] + names, pages)
            if err:
                sys.exit(f"photopages failed: {err}")
            ours.append(elapsed)
            peak = max(peak, rss)
            shutil.rmtree(pages)
            dest = os.path.join(root, "cp")
            os.mkdir(dest)
            elapsed, _, err = run(["cp", "-p", "-t", dest] + names, album)
            if err:
                sys.exit(f"cp failed: {err}")
            floor.append(elapsed)
            shutil.rmtree(dest)
        ours_t, floor_t = statistics.median(ours), statistics.median(floor)
        return {
            "photos": count, "bytes": count * size, "ours": ours_t, "cp": floor_t,
            "ratio": ours_t / floor_t, "per_second": count / ours_t,
            "peak_mb": peak / (1 << 20), "photo_mb": size / (1 << 20),
        }
    finally:
        shutil.rmtree(root, ignore_errors=True)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    binary = os.path.abspath(sys.argv[1])
    albums = sys.argv[2:] or ["500x4M", "1000x20K", "10000x20K"]
    rounds = int(os.environ.get("BENCH_ROUNDS", "3"))
    print(f"cores: {os.cpu_count()}, rounds: {rounds}, "
          f"folder: {os.environ.get('BENCH_DIR') or tempfile.gettempdir()}")
    print(f"{'photos':>8} {'bytes':>12} {'photopages s':>13} {'cp -p s':>9} "
          f"{'ratio':>6} {'photos/s':>9} {'peak MB':>8} {'peak - photo MB':>16}")
    for spec in albums:
        count, size = spec.lower().split("x")
        r = bench_album(binary, int(count), parse_size(size.upper()), rounds)
        print(f"{r['photos']:>8} {r['bytes']:>12} {r['ours']:>13.3f} {r['cp']:>9.3f} "
              f"{r['ratio']:>6.2f} {r['per_second']:>9.0f} {r['peak_mb']:>8.1f} "
              f"{r['peak_mb'] - r['photo_mb']:>16.1f}", flush=True)


if __name__ == "__main__":
    main()
