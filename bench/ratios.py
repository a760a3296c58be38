#!/usr/bin/env python3
"""Prints the ratios of median CPU times of Quarvel's conversions against
their baselines from one Google Benchmark JSON file, each beside its goal.

Usage: ratios.py RESULTS.json

Benchmarks are named OPERATION/IMPLEMENTATION/INPUTS. Each Quarvel
implementation is set against every baseline of the same operation and inputs
under the same separators: "quarvel_comma" against the "*_comma" baselines,
"quarvel" against the others. A missed goal is reported, not an error.
"""
import json
import sys

# (operation, ours, baseline) -> (comparison, limit)
GOALS = {
    ("toNumber", "quarvel", "from_chars"): ("<=", 1.5),
    ("toNumber", "quarvel", "strtod"): ("<=", 0.5),
    ("toNumber", "quarvel", "qlocale_c"): ("<", 1.0),
    ("toNumber", "quarvel_comma", "qlocale_comma"): ("<", 1.0),
    ("toText", "quarvel", "to_chars"): ("<=", 2.0),
    ("toText", "quarvel", "snprintf"): ("<=", 0.5),
    ("toText", "quarvel", "qlocale_c"): ("<", 1.0),
    ("toText", "quarvel_comma", "qlocale_comma"): ("<", 1.0),
}


def medians(path):
    with open(path) as results:
        benchmarks = json.load(results)["benchmarks"]
    return {
        b["run_name"]: b["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
        for b in benchmarks
        if b.get("aggregate_name") == "median"
    }


def comparable(ours, baseline):
    return ours.startswith("quarvel") and not baseline.startswith("quarvel") and (
        ours.endswith("_comma") == baseline.endswith("_comma"))


def main(path):
    times = medians(path)
    by_case = {}
    for name, ns in times.items():
        operation, implementation, inputs = name.split("/")
        by_case.setdefault((operation, inputs), {})[implementation] = ns
    missed = 0
    print(f"{'operation':<15}{'inputs':<12}{'ours':<15}{'baseline':<15}"
          f"{'ours ns':>10}{'base ns':>10}{'ratio':>8}  goal")
    for (operation, inputs), implementations in by_case.items():
        for ours, ours_ns in implementations.items():
            for baseline, baseline_ns in implementations.items():
                if not comparable(ours, baseline):
                    continue
                ratio = ours_ns / baseline_ns
                goal = GOALS.get((operation, ours, baseline))
                verdict = ""
                if goal:
                    comparison, limit = goal
                    met = ratio <= limit if comparison == "<=" else ratio < limit
                    missed += not met
                    verdict = f"{comparison} {limit:g} {'met' if met else 'MISSED'}"
                print(f"{operation:<15}{inputs:<12}{ours:<15}{baseline:<15}"
                      f"{ours_ns:>10.1f}{baseline_ns:>10.1f}{ratio:>8.3f}  {verdict}")
    print(f"{missed} goal(s) missed")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
