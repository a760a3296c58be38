#!/usr/bin/env python3
"""Launch benchmark: time from process start until the first window is
mapped and exposed, and until its first pixels are painted, and resident
memory once shown, for quarvel-calc against a bare Qt Widgets dialog (the
toolkit's floor), under Xvfb with openbox.

A second floor, the same dialog with one line of text, shows what any window
with text pays on top (the font database and a first font), so that the
program's own start-up work can be told apart from it.

Runs are interleaved (floor, text floor, program, floor, ...) after one
unmeasured warm-up run of each, so that drifting machine load falls on all
alike.

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
FIELDS = ("exposed_ms", "painted_ms", "rss_kb")


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


def measure(waiter, command, settle_ms, env):
    result = subprocess.run([waiter, "--settle-ms", str(settle_ms), "--", *command], env=env,
                            capture_output=True, text=True, timeout=60)
    found = dict(re.findall(r"(\w+)=([\d.]+)", result.stdout))
    if result.returncode != 0 or not all(field in found for field in FIELDS):
        sys.exit(f"launch.py: {command[0]}: {result.stderr.strip() or result.stdout.strip()}")
    return {field: float(found[field]) for field in FIELDS}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/bench-rel", help="build directory")
    parser.add_argument("--runs", type=int, default=20, help="measured runs of each program")
    parser.add_argument("--settle-ms", type=int, default=100,
                        help="wait after the first paint before reading VmRSS")
    parser.add_argument("--app", help="program to measure (default: BUILD/app/quarvel-calc)")
    args = parser.parse_args()
    floor = os.path.join(args.build, "bench", "empty_dialog")
    programs = {
        "empty_dialog": [floor],
        "text_dialog": [floor, "--text"],
        "quarvel-calc": [args.app or os.path.join(args.build, "app", "quarvel-calc")],
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
            for name, command in programs.items():
                sample = measure(waiter, command, args.settle_ms, env)
                if run > 0:
                    samples[name].append(sample)
    finally:
        for server in servers:
            server.terminate()
            server.wait()
        os.rmdir(runtime_dir)

    medians = {name: {field: statistics.median(s[field] for s in runs) for field in FIELDS}
               for name, runs in samples.items()}
    print(f"{args.runs} interleaved runs each, medians")
    print(f"{'program':<14}{'exposed ms':>12}{'painted ms':>12}{'VmRSS kB':>12}")
    for name, median in medians.items():
        print(f"{name:<14}{median['exposed_ms']:>12.1f}{median['painted_ms']:>12.1f}"
              f"{median['rss_kb']:>12.0f}")
    app = medians["quarvel-calc"]
    for base in ("empty_dialog", "text_dialog"):
        for label, field in (("launch to first paint", "painted_ms"), ("memory", "rss_kb")):
            ratio = app[field] / medians[base][field]
            verdict = f"(goal <= {LIMIT}): {'met' if ratio <= LIMIT else 'MISSED'}"
            print(f"{label} ratio to {base}: {ratio:.3f} "
                  f"{verdict if base == 'empty_dialog' else '(for comparison)'}")


if __name__ == "__main__":
    main()
