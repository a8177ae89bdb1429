#!/usr/bin/python3
"""The program's start and a key's cost on screen, measured as whole processes.

Run by scripts/bench. It starts vorda40 on the demo folder (the demo's game
tables, ini file and sheet, and the invented demo map) and the bare Qt window
built by the project, one after the other and in turn, under Xvfb when it is
installed (otherwise on Qt's offscreen platform, and it says so), and reads what
the programs mark when VORDA_TIMING_MARKS names a file (platform/timing_marks.h):

- exec to the first drawn sheet: from just before the process is started to the
  end of the main window's first paint after its first activation drew the
  sheet (for the bare window: its first paint); medians over the runs and the
  ratio of the two;
- the CPU time (user + system, every thread, by getrusage) and the page faults
  of the program up to that point;
- RssAnon and VmRSS one second after the first drawn sheet, and VmHWM (the peak);
- the shared libraries mapped then;
- the time of each step of vorda40's start.

Beside the bare window it may start two others (--bare-curl, --bare-menu): the
same window linked with libcurl, and the same window with what any window of
the program's kind shows at once (a menu bar with the main window's menus, a
line of text in the sheet's font, and a second window of the map window's
size); the ratios to the bare window tell what those alone cost.

Then, under an X server only, the key run: vorda40 on the demo with the demo
ini's windows (the map window shown) gets a fixed, seeded sequence of editing
keys through the X server (xdotool), paced so that each key is handled and
painted before the next one comes; the program's own CPU time over the run, the
key events it handled and its paints give the CPU per key (median of a few
runs: the figure moves with what else the machine is doing).

The programs measured are the ones named on the command line, so that any
build can be compared.
"""

import argparse
import os
import random
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MARK_FIELDS = ("ns", "user_us", "sys_us", "minflt", "majflt", "keys", "sheet_paints", "paints")

# The steps of vorda40's start, each ending at its mark, as the program makes
# them (main.cpp, the main window's creation, start_up.cpp, the first paint).
# The reference window with a menu bar, a line of text and a second window:
# the program's start is also given as a ratio to it.
MENU_WINDOW = "bare Qt window + menu, text, 2nd window"

STEPS = (
    ("main", "exec to main (loading the program and its libraries)"),
    ("app", "QApplication"),
    ("ini", "main window up to the ini file read"),
    ("map", "map (MAP.DAT)"),
    ("names", "names (MAP.LST)"),
    ("windows", "recent menu and the other eight windows"),
    ("accounts", "shown, first activation: accounts and settings"),
    ("sheet-file", "sheet file"),
    ("tables", "game tables"),
    ("sheet", "sheet drawn"),
    ("activated", "map window and notebook"),
    ("first-drawn-sheet", "first paint"),
)

# The key mix of the run, as xdotool names the keys, with the share of each
# group: digits and letters type parameters and codes, the arrows, Enter and
# Space move the cursor, the rest edit lines (F4 moves a line and F4 ends it,
# F8 jumps to the next move field, keypad + and - step a parameter).
KEY_MIX = (
    (30, [str(d) for d in range(10)]),
    (20, [chr(c) for c in range(ord("a"), ord("z") + 1)]),
    (24, ["Left", "Right", "Up", "Down"]),
    (5, ["Return"]),
    (4, ["space"]),
    (5, ["BackSpace"]),
    (2, ["Insert"]),
    (3, ["Delete"]),
    (2, ["F4"]),
    (2, ["F8"]),
    (1.5, ["KP_Add"]),
    (1.5, ["KP_Subtract"]),
)


def key_sequence(count, seed):
    rng = random.Random(seed)
    weights = [w for w, _ in KEY_MIX]
    groups = [g for _, g in KEY_MIX]
    return [rng.choice(rng.choices(groups, weights)[0]) for _ in range(count)]


def read_marks(path):
    marks = {}
    try:
        with open(path) as f:
            for line in f:
                parts = line.split()
                if len(parts) != 1 + len(MARK_FIELDS):
                    continue  # a line still being written
                values = dict(zip(MARK_FIELDS, map(int, parts[1:])))
                marks.setdefault(parts[0], []).append(values)
    except FileNotFoundError:
        pass
    return marks


def wait_for_mark(path, name, count=1, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        marks = read_marks(path)
        if len(marks.get(name, [])) >= count:
            return marks
        time.sleep(0.001)
    raise RuntimeError(f"no mark '{name}' in {path} after {timeout} s")


def proc_status(pid):
    out = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, value = line.partition(":")
            if key in ("RssAnon", "VmRSS", "VmHWM"):
                out[key] = int(value.split()[0])  # kB
    return out


def shared_libraries(pid):
    libs = set()
    with open(f"/proc/{pid}/maps") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 6 and ".so" in os.path.basename(parts[5]):
                libs.add(parts[5])
    return len(libs)


class Display:
    """Xvfb on a display of its own (with a window manager when one is named),
    or Qt's offscreen platform."""

    def __init__(self, platform, window_manager=None):
        self.platform = platform
        self.server = None
        self.manager = None
        self.env = {}
        if platform == "xvfb":
            read_fd, write_fd = os.pipe()
            self.server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-dpi", "96",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_fd)
            with os.fdopen(read_fd) as f:
                number = f.readline().strip()
            if not number:
                raise RuntimeError("Xvfb did not start")
            self.env = {"DISPLAY": ":" + number, "QT_QPA_PLATFORM": "xcb"}
            if window_manager:
                env = dict(os.environ)
                env.update(self.env)
                self.manager = subprocess.Popen([window_manager], env=env, stdout=subprocess.DEVNULL,
                                                stderr=subprocess.DEVNULL)
                time.sleep(1.0)  # until it manages the screen
                self.platform = f"xvfb with {os.path.basename(window_manager)}"
        else:
            self.env = {"QT_QPA_PLATFORM": "offscreen"}

    def close(self):
        if self.manager:
            self.manager.terminate()
            self.manager.wait()
        if self.server:
            self.server.terminate()
            self.server.wait()


class Run:
    """One start of a program, held until it is measured and stopped."""

    def __init__(self, command, cwd, display, scratch):
        self.marks_path = os.path.join(scratch, "marks.txt")
        if os.path.exists(self.marks_path):
            os.remove(self.marks_path)
        env = dict(os.environ)
        env.update(display.env)
        env["VORDA_TIMING_MARKS"] = self.marks_path
        env.setdefault("XDG_RUNTIME_DIR", scratch)
        self.start_ns = time.monotonic_ns()
        self.process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def settle(self):
        """Waits for the first drawn sheet and one second more; the start's figures."""
        marks = wait_for_mark(self.marks_path, "first-drawn-sheet")
        shown = marks["first-drawn-sheet"][0]
        delay = shown["ns"] / 1e9 + 1.0 - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        status = proc_status(self.process.pid)
        steps = {}
        previous = self.start_ns
        for name, _ in STEPS:
            if name in marks:
                steps[name] = (marks[name][0]["ns"] - previous) / 1e6
                previous = marks[name][0]["ns"]
        return {
            "shown_ms": (shown["ns"] - self.start_ns) / 1e6,
            "cpu_ms": (shown["user_us"] + shown["sys_us"]) / 1e3,
            "faults": shown["minflt"] + shown["majflt"],
            "rss_anon_mb": status["RssAnon"] / 1024,
            "rss_mb": status["VmRSS"] / 1024,
            "hwm_mb": status["VmHWM"] / 1024,
            "libraries": shared_libraries(self.process.pid),
            "steps": steps,
        }

    def signal_mark(self, count):
        self.process.send_signal(signal.SIGUSR1)
        return wait_for_mark(self.marks_path, "signal", count)["signal"][count - 1]

    def stop(self):
        self.process.kill()
        self.process.wait()


def prepare_demo(args, scratch):
    """The demo folder with the program to measure beside its files."""
    folder = os.path.join(scratch, "demo-run")
    os.makedirs(folder)
    for name in os.listdir(args.demo):
        shutil.copy(os.path.join(args.demo, name), folder)
    subprocess.run([args.make_demo_map, folder], check=True, stdout=subprocess.DEVNULL)
    program = os.path.join(folder, "vorda40")
    shutil.copy(args.program, program)
    # Modules the program may load from its own folder come along.
    source = os.path.dirname(os.path.abspath(args.program))
    for name in os.listdir(source):
        if name.endswith(".so") or ".so." in name:
            shutil.copy(os.path.join(source, name), folder)
    return folder, program


def median(values):
    return statistics.median(values) if values else float("nan")


def spread(values, fmt):
    return f"{fmt.format(median(values))} ({fmt.format(min(values))}-{fmt.format(max(values))})"


def start_up_figures(args, display, programs, scratch):
    results = {name: [] for name, _, _ in programs}
    # One start of each beforehand, so that every run finds its files in the page cache.
    for name, command, cwd in programs:
        run = Run(command, cwd, display, scratch)
        run.settle()
        run.stop()
    for i in range(args.runs):
        # In turn, each program first as often as the others.
        shift = i % len(programs)
        for name, command, cwd in programs[shift:] + programs[:shift]:
            run = Run(command, cwd, display, scratch)
            try:
                results[name].append(run.settle())
            finally:
                run.stop()
    return results


def report_start_up(display, results, runs):
    print(f"\n== start, {display.platform}: {runs} runs of each, interleaved; median (min-max)")
    names = list(results)
    rows = (
        ("exec to first drawn sheet, ms", "shown_ms", "{:.1f}"),
        ("CPU to first drawn sheet, ms", "cpu_ms", "{:.1f}"),
        ("page faults to first drawn sheet", "faults", "{:.0f}"),
        ("RssAnon 1 s after, MB", "rss_anon_mb", "{:.1f}"),
        ("VmRSS 1 s after, MB", "rss_mb", "{:.1f}"),
        ("VmHWM (peak RSS), MB", "hwm_mb", "{:.1f}"),
        ("shared libraries mapped", "libraries", "{:.0f}"),
    )
    width = max(len(r[0]) for r in rows)
    column = max([26] + [len(n) for n in names])
    print(" " * width + "".join(f" | {n:>{column}}" for n in names))
    for label, key, fmt in rows:
        print(label.ljust(width) + "".join(f" | {spread([r[key] for r in results[n]], fmt):>{column}}" for n in names))
    base = names[1]
    for other in names[:1] + names[2:]:
        ratio = median([r["shown_ms"] for r in results[other]]) / median([r["shown_ms"] for r in results[base]])
        print(f"ratio of medians, exec to first drawn sheet, {other} / {base}: {ratio:.2f}")
    if MENU_WINDOW in results:
        ratio = median([r["shown_ms"] for r in results[names[0]]]) / median([r["shown_ms"] for r in results[MENU_WINDOW]])
        print(f"ratio of medians, exec to first drawn sheet, {names[0]} / {MENU_WINDOW}: {ratio:.2f}")
    main = results[names[0]]
    peak = median([r["hwm_mb"] - r["rss_mb"] for r in main])
    print(f"{names[0]}: peak RSS over settled RSS: {peak:.1f} MB (median)")
    print(f"{names[0]}: the steps of the start, ms (median of the runs):")
    for step, label in STEPS:
        values = [r["steps"][step] for r in main if step in r["steps"]]
        if values:
            print(f"  {label:<52} {median(values):8.2f}")


def key_run_once(args, display, folder, program, scratch, keys):
    run = Run([program], folder, display, scratch)
    try:
        run.settle()
        env = dict(os.environ)
        env.update(display.env)
        before = run.signal_mark(1)
        started = time.monotonic()
        for at in range(0, len(keys), 500):
            subprocess.run(["xdotool", "key", "--delay", str(args.key_delay_ms)] + keys[at:at + 500],
                           env=env, check=True)
        elapsed = time.monotonic() - started
        time.sleep(0.5)  # the last key's work and paint
        after = run.signal_mark(2)
    finally:
        run.stop()
    return {
        "cpu_ms": (after["user_us"] + after["sys_us"] - before["user_us"] - before["sys_us"]) / 1e3,
        "handled": after["keys"] - before["keys"],
        "sheet_paints": after["sheet_paints"] - before["sheet_paints"],
        "paints": after["paints"] - before["paints"],
        "elapsed": elapsed,
    }


def key_run(args, display, folder, program, scratch):
    keys = key_sequence(args.keys, args.seed)
    runs = [key_run_once(args, display, folder, program, scratch, keys) for _ in range(args.key_runs)]
    per_key = [r["cpu_ms"] / max(1, len(keys)) for r in runs]
    print(f"\n== key run, {display.platform}: {len(keys)} keys (seed {args.seed}), "
          f"the demo ini's windows (map shown), {args.key_delay_ms} ms apart; {len(runs)} runs")
    for r in runs:
        print(f"  {r['elapsed']:.1f} s: key events handled by the main window {r['handled']}, its paints "
              f"{r['sheet_paints']}, paints of all widgets {r['paints']}, CPU {r['cpu_ms']:.0f} ms, "
              f"per key {r['cpu_ms'] / max(1, len(keys)):.3f} ms")
    print(f"CPU per key, median (min-max): {spread(per_key, '{:.3f}')} ms")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True, help="the vorda40 to measure")
    parser.add_argument("--bare", required=True, help="the bare Qt window")
    parser.add_argument("--bare-curl", help="the bare Qt window linked with libcurl")
    parser.add_argument("--bare-menu", help="the bare Qt window with a menu bar, a line of text and a second window")
    parser.add_argument("--make-demo-map", required=True)
    parser.add_argument("--demo", required=True, help="the demo folder")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--keys", type=int, default=15000)
    parser.add_argument("--seed", type=int, default=24)
    parser.add_argument("--key-delay-ms", type=int, default=1)
    parser.add_argument("--key-runs", type=int, default=3)
    parser.add_argument("--platform", choices=("auto", "xvfb", "offscreen"), default="auto",
                        help="auto: Xvfb when installed, then offscreen too")
    parser.add_argument("--window-manager", help="a window manager to run on Xvfb (e.g. openbox); none by default")
    args = parser.parse_args()
    for name in ("program", "bare", "bare_curl", "bare_menu", "make_demo_map", "demo"):
        if getattr(args, name):
            setattr(args, name, os.path.abspath(getattr(args, name)))

    platforms = [args.platform]
    if args.platform == "auto":
        platforms = ["xvfb", "offscreen"] if shutil.which("Xvfb") else ["offscreen"]
        if platforms == ["offscreen"]:
            print("Xvfb is not installed: offscreen only, and no key run", file=sys.stderr)
    scratch = tempfile.mkdtemp(prefix="vorda-bench-")
    try:
        folder, program = prepare_demo(args, scratch)
        programs = [("vorda40 on the demo", [program], folder), ("bare Qt window", [args.bare], scratch)]
        if args.bare_curl:
            programs.append(("bare Qt window + libcurl", [args.bare_curl], scratch))
        if args.bare_menu:
            programs.append((MENU_WINDOW, [args.bare_menu], scratch))
        for platform in platforms:
            display = Display(platform, args.window_manager if platform == "xvfb" else None)
            try:
                results = start_up_figures(args, display, programs, scratch)
                report_start_up(display, results, args.runs)
                if platform.startswith("xvfb") and args.keys > 0:
                    if shutil.which("xdotool"):
                        key_run(args, display, folder, program, scratch)
                    else:
                        print("xdotool is not installed: no key run", file=sys.stderr)
            finally:
                display.close()
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
