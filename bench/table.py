#!/usr/bin/env python3
"""Prints the performance figures as one Markdown table.

    bench/table.py RESULTS_DIR

RESULTS_DIR holds one Google Benchmark JSON file per benchmark program (<name>.json) and
the output of bench/live_rate.sh (live_rate_main.txt, live_rate_all.txt, and with "count"
paint_count_all.txt). A figure whose benchmark is missing is shown as "-".
"""
import json
import os
import platform
import re
import sys


def load(results, name):
    path = os.path.join(results, name + ".json")
    try:
        with open(path, encoding="utf-8") as f:
            return json.load(f).get("benchmarks", [])
    except (OSError, ValueError):
        return []


def find(benchmarks, prefix):
    """The first plain run whose name starts with prefix (and does not go on with a digit,
    so that /920/1 does not find /920/16), or None."""
    for b in benchmarks:
        name = b.get("name", "")
        rest = name[len(prefix):]
        if (name.startswith(prefix) and not rest[:1].isdigit()
                and b.get("run_type", "iteration") == "iteration"):
            return b
    return None


def ms(b, key="real_time"):
    """A benchmark's time in milliseconds, whatever unit it was reported in."""
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
    return b[key] * scale


def fmt(value, digits=2):
    return "-" if value is None else f"{value:.{digits}f}"


def live_rate(results, which):
    try:
        with open(os.path.join(results, f"live_rate_{which}.txt"), encoding="utf-8") as f:
            text = f.read()
    except OSError:
        return None
    m = re.search(r"bound ([\d.]+) a second, reached ([\d.]+) %; median distance ([\d.]+) ms", text)
    cpu = re.search(r"CPU time per tick: ([\d.]+) ms", text)
    if not m:
        return None
    return {"bound": float(m.group(1)), "percent": float(m.group(2)),
            "median": float(m.group(3)), "cpu": float(cpu.group(1)) if cpu else None}


def machine():
    cpu = "unknown processor"
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return f"{cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    results = sys.argv[1]
    rows = []

    link = find(load(results, "link_bench"), "BM_LiveDataExchange")
    rows.append(('"D" exchange above its line time (8.6 ms)',
                 "-" if not link else
                 f"median {fmt(link['median_overhead_ms'])} ms, 95 % {fmt(link['p95_overhead_ms'])} ms",
                 "the 45 bytes at 57,600 Bd"))

    for which, label in (("main", "main window"), ("all", "every window open")):
        r = live_rate(results, which)
        rows.append((f'"D" a second at COM 5 ms, {label}',
                     "-" if not r else
                     f"{r['percent']:.1f} % of the bound, median distance {r['median']:.2f} ms",
                     "bound 1 / (5 ms + 8.6 ms) = 73.5 a second" if which == "main" else
                     f"bound {r['bound']:.1f} a second: 1 / (5 ms + 8.6 ms + the settings "
                     "window's \"A\" and the expert window's \"P\", 1.5 ms + 7.1 ms)"))
        rows.append((f"CPU time per tick, {label}", "-" if not r or r["cpu"] is None
                     else f"{r['cpu']:.2f} ms", "COM period 5 ms"))
    try:
        with open(os.path.join(results, "paint_count_all.txt"), encoding="utf-8") as f:
            counted = re.search(r"painting per tick \(callgrind\): ([\d.]+) million", f.read())
    except OSError:
        counted = None
    rows.append(("painting per tick, every window open (counted)",
                 "-" if not counted else f"{float(counted.group(1)):.2f} million instructions",
                 "callgrind, hardly changed by a busy machine"))

    log = load(results, "log_bench")
    load_run, wc = find(log, "BM_LoadLog"), find(log, "BM_WcLines")
    rows.append((".olg load, 1,000,000 records",
                 "-" if not load_run else
                 f"{ms(load_run):.0f} ms, {load_run['bytes_per_second'] / 1e6:.0f} MB/s",
                 "-" if not wc else f"wc -l: {wc['bytes_per_second'] / 1e6:.0f} MB/s"))
    redraws = []
    for width in (920, 1920, 4000):
        b = find(log, f"BM_ViewerRedraw/{width}/1")
        redraws.append(f"{width} px {fmt(ms(b) if b else None, 1)} ms")
    rows.append(("log viewer redraw, 1,000,000 records (drawing)", ", ".join(redraws), "zoom 1"))
    paint = load(results, "logger_paint_bench")
    paints = [b for b in paint if b.get("name", "").startswith("BM_ViewerFullRedraw/")
              and b["name"].split("/")[2] == "1"]
    if paints:
        rows.append(("log viewer redraw and paint, 1,000,000 records",
                     ", ".join(f"{b['name'].split('/')[1]} px {ms(b):.1f} ms" for b in paints),
                     "zoom 1, goal under 16 ms"))
    steps = [b for b in paint if b.get("name", "").startswith("BM_ViewerCursorStep/")]
    if steps:
        rows.append(("log viewer cursor step", ", ".join(
            f"{b['name'].split('/')[1]} px {ms(b):.2f} ms" for b in steps), ""))

    power = load(results, "power_bench")
    rot, lin = find(power, "calculation/rotatorisch"), find(power, "calculation/linear")
    rows.append(("power calculation, 700 rows and 320 bins",
                 f"rotatorisch {fmt(ms(rot, 'cpu_time') * 1e3 if rot else None, 0)} µs, "
                 f"linear {fmt(ms(lin, 'cpu_time') * 1e3 if lin else None, 0)} µs",
                 "COM period 100 ms"))

    display = load(results, "display_bench")
    live, refresh = find(display, "BM_BigDisplayLiveLayer"), find(display, "BM_BigDisplayRefresh")
    rows.append(("big display frame (drawing)",
                 f"live layer {fmt(ms(live, 'cpu_time') * 1e3 if live else None, 1)} µs, "
                 f"tick refresh {fmt(ms(refresh, 'cpu_time') * 1e3 if refresh else None, 1)} µs",
                 "COM period 5 ms"))
    dpaint = [b for b in load(results, "display_paint_bench")
              if b.get("run_type", "iteration") == "iteration"]
    if dpaint:
        # A frame (static layer copied, live layer painted) and the static layer painted anew.
        kinds = {"BM_BigDisplayFrame": "frame", "BM_BigDisplayStaticPaint": "static layer"}
        rows.append(("big display painted, at 640 and 1280 px wide",
                     ", ".join(f"{kinds.get(b['name'].split('/')[0], b['name'].split('/')[0])} "
                               f"{b['name'].split('/', 1)[-1]} {ms(b, 'cpu_time'):.2f} ms"
                               for b in dpaint), "COM period 5 ms"))

    fw = load(results, "firmware_bench")
    uploads = []
    bound = None
    for com in (100, 5):
        b = find(fw, f"BM_FullFirmwareUpload/com_timer_ms:{com}")
        if b:
            uploads.append(f"COM {com} ms: {b['upload_s']:.1f} s")
            bound = b["line_bound_s"]
    rows.append(("firmware upload, 1025 blocks", ", ".join(uploads) or "-",
                 "-" if bound is None else f"line bound {bound:.1f} s"))

    print(f"Measured on {machine()}.\n")
    print("| Figure | Measured | Against |")
    print("|---|---|---|")
    for figure, value, against in rows:
        print(f"| {figure} | {value} | {against} |")


if __name__ == "__main__":
    main()
