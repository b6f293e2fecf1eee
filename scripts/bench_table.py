#!/usr/bin/env python3
"""Turns the benchmark runs of bench.sh into one table, and times start-up itself."""
import json
import os
import statistics
import subprocess
import sys
import time

STARTS = 20


def medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    return {r["run_name"]: r for r in runs if r.get("aggregate_name") == "median"}


def startup(probe, kind):
    times, memory = [], []
    for _ in range(STARTS):
        launched = time.monotonic_ns()
        line = subprocess.run([probe, kind, str(launched)], capture_output=True, text=True,
                              check=True).stdout.split()
        times.append(float(line[0]))
        memory.append(int(line[1]))
    return statistics.median(times), statistics.median(memory)


def main():
    folder, probe = sys.argv[1], sys.argv[2]
    engine = medians(os.path.join(folder, "engine.json"))
    window = medians(os.path.join(folder, "window.json"))

    def ns_per_char(name):
        run = engine[name]
        return 1e9 / run["items_per_second"]

    rows = [
        ("CryptText encrypt, 32,766 characters", f"{ns_per_char('BM_CryptTextEncrypt'):.2f} ns/char"),
        ("CryptText decrypt, 43,688 symbols to 32,766 characters", f"{ns_per_char('BM_CryptTextDecrypt'):.2f} ns/char"),
        ("CodeText encode", f"{engine['BM_CodeTextEncode']['bytes_per_second'] / 1e9:.2f} GB/s"
                            f" ({ns_per_char('BM_CodeTextEncode'):.2f} ns/char)"),
        ("CodeText decode", f"{ns_per_char('BM_CodeTextDecode'):.2f} ns/symbol"),
    ]
    # Wall-clock time, and the processor time of all threads: on a busy machine they part.
    plain_run = engine["BM_DrawSixteenShiftsOfEveryCode/process_time/real_time"]
    plain = plain_run["real_time"]
    rows.append(("Plain loop: 16 shifts of every code number, one core",
                 f"{plain:.1f} ms (processor {plain_run['cpu_time']:.1f} ms)"))
    for length in (8, 16, 48, 32766):
        run = engine[f"BM_RecoverCodeNumbers/{length}/process_time/real_time"]
        search = run["real_time"]
        rows.append((f"recover: search of all code numbers, {length:,} characters, both cores",
                     f"{search:.1f} ms (processor {run['cpu_time']:.1f} ms)"))
        if length == 16:
            rows.append(("recover ratio search (16 characters) / plain loop",
                         f"{search / plain:.2f}"))
    win = window["BM_WindowKeystroke/real_time"]["real_time"]
    bare = window["BM_BareWidgetsKeystroke/real_time"]["real_time"]
    rows.append(("Keystroke at 32,766 characters: window", f"{win:.2f} ms"))
    rows.append(("Keystroke at 32,766 characters: bare QPlainTextEdits", f"{bare:.2f} ms"))
    rows.append(("Keystroke ratio window / bare", f"{win / bare:.2f}"))
    huge_bare = window["BM_BareWidgetKeystrokeHugePaste/0/real_time"]["real_time"]
    cases = [(f"{mode}", f"BM_WindowKeystrokeHugePaste/{arg}") for mode, arg in
             (("encrypt", 1), ("decrypt", 2))]
    cases += [(f"{mode}, invalid code number", f"BM_WindowKeystrokeHugePasteInvalidCode/{arg}")
              for mode, arg in (("encrypt", 1), ("decrypt", 2))]
    for case, run in cases:
        huge = window[f"{run}/real_time"]["real_time"]
        rows.append((f"Keystroke into a 10,000,000-character paste, {case}: window",
                     f"{huge:.3f} ms"))
        rows.append((f"Keystroke into a 10,000,000-character paste, {case}: ratio window / bare",
                     f"{huge / huge_bare:.2f}"))
    rows.append(("Keystroke into a 10,000,000-character paste: bare QPlainTextEdit",
                 f"{huge_bare:.3f} ms"))
    blanks = window["BM_WindowKeystrokeHugeBlanks/real_time"]["real_time"]
    blanks_bare = window["BM_BareWidgetKeystrokeHugePaste/1/real_time"]["real_time"]
    rows.append(("Keystroke after 10,000,000 blanks and a cipher text, decrypt: window",
                 f"{blanks:.3f} ms"))
    rows.append(("Keystroke after 10,000,000 blanks and a cipher text: bare QPlainTextEdit",
                 f"{blanks_bare:.3f} ms"))
    rows.append(("Keystroke after 10,000,000 blanks and a cipher text: ratio window / bare",
                 f"{blanks / blanks_bare:.2f}"))
    start_window, rss_window = startup(probe, "window")
    start_bare, rss_bare = startup(probe, "bare")
    rows.append(("Start-up to first paint: window", f"{start_window:.1f} ms"))
    rows.append(("Start-up to first paint: bare Qt window", f"{start_bare:.1f} ms"))
    rows.append(("Start-up ratio window / bare", f"{start_window / start_bare:.2f}"))
    rows.append(("Resident memory after start-up: window", f"{rss_window / 1024:.1f} MiB"))
    rows.append(("Resident memory after start-up: bare Qt window", f"{rss_bare / 1024:.1f} MiB"))

    print(f"Measured {time.strftime('%Y-%m-%d')} on {os.cpu_count()} cores "
          f"(medians; Qt offscreen platform)\n")
    print("| measure | value |\n|---|---|")
    for name, value in rows:
        print(f"| {name} | {value} |")


if __name__ == "__main__":
    main()
