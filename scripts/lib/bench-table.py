#!/usr/bin/env python3
"""The table of scripts/bench, from the benchmark programs' JSON results in FOLDER: one row per
measurement with the project's figure, the alternative's, their ratio (project / alternative),
the goal and whether it is met. Times are medians over the repetitions (wall time) unless the row
says p95; a benchmark that was skipped shows its reason. The parse rows also show the CPU time and
take their ratio from it: on a machine shared with other work the wall time of a computation
includes the waits for a core, which fall unevenly on the two sides. The fresh-process row has CPU
time only: the sum over its child processes of the CPU time of their one parse.

usage: bench-table.py FOLDER"""
import json
import os
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


class Results:
    def __init__(self, folder):
        self.runs = {}
        for name in os.listdir(folder):
            if name.endswith(".json"):
                with open(os.path.join(folder, name)) as f:
                    self.runs[name[:-5]] = json.load(f).get("benchmarks", [])

    def find(self, program, benchmark, aggregate):
        for run in self.runs.get(program, []):
            name = run.get("run_name", run["name"])
            if (name == benchmark or name.startswith(benchmark + "/")) and \
                    run.get("aggregate_name") == aggregate:
                return run
        return None

    def ms(self, program, benchmark, aggregate="median", clock="real_time"):
        run = self.find(program, benchmark, aggregate)
        return run[clock] * UNIT_MS[run["time_unit"]] if run else None

    def counter(self, program, benchmark, counter, aggregate="median"):
        run = self.find(program, benchmark, aggregate)
        return run.get(counter) if run else None

    def skipped(self, program, benchmark):
        if program not in self.runs:
            return "not run"
        for run in self.runs[program]:
            if run["name"].startswith(benchmark) and run.get("error_occurred"):
                return run.get("error_message", "skipped")
        return None


def shown(value, unit):
    if value is None:
        return "—"
    if unit == "ms" and value < 1:
        return f"{value * 1e3:.1f} µs"
    if unit == "ms" and value >= 1000:
        return f"{value / 1e3:.2f} s"
    return f"{value:.3g} {unit}" if unit != "ms" else f"{value:.2f} ms"


def main():
    results = Results(sys.argv[1])
    rows = []

    def add(title, project, alternative, unit, goal_text, met, note=None, cpu=None):
        ratio = f"{project / alternative:.2f}" if project and alternative else "—"
        shown_project, shown_alternative = shown(project, unit), shown(alternative, unit)
        if cpu and cpu[0] and cpu[1]:
            ratio = f"{cpu[0] / cpu[1]:.2f} (CPU)"
            shown_project += f" (CPU {shown(cpu[0], unit)})"
            shown_alternative += f" (CPU {shown(cpu[1], unit)})"
        verdict = "—" if met is None or project is None else ("yes" if met else "no")
        rows.append((title if not note else f"{title} ({note})", shown_project,
                     shown_alternative, ratio, goal_text, verdict))

    def parse_row(title, stem, goal):
        project = results.ms("ppd_parse", f"BM_{stem}KTVPPD")
        alternative = results.ms("ppd_parse", f"BM_{stem}Libcups")
        cpu = (results.ms("ppd_parse", f"BM_{stem}KTVPPD", clock="cpu_time"),
               results.ms("ppd_parse", f"BM_{stem}Libcups", clock="cpu_time"))
        note = results.skipped("ppd_parse", f"BM_{stem}")
        files = results.counter("ppd_parse", f"BM_{stem}KTVPPD", "files")
        if files and files > 1:
            title += f", {int(files)} files"
        met = None if goal is None or not all(cpu) else cpu[0] / cpu[1] <= goal
        add(title, project, alternative, "ms", "—" if goal is None else f"ratio ≤ {goal}", met,
            note, cpu)

    parse_row("PPD parse: bundled crvmtqix.ppd vs ppdOpenFile+ppdMarkDefaults", "Bundled", None)
    parse_row("PPD parse: 10 kB CR LF file", "Small", None)
    parse_row("PPD parse: generated 1 MB file", "Large", 0.4)
    parse_row("PPD parse: openprinting-ppds corpus total", "Corpus", 0.5)

    # Each file in a process of its own: the time is the children's CPU time for the parse alone.
    fresh = (results.ms("ppd_parse", "BM_CorpusFreshKTVPPD"),
             results.ms("ppd_parse", "BM_CorpusFreshLibcups"))
    files = results.counter("ppd_parse", "BM_CorpusFreshKTVPPD", "files")
    add("PPD parse: openprinting-ppds corpus, one file per fresh process" +
        (f", {int(files)} files" if files else ""), fresh[0], fresh[1], "ms", "ratio ≤ 0.5",
        None if not all(fresh) else fresh[0] / fresh[1] <= 0.5,
        results.skipped("ppd_parse", "BM_CorpusFresh"), fresh)

    start = results.ms("dialog_start", "BM_DialogStart")
    start95 = results.ms("dialog_start", "BM_DialogStart", "p95")
    cups = results.counter("dialog_start", "BM_DialogStart", "cups_us")
    note = results.skipped("dialog_start", "BM_DialogStart")
    cups_note = f"in libcups {cups / 1e3:.2f} ms" if cups is not None else note
    add("Dialog start: Prologue+Initialize+Open, median", start, None, "ms", "< 15 ms",
        start is not None and start < 15, cups_note)
    add("Dialog start: p95", start95, None, "ms", "< 15 ms", start95 is not None and start95 < 15)

    for title, benchmark in (("Full constraint pass SetUIConstraints(All)", "BM_ConstraintPass"),
                             ("Output-pane click (staple popup)", "BM_OutputPaneClick")):
        value = results.ms("pane_constraints", benchmark)
        add(title, value, None, "ms", "< 50 µs", value is not None and value < 0.05,
            results.skipped("pane_constraints", benchmark))

    value = results.ms("secure_access", "BM_SecureAccessValidation")
    add("Secure Access validation round trip (settings + validation)", value, None, "ms",
        "< 2 ms", value is not None and value < 2,
        results.skipped("secure_access", "BM_SecureAccessValidation"))

    corvel = results.ms("print_submission", "BM_SubmitCorvelPrint")
    lp = results.ms("print_submission", "BM_SubmitLp")
    add("Print submission: corvel-print --headless vs lp", corvel, lp, "ms", "ratio ≤ 1.2",
        corvel is not None and lp is not None and corvel / lp <= 1.2,
        results.skipped("print_submission", "BM_Submit"))
    dry = results.counter("print_submission", "BM_DialogDryRun", "maxrss_kB")
    lp_rss = results.counter("print_submission", "BM_SubmitLp", "maxrss_kB")
    add("Peak memory: corvel-print --headless --dry-run vs lp (maxrss via wait4)",
        dry / 1024 if dry else None, lp_rss / 1024 if lp_rss else None, "MB", "—", None,
        results.skipped("print_submission", "BM_DialogDryRun"))

    held = results.ms("agent_prompt", "BM_HeldJobToDialog")
    add("Held job to its dialog: corvel-agent with a subscription, median", held, None, "ms",
        "< 300 ms", held is not None and held < 300,
        results.skipped("agent_prompt", "BM_HeldJobToDialog"))

    print("| measurement | project | alternative | ratio | goal | met? |")
    print("|---|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
