#!/usr/bin/python3
"""Prints one table of every speed goal, its figure and whether it is met,
from the JSON files the benchmark programs wrote (--benchmark_out):
    bench/goals.py RESULTS.json...
Each figure is a median: of the repetitions' aggregates where the programs
ran repeated, else of the runs there are. A goal whose benchmarks did not run
reads "not measured"."""

import json
import os
import re
import statistics
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def medians(paths):
    """{benchmark name: (CPU ms, real ms)}, without the suffixes that name
    the time measured ("/manual_time", "/real_time", ...) or a fixed count
    of iterations ("/iterations:20000"); and
    {name + ":program_cpu_ms": ms} for the started program's CPU time."""
    runs = {}
    counters = {}
    aggregated = {}
    for path in paths:
        with open(path, encoding="utf-8") as file:
            text = file.read()
        # A program whose benchmarks were all filtered out writes nothing.
        if text.strip():
            for entry in json.loads(text).get("benchmarks", []):
                if entry.get("error_occurred"):
                    continue
                name = entry["run_name"]
                for suffix in ("/manual_time", "/real_time", "/process_time"):
                    name = name.replace(suffix, "")
                name = re.sub(r"/iterations:\d+", "", name)
                scale = TO_MS[entry.get("time_unit", "ns")]
                times = (entry["cpu_time"] * scale, entry["real_time"] * scale)
                counter = entry.get("program_cpu_ms")
                if entry.get("run_type") == "aggregate":
                    if entry.get("aggregate_name") == "median":
                        aggregated[name] = times
                        if counter is not None:
                            aggregated[name + ":program_cpu_ms"] = counter
                else:
                    runs.setdefault(name, []).append(times)
                    if counter is not None:
                        counters.setdefault(name + ":program_cpu_ms", []).append(counter)
    figures = {name: (statistics.median(t[0] for t in times), statistics.median(t[1] for t in times))
               for name, times in runs.items()}
    figures.update({name: statistics.median(values) for name, values in counters.items()})
    figures.update(aggregated)
    return figures


def goals(figures):
    """(goal, figure, met) for every goal; met is None when not measured."""
    def cpu(name):
        return figures[name][0] if name in figures else None

    def real(name):
        return figures[name][1] if name in figures else None

    def ratio(goal, over, under, most=None, least=None, times=cpu):
        a, b = times(over), times(under)
        if a is None or b is None:
            return (goal, "not measured", None)
        value = a / b
        met = value <= most if most is not None else value >= least
        return (goal, f"{value:.2f}× ({a:.3g} / {b:.3g} ms)", met)

    def below(goal, name, limit, times=cpu):
        value = times(name)
        if value is None:
            return (goal, "not measured", None)
        return (goal, f"{value:.3g} ms", value < limit)

    def difference(goal, over, under, limit, times=cpu):
        a, b = times(over), times(under)
        if a is None or b is None:
            return (goal, "not measured", None)
        return (goal, f"{a - b:.3g} ms ({a:.3g} − {b:.3g} ms)", a - b < limit)

    return [
        ratio("Setup of 10^6 particles within 2× a bare from_chars scan (CPU)",
              "BM_SetupBody/1000000", "BM_FromCharsScan/1000000", most=2),
        ratio("Setup of 10^6 particles at least 5× faster than ifstream >> double (CPU)",
              "BM_IfstreamScan/1000000", "BM_SetupBody/1000000", least=5),
        below("A tick of the default body under 1 ms (CPU)", "BM_Tick/8", 1),
        below("A tick of 10^5 particles under 25 ms (CPU)", "BM_Tick/100000", 25),
        below("A tick of 10^6 particles under 25 ms (CPU)", "BM_Tick/1000000", 25),
        ratio("A tick of 10^6 particles at most 5× reading their positions (CPU)",
              "BM_Tick/1000000", "BM_ReadPositions/1000000", most=5),
        difference("Every panel and overlay shown, 20 000 ticks of one run: under 0.25 ms more a tick (CPU)",
                   "BM_TickEveryPanelAndOverlay", "BM_TickNoPanels", 0.25),
        ratio("Trail shown: a tick at step 100 000 within 10 % of one at step 2 000 (CPU)",
              "BM_TickTrailFrom/100000", "BM_TickTrailFrom/2000", most=1.1),
        below("Start to first frame shown, default body, under 150 ms (wall)", "BM_FirstFrameShown/8", 150,
              times=real),
        start_beyond_setup(figures),
    ]


def start_beyond_setup(figures):
    """The start's wall time against the setup's CPU time: on a quiet
    machine the two clocks agree, and other work stretches only the first."""
    goal = "Start to first frame shown, 10^6 particles, under the setup's time + 50 ms (wall − setup CPU)"
    start, setup = figures.get("BM_FirstFrameShown/1000000"), figures.get("BM_SetupBody/1000000")
    if start is None or setup is None:
        return (goal, "not measured", None)
    beyond = start[1] - setup[0]
    cpu = figures.get("BM_FirstFrameShown/1000000:program_cpu_ms")
    spent = f"; the program's CPU {cpu:.3g} ms" if cpu is not None else ""
    return (goal, f"{beyond:.3g} ms ({start[1]:.3g} − {setup[0]:.3g} ms{spent})", beyond < 50)


def main():
    rows = goals(medians(sys.argv[1:]))
    load = os.getloadavg()
    print(f"\n== Goals (load average {load[0]:.2f}, {load[1]:.2f}, {load[2]:.2f})")
    print("| Goal | Figure | Met |")
    print("|---|---|---|")
    for goal, figure, met in rows:
        print(f"| {goal} | {figure} | {'-' if met is None else 'yes' if met else 'NO'} |")


if __name__ == "__main__":
    main()
