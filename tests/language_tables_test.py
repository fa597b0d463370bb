#!/usr/bin/env python3
"""A language table that misses a text, adds one, or breaks one stops the build.

  language_tables_test.py SOURCE_DIR

Copies the tables, breaks the copies one way at a time, and runs the tables' check as the build
runs it; once, with a text missing from one table and one too many in another, the build itself
is configured and run on them, and must fail naming both.
"""
import os
import shutil
import subprocess
import sys
import tempfile

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def edit(folder, tag, old, new):
    path = os.path.join(folder, tag + ".txt")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    check(old in text, f"{tag}.txt has no line {old!r} to break")
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace(old, new, 1))


def entry(folder, tag, english):
    """The whole line of `english` in a table."""
    with open(os.path.join(folder, tag + ".txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith('"%s" =' % english):
                return line
    return ""


def run_check(script, folder, tags):
    done = subprocess.run([sys.executable, script, "--check", folder] + tags,
                          capture_output=True, text=True)
    return done.returncode, done.stderr


def main(source):
    script = os.path.join(source, "tools", "language_tables.py")
    languages = os.path.join(source, "languages")
    tags = sorted(n[:-4] for n in os.listdir(languages) if n.endswith(".txt") and n != "catalog.txt")
    check(len(tags) == 12, f"{len(tags)} tables")
    with tempfile.TemporaryDirectory(prefix="trelvane-languages-") as work:
        def fresh():
            folder = os.path.join(work, "languages")
            shutil.rmtree(folder, ignore_errors=True)
            shutil.copytree(languages, folder)
            return folder

        code, err = run_check(script, fresh(), tags)
        check(code == 0, f"the tables as they are: exit {code} {err}")

        # One fault at a time: (what, table, old line part, new, what the report must say)
        file_line = entry(languages, "de", "File")
        format_line = entry(languages, "fr", "Version {0}")
        breaks = [
            ("a missing text", "de", file_line, "", '"File" of [ribbon] is missing'),
            ("a text too many", "fr", "[ribbon]\n", '[ribbon]\n"Flie" = "x"\n',
             '"Flie" is no text of [ribbon]'),
            ("a text twice", "ja", entry(languages, "ja", "File"),
             entry(languages, "ja", "File") * 2, "twice"),
            ("a placeholder dropped", "fr", format_line, '"Version {0}" = "Version"\n',
             "placeholders"),
            ("an empty translation", "it", entry(languages, "it", "Edit"), '"Edit" = ""\n',
             "empty translation"),
            ("an Office version named", "ko", entry(languages, "ko", "About Excel 2010 Trelvane"),
             '"About Excel 2010 Trelvane" = "Trelvane 2010"\n', "no Office version"),
            ("a line that is no entry", "pl", "[windows]\n", "[windows]\nOK = OK\n",
             "not an entry"),
            ("a bare ampersand in the ribbon", "nl", entry(languages, "nl", "Edit"),
             '"Edit" = "Bewerken & zo"\n', "&amp;"),
        ]
        for what, tag, old, new, said in breaks:
            folder = fresh()
            edit(folder, tag, old, new)
            code, err = run_check(script, folder, tags)
            check(code == 1 and f"{tag}.txt" in err and said in err,
                  f"{what} in {tag}.txt: exit {code}, {err.strip()!r}")

        # The build itself, on a table missing a text and another with one too many.
        folder = fresh()
        edit(folder, "de", file_line, "")
        edit(folder, "ru", "[tabs]\n", '[tabs]\n"Homepage" = "x"\n')
        build = os.path.join(work, "build")
        configure = subprocess.run(
            ["cmake", "-S", source, "-B", build, "-DTRELVANE_LANGUAGE_DIR=" + folder,
             "-DTRELVANE_TESTS=OFF", "-DTRELVANE_BENCHMARKS=OFF"],
            capture_output=True, text=True)
        check(configure.returncode == 0, f"configure: {configure.stderr[-500:]}")
        built = subprocess.run(["cmake", "--build", build, "--target", "trelvane_language_tables"],
                               capture_output=True, text=True)
        output = built.stdout + built.stderr
        check(built.returncode != 0 and '"File" of [ribbon] is missing' in output
              and '"Homepage" is no text of [tabs]' in output,
              f"the build on broken tables: exit {built.returncode}, {output[-600:]!r}")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(breaks) + 2} table checks, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
