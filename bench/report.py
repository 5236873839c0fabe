#!/usr/bin/env python3
"""Writes the benchmark figures into the marked section of bench/README.md.

Usage: report.py ROLL_JSON STARTUP_JSON MACHINE_TXT README
"""
import json
import statistics
import sys

BEGIN = "<!-- figures:begin -->"
END = "<!-- figures:end -->"


def load(path):
    with open(path, encoding="utf-8") as stream:
        return json.load(stream)["benchmarks"]


def single(runs, prefix):
    for run in runs:
        if run["name"].startswith(prefix) and run.get("run_type") == "iteration":
            return run
    raise SystemExit(f"no result for {prefix}")


def pairs(runs, prefix):
    """Each repetition's counters: one pair of start-ups, the minimal window's and ours."""
    found = [run for run in runs
             if run["run_name"].startswith(prefix) and run.get("run_type") == "iteration"]
    if not found:
        raise SystemExit(f"no result for {prefix}")
    return found


def verdict(met):
    return "met" if met else "**missed**"


def figures(roll, startup, machine):
    lines = []
    lines.append("Machine: " + machine["cpu"] + f", {machine['cores']} cores, "
                 f"{machine['memory']}; {machine['kernel']}; {machine['compiler']}; "
                 f"Qt {machine['qt']}; Google Benchmark {machine['benchmark']}; "
                 f"{machine['build']} build; {machine['date']}.")
    lines.append("")

    click = single(roll, "BM_RollClick")["real_time"]
    repaint = single(roll, "BM_RollClickAndRepaint")["real_time"]
    signal = single(roll, "BM_RollButtonClick")["real_time"]
    plain = single(roll, "BM_PlainQtButtonMouseClick")["real_time"]
    lines += [
        "### One roll (offscreen, the list emptied every 1000 rolls outside the timing)",
        "",
        "| Measure | Figure | Target | |",
        "| --- | ---: | ---: | --- |",
        f"| Mouse click on D4 (`QTest::mouseClick`) | {click:.1f} µs | < 20 µs "
        f"| {verdict(click < 20)} |",
        f"| The same click and one event-loop turn (layout, repaint) | {repaint:.1f} µs | | |",
        f"| D4 `click()`: the roll through the clicked signal, no press/release repaint "
        f"| {signal:.2f} µs | < 20 µs | {verdict(signal < 20)} |",
        f"| For comparison: mouse click on a bare `QPushButton` that does nothing "
        f"| {plain:.1f} µs | | |",
        "",
    ]

    million = single(roll, "BM_RollsIntoOneListThenClear/rolls:1000000/")
    lines += [
        "### A million rolls into one list, then its REFRESH",
        "",
        "D4 `click()` a million times, the event loop turning every 1000 rolls (timed).",
        "",
        "| Measure | Figure | Target | |",
        "| --- | ---: | ---: | --- |",
        f"| Per roll | {million['roll_us']:.2f} µs | < 20 µs "
        f"| {verdict(million['roll_us'] < 20)} |",
        f"| Last tenth of the rolls against the first (1 = linear) "
        f"| {million['last_vs_first_tenth']:.2f}× | | |",
        f"| Clear of {million['items']:.0f} items (the REFRESH click) "
        f"| {million['clear_ms']:.2f} ms | < 50 ms | {verdict(million['clear_ms'] < 50)} |",
        f"| Clear and the repaint after it | {million['clear_repaint_ms']:.2f} ms | | |",
        f"| Model resets / row removals the clear signalled "
        f"| {million['clear_model_resets']:.0f} / {million['clear_row_removals']:.0f} | 1 / 0 "
        f"| {verdict(million['clear_model_resets'] == 1 and million['clear_row_removals'] == 0)} |",
        f"| Memory per item: the model's store (`capacityBytes`) "
        f"| {million['store_B_per_item']:.1f} B | < 64 B "
        f"| {verdict(million['store_B_per_item'] < 64)} |",
        f"| Memory per item: heap growth (mallinfo2), view included "
        f"| {million['heap_B_per_item']:.1f} B | < 64 B "
        f"| {verdict(million['heap_B_per_item'] < 64)} |",
        f"| Memory per item: resident growth (/proc/self/statm) "
        f"| {million['rss_B_per_item']:.1f} B | < 64 B "
        f"| {verdict(million['rss_B_per_item'] < 64)} |",
        "",
        "With an event-loop turn after every roll, as a person clicking gets:",
        "",
        "| Rolls into one list | Per roll | Last tenth against the first |",
        "| ---: | ---: | ---: |",
    ]
    for run in roll:
        if (run["name"].startswith("BM_RollsIntoOneListThenClear/")
                and "/turn_every:1/" in run["name"]):
            lines.append(f"| {run['items']:.0f} | {run['roll_us']:.1f} µs "
                         f"| {run['last_vs_first_tenth']:.2f}× |")
    lines.append("")

    runs = pairs(startup, "BM_StartUpPair")
    median = statistics.median

    def column(program, measure):
        return [run[f"{program}_{measure}"] for run in runs]

    def row(title, program):
        paint = column(program, "paint_ms")
        return (f"| {title} | {median(paint):.1f} ms | {min(paint):.1f}–{max(paint):.1f} ms "
                f"| {median(column(program, 'mapped_ms')):.1f} ms "
                f"| {median(column(program, 'peak_MiB')):.1f} MiB "
                f"| {median(column(program, 'rss_MiB')):.1f} MiB |")

    ratios = [run["program_paint_ms"] / run["minimal_paint_ms"] for run in runs]
    extras = [run["program_peak_MiB"] - run["minimal_peak_MiB"] for run in runs]
    ratio = median(ratios)
    extra = median(extras)
    lines += [
        f"### Start-up, process start to first paint (Xvfb, {len(runs)} pairs, medians)",
        "",
        "Each pair starts the minimal window, then the program, one after the other.",
        "",
        "| Program | First paint | Range | Window mapped | Peak resident | Resident 0.5 s later |",
        "| --- | ---: | ---: | ---: | ---: | ---: |",
        row("Minimal Qt Widgets window", "minimal"),
        row("KESTRAVO", "program"),
        "",
        "| Measure (median over the pairs) | Figure | Target | |",
        "| --- | ---: | ---: | --- |",
        f"| First paint against the minimal window's | {ratio:.2f}× "
        f"({min(ratios):.2f}–{max(ratios):.2f}) | ≤ 1.35× | {verdict(ratio <= 1.35)} |",
        f"| Peak resident memory above the minimal window's | {extra:.1f} MiB "
        f"({min(extras):.1f}–{max(extras):.1f}) | ≤ 16 MiB | {verdict(extra <= 16)} |",
    ]
    return "\n".join(lines)


def main():
    roll_path, startup_path, machine_path, readme_path = sys.argv[1:5]
    machine = {}
    with open(machine_path, encoding="utf-8") as stream:
        for line in stream:
            key, _, value = line.rstrip("\n").partition("=")
            machine[key] = value
    section = figures(load(roll_path), load(startup_path), machine)
    with open(readme_path, encoding="utf-8") as stream:
        text = stream.read()
    head, found_begin, rest = text.partition(BEGIN)
    _, found_end, tail = rest.partition(END)
    if not found_begin or not found_end:
        raise SystemExit(f"{readme_path} has no {BEGIN} ... {END} section")
    with open(readme_path, "w", encoding="utf-8") as stream:
        stream.write(head + BEGIN + "\n" + section + "\n" + END + tail)


if __name__ == "__main__":
    main()
