#!/usr/bin/env python3
"""Checks every host's ribbon document over a matrix of settings, through trelvane-ribbon.

Each document must be well-formed XML, carry distinct ids, follow the settings it was built
from, and validate against the customUI schema (lax validation: the schema file has duplicate
attribute uses that strict validators reject). Where the schema file is absent the schema check
is skipped, saying so. The tool's own contract is checked too: exit codes, empty output, and a
one-line reason on a failed build.
"""
import argparse
import itertools
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = "{http://schemas.microsoft.com/office/2006/01/customui}"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


class Tool:
    def __init__(self, path, workdir):
        self.path = path
        self.workdir = workdir
        self.runs = 0

    def run(self, host, settings=None, ini_text=None, args=(), env_extra=None):
        """Runs the tool with its own settings folder; returns (exit code, stdout, stderr)."""
        self.runs += 1
        folder = os.path.join(self.workdir, str(self.runs))
        os.makedirs(folder)
        if settings is not None:
            ini_text = "[Trelvane]\n" + "".join(f"{k}={v}\n" for k, v in settings.items())
        if ini_text is not None:
            with open(os.path.join(folder, "Marrowick.ini"), "wb") as f:
                f.write(ini_text.encode("utf-8") if isinstance(ini_text, str) else ini_text)
        env = dict(os.environ, XDG_CONFIG_HOME=folder)
        env.update(env_extra or {})
        env = {k: v for k, v in env.items() if v is not None}
        cmd = [self.path] + ([host] if host else []) + list(args)
        done = subprocess.run(cmd, capture_output=True, env=env, timeout=60)
        return done.returncode, done.stdout, done.stderr.decode("utf-8", "replace")

    def hosts(self):
        code, out, _ = self.run(None, args=["--help"])
        match = re.search(rb"one of: ([a-z, ]+)", out)
        return match.group(1).decode().split(", ") if code == 0 and match else []


def tab_keys(document):
    """The hidden tabs' idMso values, and whether the ribbon starts from scratch."""
    root = ET.fromstring(document)
    ribbon = root.find(NS + "ribbon")
    hidden = [t.get("idMso") for t in root.iter(NS + "tab") if t.get("idMso")]
    return hidden, ribbon.get("startFromScratch") == "true"


def check_document(label, document, schema, settings):
    try:
        root = ET.fromstring(document)
    except ET.ParseError as e:
        check(False, f"{label}: not well-formed: {e}")
        return
    ids = [e.get("id") for e in root.iter() if e.get("id") is not None]
    dupes = sorted({i for i in ids if ids.count(i) > 1})
    check(not dupes, f"{label}: ids used twice: {dupes[:5]}")
    classic = next(t for t in root.iter(NS + "tab") if t.get("id") == "Menus")
    check(classic.get("label") == "Classic", f"{label}: the Classic tab is missing")
    left = settings.get("Left", "1") == "1"
    check((classic.get("insertBeforeMso") is not None) == left,
          f"{label}: Left={settings.get('Left')} but insertBeforeMso is "
          f"{classic.get('insertBeforeMso')}")
    first_box = root.find(f".//{NS}box[@id='boxNew1']")
    first = first_box[0] if len(first_box) else None
    all_menu = first is not None and first.tag == NS + "menu" and first.get("label") == "All"
    check(all_menu == (settings.get("All", "1") == "1"), f"{label}: All menu is {all_menu}")
    boxes = [b.get("id") for b in root.iter(NS + "box")]
    check(boxes[:3] == ["boxNew1", "boxNew2", "boxNew3"], f"{label}: boxes {boxes}")
    if schema is not None:
        errors = list(schema.iter_errors(document.decode("utf-8")))
        check(not errors, f"{label}: schema: {errors[0] if errors else ''}")


def hiding_cases(host_tabs):
    """Per-tab settings and what they must give: (name, values, hidden count, from scratch)."""
    n = len(host_tabs)
    yield "no tab keys", {}, 0, False
    yield "first tab", {host_tabs[0]: "1"}, 1, False
    yield "last two tabs", {host_tabs[-1]: "1", host_tabs[-2]: "1.0"}, 2, False
    yield "all tabs", {k: "1" for k in host_tabs}, 0, True
    sum_to_rows = {k: "1" for k in host_tabs}
    sum_to_rows[host_tabs[0]] = "2"
    sum_to_rows[host_tabs[1]] = "0"
    yield "values adding up to the row count", sum_to_rows, 0, True
    yield "all but one", {k: "1" for k in host_tabs[1:]}, n - 1, False


def host_tabs_of(tool, host):
    """The host's tab keys, learnt from which key hides which tab when set alone."""
    tabs = []
    for key in CANDIDATE_TABS:
        code, out, _ = tool.run(host, {"Hide built-in Tabs": "1", key: "1"})
        if code == 0 and out and tab_keys(out)[0]:
            tabs.append(key)
    return tabs


CANDIDATE_TABS = ["Home", "Insert", "Page Layout", "Formulas", "Data", "References", "Mailings",
                  "Design", "Animations", "Slide Show", "Review", "View", "Developer", "Format",
                  "Create", "External Data", "Database Tools"]


def check_matrix(tool, host, schema):
    documents = 0
    defaults_code, defaults, _ = tool.run(host)
    check(defaults_code == 0 and defaults, f"{host}: no default document")
    check_document(f"{host} defaults", defaults, schema, {})
    documents += 1

    tabs = host_tabs_of(tool, host)
    check(len(tabs) >= 4, f"{host}: only {tabs} hide a tab")
    for left, all_menu, (case, values, hidden, scratch) in itertools.product(
            ["0", "1", "2"], ["0", "1"], list(hiding_cases(tabs))):
        settings = {"Left": left, "All": all_menu, "Hide built-in Tabs": "1", **values}
        label = f"{host} Left={left} All={all_menu} hiding {case}"
        code, out, err = tool.run(host, settings)
        if not check(code == 0 and out, f"{label}: exit {code} {err.strip()}"):
            continue
        check_document(label, out, schema, settings)
        documents += 1
        got_hidden, got_scratch = tab_keys(out)
        check((len(got_hidden), got_scratch) == (hidden, scratch),
              f"{label}: hid {got_hidden}, from scratch {got_scratch}")

    # Hiding off: the tab keys are not looked at.
    code, out, _ = tool.run(host, {"Hide built-in Tabs": "0", **{k: "1" for k in tabs}})
    check(out == defaults, f"{host}: tab keys without Hide built-in Tabs changed the document")
    code, out, _ = tool.run(host, {"Classic": "5"})
    check(out == defaults, f"{host}: Classic=5 is not the same as on")
    for settings, args in [({"Classic": "0"}, []), ({}, ["--host-name", "Something Else"]),
                           ({}, ["--host-name", "MICROSOFT " + host.upper()])]:
        code, out, err = tool.run(host, settings, args=args)
        check(code == 0 and out == b"" and err == "",
              f"{host} {settings} {args}: expected nothing, got exit {code}, {len(out)} bytes")
    return documents


def check_bad_input(tool, host):
    _, defaults, _ = tool.run(host)
    for settings in [{"Classic": "abc"}, {"Left": ""}, {"All": "0x1"}, {"Classic": "1e99"},
                     {"Hide built-in Tabs": "1", "Home": "yes"}]:
        code, out, err = tool.run(host, settings)
        key, value = list(settings.items())[-1]
        check(code == 1 and out == b"", f"{host} {settings}: exit {code}, {len(out)} bytes out")
        check(err.count("\n") == 1 and key in err and f'"{value}"' in err,
              f"{host} {settings}: reason {err!r}")
    junk = (b"\xef\xbb\xbfgarbage\n\x00\xff\xfe\n[Trelvane\n=1\n[Other]\nClassic=0\n"
            b"[TRELVANE]\r\nnonsense\r\nclassic=1\r\nAll=1")
    code, out, _ = tool.run(host, ini_text=junk)
    check(code == 0 and out == defaults, f"{host}: a junk-filled file is not read as defaults")
    code, out, err = tool.run(host, ini_text=b"[Trelvane]\nAll=")  # truncated mid-value
    check(code == 1 and out == b"" and "All" in err, f"{host}: truncated value gave exit {code}")
    # A file as people edit and save it by hand reads as they mean it.
    _, meant, _ = tool.run(host, {"All": "0", "Left": "2"})
    check(meant != defaults, f"{host}: All=0 Left=2 gave the default document")
    for text in [b"[Trelvane] \nAll = 0\nLeft =2\n", b"[ Trelvane ]\r\nAll\t=\t0\r\n Left= 2 ",
                 b"[Trelvane]\rAll=0\rLeft=2\r",
                 "[Trelvane]\r\nAll =0\r\nLeft=2\r\n".encode("utf-16"),
                 "\ufeff[Trelvane]\nAll=0\nLeft=2\n".encode("utf-16-be")]:
        code, out, err = tool.run(host, ini_text=text)
        check(code == 0 and out == meant, f"{host}: {text!r} gave exit {code} {err.strip()}")
    # What cannot be read says so on one line, naming the file, rather than reading as defaults.
    for text in ["[Trelvane]\nAll=0\n".encode("utf-16")[:-1], b"[Trelvane]\nAll\xa0=0\n",
                 b"[Tr\xe9lvane]\nAll=0\n"]:
        code, out, err = tool.run(host, ini_text=text)
        check(code == 1 and out == b"" and err.count("\n") == 1 and "Marrowick.ini" in err,
              f"{host}: {text!r} gave exit {code}: {err!r}")
    code, out, err = tool.run(host, env_extra={"XDG_CONFIG_HOME": None, "HOME": None})
    check(code == 1 and out == b"" and err, f"{host}: no home folder gave exit {code}")
    folder = os.path.join(tool.workdir, "as-folder-" + host)
    os.makedirs(os.path.join(folder, "Marrowick.ini"))
    code, out, err = tool.run(host, env_extra={"XDG_CONFIG_HOME": folder})
    check(code == 1 and out == b"" and "Marrowick.ini" in err,
          f"{host}: an unreadable settings file gave exit {code}: {err!r}")
    folder = os.path.join(tool.workdir, "line\nbreak\r-" + host)
    os.makedirs(os.path.join(folder, "Marrowick.ini"))
    code, out, err = tool.run(host, env_extra={"XDG_CONFIG_HOME": folder})
    check(code == 1 and err.count("\n") == 1 and "line?break?-" in err,
          f"{host}: a settings path with line breaks gave {err!r}")


MENUS = ["Edit", "View", "Insert", "Format", "Query", "Records"]
KINDS = ["0", "1", "2", "3", "4", "5", "-1", "6", "12", "2147483647", "-2147483648"]


def visibility(tool, kind, *views):
    """The getVisible answers for an active object of `kind`, as {callback: bool}."""
    code, out, err = tool.run("access", args=["--visibility", kind, *views])
    check(code == 0, f"--visibility {kind} {views}: exit {code} {err.strip()}")
    answers = {}
    for line in out.decode().splitlines():
        name, _, value = line.partition(" ")
        answers[name] = value == "true"
    return answers


def check_access_context(tool, schema):
    """Access's dynamic-menu content and visibility answers, through the tool."""
    requests = [f"{menu}:{kind}" for kind in KINDS for menu in MENUS]
    args = [a for r in requests for a in ("--content", r)]
    code, out, err = tool.run("access", args=args)
    if not check(code == 0, f"access --content: exit {code} {err.strip()}"):
        return 0
    check(not out.endswith(b"\n"), "access --content: a newline after the last answer")
    answers = out.decode("utf-8").split("\n")
    check(len(answers) == len(requests), f"access --content: {len(answers)} answers")
    ids = []
    empty = {}
    for request, answer in zip(requests, answers):
        label = f"access --content {request}"
        try:
            root = ET.fromstring(answer)
        except ET.ParseError as e:
            check(False, f"{label}: not well-formed: {e}")
            continue
        check(root.tag == NS + "menu", f"{label}: root is {root.tag}")
        ids += [e.get("id") for e in root.iter() if e.get("id") is not None]
        empty[request] = len(root) == 0
        if schema is not None:
            errors = list(schema.iter_errors(answer))
            check(not errors, f"{label}: schema: {errors[0] if errors else ''}")
    dupes = sorted({i for i in ids if ids.count(i) > 1})
    check(not dupes, f"access --content: ids repeat across requests: {dupes[:5]}")

    # A menu is empty exactly where its getVisible callback hides it; the toolbar callbacks
    # follow the view buttons.
    for kind in KINDS:
        shown = visibility(tool, kind)
        for menu in MENUS:
            check(empty.get(f"{menu}:{kind}") == (not shown.get("OnGetVisible" + menu)),
                  f"{menu} for kind {kind}: empty {empty.get(f'{menu}:{kind}')}, "
                  f"visible {shown.get('OnGetVisible' + menu)}")
    names = list(visibility(tool, "2", "--design"))
    check(len(names) == 11 and names[0] == "OnGetVisibleFormOrReport"
          and names[-1] == "OnGetVisibleRecords", f"--visibility names: {names}")
    check(visibility(tool, "2", "--design")["OnGetVisibleFormOrReport"]
          and not visibility(tool, "2")["OnGetVisibleFormOrReport"]
          and visibility(tool, "7", "--datasheet")["OnGetVisibleText"],
          "--design and --datasheet press the view buttons")

    # The counters run on from the document, which is built even when it comes out empty.
    _, after_document, _ = tool.run("access", args=["--content", "Edit:0"])
    _, after_nothing, _ = tool.run("access", {"Classic": "0"}, args=["--content", "Edit:0"])
    check(b'id="msep001d"' in after_nothing and b'id="msep001d"' not in after_document,
          "--content numbers on from the document, and from 1 after an empty one")
    code, out, err = tool.run("access", {"Classic": "abc"}, args=["--content", "Edit:0"])
    check(code == 1 and out == b"" and err.count("\n") == 1,
          f"--content after a failed build: exit {code}, {len(out)} bytes")
    for bad in [["--content", "Tools:1"], ["--content", "Edit"], ["--content", "Edit:x"],
                ["--content", "Edit:1.5"], ["--content", "Edit:"], ["--visibility", ""],
                ["--content", "Edit:99999999999"], ["--visibility", "2", "--content", "Edit:2"],
                ["--design"], ["--visibility"]]:
        code, out, err = tool.run("access", args=bad)
        check(code == 2 and out == b"" and "usage" in err, f"access {bad}: exit {code}")
    code, out, err = tool.run("excel", args=["--content", "Edit:1"])
    check(code == 2 and out == b"", f"excel --content: exit {code}")
    return len(answers)


def check_command_line(tool):
    code, out, _ = tool.run(None, args=["--help"])
    check(code == 0 and b"usage: trelvane-ribbon HOST" in out, "--help")
    for args in [[], ["nosuchhost"], ["excel", "--bogus"], ["excel", "--host-name"],
                 ["excel", "word"]]:
        code, out, err = tool.run(None, args=args)
        check(code == 2 and out == b"" and "usage" in err, f"{args}: exit {code}")


SKIPPED = 77  # what CTest counts as a skipped test


def load_schema(path):
    if path is None:
        return None
    if not os.path.exists(path):
        print(f"SKIP schema validation: {path} is absent")
        sys.exit(SKIPPED)
    import xmlschema  # Debian's python3-xmlschema
    return xmlschema.XMLSchema(path, validation="lax")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--schema", help="validate against this customUI schema too; "
                        "the checks are skipped when the file is absent")
    args = parser.parse_args()
    schema = load_schema(args.schema)
    with tempfile.TemporaryDirectory(prefix="trelvane-docs-") as workdir:
        tool = Tool(args.tool, workdir)
        hosts = tool.hosts()
        check(hosts, "the tool names no hosts")
        check_command_line(tool)
        documents = 0
        for host in hosts:
            documents += check_matrix(tool, host, schema)
            check_bad_input(tool, host)
        contents = check_access_context(tool, schema) if "access" in hosts else 0
    for failure in failures[:40]:
        print("FAIL", failure)
    validated = "schema-validated" if schema is not None else "not schema-validated"
    print(f"{len(hosts)} hosts, {documents} documents and {contents} menu contents ({validated}), "
          f"{tool.runs} runs, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
