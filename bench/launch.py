#!/usr/bin/env python3
"""Launch benchmark: first paint and memory of quarvel-calc against an empty
Qt dialog, one with a line of text and that one as a top-level window of the
calculator's kind, under Xvfb with openbox; runs are
interleaved after one unmeasured warm-up run of each.

Usage: launch.py [--wine INSTALL_DIR DIALOG_EXE] [BUILD_DIR [RUNS]]
(defaults: build/bench 20). BUILD_DIR is a Linux build with launch_waiter;
without --wine it also supplies the programs. With --wine the programs are
the installed Windows quarvel-calc.exe and DIALOG_EXE (empty_dialog.exe built
against the same Qt), run under Wine.
"""
import argparse
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


def measure(waiter, command, env):
    """Runs launch_waiter on the command: its status, output and errors. They
    come through files, not pipes, which the services that Wine starts with
    its first program would inherit and hold open long after it ends."""
    with tempfile.TemporaryFile("w+") as output, tempfile.TemporaryFile("w+") as errors:
        status = subprocess.run([waiter, *command], env=env, stdout=output, stderr=errors,
                                timeout=60).returncode
        output.seek(0)
        errors.seek(0)
        return status, output.read(), errors.read()


WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


def windows_programs(install_dir, dialog_exe, runtime_dir):
    """The installed program, and the dialog in a copy of the same install:
    beside the same Qt DLLs, plugins and qt.conf, and stripped as the
    installed program is, so that the two differ only in their own code."""
    dialog_dir = os.path.join(runtime_dir, "dialog")
    shutil.copytree(install_dir, dialog_dir)
    dialog = os.path.join(dialog_dir, "empty_dialog.exe")
    subprocess.run(["x86_64-w64-mingw32-strip", "-o", dialog, dialog_exe], check=True)
    return {"empty_dialog": [WINE, dialog], "text_dialog": [WINE, dialog, "--text"],
            "text_window": [WINE, dialog, "--text", "--window"],
            "quarvel-calc": [WINE, os.path.join(install_dir, "quarvel-calc.exe")]}


def start_wine(env, runtime_dir):
    """Makes a prefix of its own, as cmake/wine-run does, and keeps its
    wineserver running, so that no run pays for starting Wine's services.
    The prefix is made with no display, so that no window of Wine's first
    start (its offers to install Mono and Gecko) can wait for a click."""
    env.update(WINEPREFIX=os.path.join(runtime_dir, "wine-prefix"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="winemenubuilder.exe=d")
    headless = {key: value for key, value in env.items()
                if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    subprocess.run([WINE, "wineboot", "--init"], env=headless, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([WINESERVER, "-w"], env=env, check=True)
    subprocess.run([WINESERVER, "-p"], env=env, check=True)


def stop_wine(env):
    # Waits until the server and every Wine process are gone, before their
    # prefix is removed.
    subprocess.run([WINESERVER, "-k"], env=env, stderr=subprocess.DEVNULL)
    subprocess.run([WINESERVER, "-w"], env=env)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", nargs=2, metavar=("INSTALL_DIR", "DIALOG_EXE"))
    parser.add_argument("build", nargs="?", default="build/bench", metavar="BUILD_DIR")
    parser.add_argument("runs", nargs="?", type=int, default=20, metavar="RUNS")
    arguments = parser.parse_args()
    build, runs = arguments.build, arguments.runs
    waiter = os.path.join(build, "bench", "launch_waiter")
    runtime_dir = tempfile.mkdtemp(prefix="quarvel-launch-")
    # Nothing of this desktop's Qt or Wine settings reaches the programs.
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("QT_", "WINE"))}
    env.update(XDG_RUNTIME_DIR=runtime_dir)
    dialog = os.path.join(build, "bench", "empty_dialog")
    programs = {"empty_dialog": [dialog], "text_dialog": [dialog, "--text"],
                "text_window": [dialog, "--text", "--window"],
                "quarvel-calc": [os.path.join(build, "app", "quarvel-calc")]}
    samples = {name: [] for name in programs}
    servers = []
    try:
        if arguments.wine:
            programs = windows_programs(*arguments.wine, runtime_dir)
            start_wine(env, runtime_dir)
        else:
            env.update(QT_QPA_PLATFORM="xcb")
        servers = start_display(env, runtime_dir)
        for run in range(runs + 1):
            for name, command in programs.items():
                status, output, errors = measure(waiter, command, env)
                found = re.findall(r"=([\d.]+)", output)
                if status != 0 or len(found) != 2:
                    sys.exit(f"launch.py: {name}: {errors.strip()}")
                if run > 0:
                    samples[name].append([float(value) for value in found])
    finally:
        if arguments.wine:
            stop_wine(env)
        for server in servers:
            server.terminate()
            server.wait()
        # A session bus started by the programs leaves its own folder in here.
        shutil.rmtree(runtime_dir)

    where = " under Wine" if arguments.wine else ""
    print(f"{runs} interleaved runs each{where}, medians; ratios of quarvel-calc to each")
    print(f"{'program':<14}{'painted ms':>12}{'VmRSS kB':>12}{'painted':>10}{'VmRSS':>8}")
    medians = {name: [statistics.median(column) for column in zip(*rows)]
               for name, rows in samples.items()}
    app = medians["quarvel-calc"]
    for name, (painted, rss) in medians.items():
        print(f"{name:<14}{painted:>12.1f}{rss:>12.0f}"
              f"{app[0] / painted:>10.2f}{app[1] / rss:>8.2f}")


if __name__ == "__main__":
    main()
