#!/usr/bin/env python3
"""Launch benchmark: time from process start to the first window being mapped
and exposed, and resident memory once shown, for quarvel-calc and for a bare
Qt Widgets dialog (the toolkit's floor), under Xvfb with openbox.

Runs are interleaved (floor, program, floor, program, ...) after one unmeasured
warm-up run of each, so that drifting machine load falls on both alike.

Usage: launch.py [--build DIR] [--runs N] [--settle-ms N] [--app PATH]
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile

LIMIT = 1.05


def start_display(env):
    """Starts Xvfb on a free display and openbox on it; returns the processes."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display_number:
        number = display_number.readline().strip()
    if not number:
        sys.exit("launch.py: Xvfb did not start")
    env["DISPLAY"] = ":" + number
    window_manager = subprocess.Popen(
        ["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return [window_manager, xvfb]


def measure(waiter, program, settle_ms, env):
    result = subprocess.run([waiter, "--settle-ms", str(settle_ms), "--", program], env=env,
                            capture_output=True, text=True, timeout=60)
    found = re.search(r"launch_ms=([\d.]+) rss_kb=(\d+)", result.stdout)
    if result.returncode != 0 or not found:
        sys.exit(f"launch.py: {program}: {result.stderr.strip() or result.stdout.strip()}")
    return float(found.group(1)), int(found.group(2))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/bench-rel", help="build directory")
    parser.add_argument("--runs", type=int, default=20, help="measured runs of each program")
    parser.add_argument("--settle-ms", type=int, default=100,
                        help="wait after exposure before reading VmRSS")
    parser.add_argument("--app", help="program to measure (default: BUILD/app/quarvel-calc)")
    args = parser.parse_args()
    programs = {
        "empty_dialog": os.path.join(args.build, "bench", "empty_dialog"),
        "quarvel-calc": args.app or os.path.join(args.build, "app", "quarvel-calc"),
    }
    waiter = os.path.join(args.build, "bench", "launch_waiter")

    runtime_dir = tempfile.mkdtemp(prefix="quarvel-launch-")
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env.update(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir)
    servers = start_display(env)
    try:
        subprocess.run([waiter, "--wait-wm"], env=env, check=True, timeout=60)
        samples = {name: [] for name in programs}
        for run in range(args.runs + 1):
            for name, program in programs.items():
                sample = measure(waiter, program, args.settle_ms, env)
                if run > 0:
                    samples[name].append(sample)
    finally:
        for server in servers:
            server.terminate()
            server.wait()
        os.rmdir(runtime_dir)

    floor, app = (
        tuple(statistics.median(s[i] for s in samples[name]) for i in range(2))
        for name in programs)
    print(f"{args.runs} interleaved runs each, medians")
    print(f"{'program':<14}{'launch ms':>12}{'VmRSS kB':>12}")
    for name, (launch_ms, rss_kb) in zip(programs, (floor, app)):
        print(f"{name:<14}{launch_ms:>12.1f}{rss_kb:>12.0f}")
    for label, ours, base in (("launch", app[0], floor[0]), ("memory", app[1], floor[1])):
        ratio = ours / base
        print(f"{label} ratio {ratio:.3f} (goal <= {LIMIT}): {'met' if ratio <= LIMIT else 'MISSED'}")


if __name__ == "__main__":
    main()
