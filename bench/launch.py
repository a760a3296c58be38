#!/usr/bin/env python3
"""Launch benchmark: first paint and memory of quarvel-calc against an empty
Qt dialog and one with a line of text, under Xvfb with openbox; runs are
interleaved after one unmeasured warm-up run of each.

Usage: launch.py [BUILD_DIR [RUNS]]    (defaults: build/bench 20)
"""
import os
import re
import shlex
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def start_display(env, runtime_dir):
    """Starts Xvfb and openbox, and waits until openbox manages the screen."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display_number:
        env["DISPLAY"] = ":" + display_number.readline().strip()
    ready = os.path.join(runtime_dir, "window-manager-ready")
    window_manager = subprocess.Popen(
        ["openbox", "--sm-disable", "--startup", "touch " + shlex.quote(ready)], env=env,
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 30
    while not os.path.exists(ready):
        if time.monotonic() > deadline or window_manager.poll() is not None:
            sys.exit("launch.py: openbox did not start")
        time.sleep(0.05)
    return [window_manager, xvfb]


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    waiter = os.path.join(build, "bench", "launch_waiter")
    dialog = os.path.join(build, "bench", "empty_dialog")
    programs = {"empty_dialog": [dialog], "text_dialog": [dialog, "--text"],
                "quarvel-calc": [os.path.join(build, "app", "quarvel-calc")]}
    samples = {name: [] for name in programs}
    runtime_dir = tempfile.mkdtemp(prefix="quarvel-launch-")
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env.update(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir)
    servers = []
    try:
        servers = start_display(env, runtime_dir)
        for run in range(runs + 1):
            for name, command in programs.items():
                result = subprocess.run([waiter, *command], env=env, capture_output=True,
                                        text=True, timeout=60)
                found = re.findall(r"=([\d.]+)", result.stdout)
                if result.returncode != 0 or len(found) != 2:
                    sys.exit(f"launch.py: {name}: {result.stderr.strip()}")
                if run > 0:
                    samples[name].append([float(value) for value in found])
    finally:
        for server in servers:
            server.terminate()
            server.wait()
        # A session bus started by the programs leaves its own folder in here.
        shutil.rmtree(runtime_dir)

    print(f"{runs} interleaved runs each, medians; ratios of quarvel-calc to each")
    print(f"{'program':<14}{'painted ms':>12}{'VmRSS kB':>12}{'painted':>10}{'VmRSS':>8}")
    medians = {name: [statistics.median(column) for column in zip(*rows)]
               for name, rows in samples.items()}
    app = medians["quarvel-calc"]
    for name, (painted, rss) in medians.items():
        print(f"{name:<14}{painted:>12.1f}{rss:>12.0f}"
              f"{app[0] / painted:>10.2f}{app[1] / rss:>8.2f}")


if __name__ == "__main__":
    main()
