#!/usr/bin/env python3
"""The summary lines of a test run, from CTest's JUnit reports (scripts/presets.sh).

  test_summary.py PRESET REPORT.xml        one line: tests passed, failed and skipped
  test_summary.py --skipped-for-32bit REPORT.xml...
                                           where this machine runs no 32-bit programs, one line
                                           that says so and names the tests skipped for it;
                                           nothing where it runs them

A test that did not run because a fixture it needs failed counts as failed, not skipped.
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

WINE32_LOADER = "/usr/lib/wine/wine"


def outcomes(report):
    """(name, 'passed' | 'failed' | 'skipped') for every test of one report."""
    for case in ET.parse(report).getroot().iter("testcase"):
        skipped = case.find("skipped")
        if case.find("failure") is not None or case.get("status") == "fail":
            yield case.get("name"), "failed"
        elif skipped is not None or case.get("status") in ("notrun", "disabled"):
            message = skipped.get("message", "") if skipped is not None else ""
            skip = message.startswith("SKIP_") or message == "Disabled"
            yield case.get("name"), "skipped" if skip else "failed"
        else:
            yield case.get("name"), "passed"


def preset_line(preset, report):
    counts = {"passed": 0, "failed": 0, "skipped": 0}
    failed = []
    for name, outcome in outcomes(report):
        counts[outcome] += 1
        if outcome == "failed":
            failed.append(name)
    line = "%-18s %d passed, %d failed, %d skipped" % (
        preset, counts["passed"], counts["failed"], counts["skipped"])
    if failed:
        line += " (failed: %s)" % ", ".join(failed)
    return line


def runs_32bit_programs():
    if os.environ.get("TRELVANE_NO_32BIT") == "1":
        return False
    try:
        return subprocess.run([WINE32_LOADER, "--version"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=60).returncode == 0
    except (OSError, subprocess.TimeoutExpired):
        return False


def skipped_for_32bit_line(reports):
    if runs_32bit_programs():
        return None
    parts = []
    for report in sorted(reports):
        preset = os.path.splitext(os.path.basename(report))[0]
        if not preset.startswith("mingw-"):
            continue
        results = list(outcomes(report))
        skipped = [name for name, outcome in results if outcome == "skipped"]
        if skipped and len(skipped) == len(results):
            parts.append("the whole %s run (%d tests)" % (preset, len(skipped)))
        elif skipped:
            parts.append("in %s %s" % (preset, ", ".join(skipped)))
    named = "; ".join(parts) if parts else "nothing"
    if os.environ.get("TRELVANE_NO_32BIT") == "1":
        why = "TRELVANE_NO_32BIT=1 said to run no 32-bit programs"
    else:
        why = ("this machine runs no 32-bit programs (its kernel has IA-32 emulation off, so "
               "Wine cannot start them)")
    return "32-bit             not run: %s; skipped for it: %s" % (why, named)


def main(argv):
    if len(argv) >= 2 and argv[0] == "--skipped-for-32bit":
        line = skipped_for_32bit_line([r for r in argv[1:] if os.path.isfile(r)])
        if line:
            print(line)
        return 0
    if len(argv) == 2:
        print(preset_line(argv[0], argv[1]))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
