#!/usr/bin/env python3
"""Checks every host's ribbon document over a matrix of settings, through trelvane-ribbon.

Each document, for each Office version the add-in writes for (14, 15, 16), must be well-formed
XML, carry distinct ids, follow the settings it was built from, and validate against the customUI
schema when one is given (lax validation: the schema file has duplicate attribute uses that
strict validators reject). Given Microsoft's
control lists, every idMso of every document and Access menu must be in the lists of the version
it was written for, with a matching element. Given a host's list of the old menus (the fenced
`classic` blocks that its content transcribes), its menus and toolbars must hold that list's
items in its order, and its tab keys must hide the tabs that list's `tabs` block gives them, as
far as each version's control lists have them. Given the language tables, each host's default
document and Access's menus are built again in every language, schema-validated, and must equal
the English ones but for their texts: a built-in control carries none of ours, and each of our
own texts is the table's translation of the English text in its place. The tool's own contract
is checked too: exit codes, empty output, and a one-line reason on a failed build.
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


VERSIONS = ["14", "15", "16"]


class ControlUse:
    """Every idMso written, per host and Office version, with the elements that name it."""

    def __init__(self):
        self.elements = {}

    def add(self, host, version, root):
        seen = self.elements.setdefault((host, version), {})
        for e in root.iter():
            if e.get("idMso") is not None:
                seen.setdefault(e.get("idMso"), set()).add(e.tag.replace(NS, ""))
            # The tab the Classic tab goes before must be a tab of that version too.
            if e.get("insertBeforeMso") is not None:
                seen.setdefault(e.get("insertBeforeMso"), set()).add("tab")


uses = ControlUse()


def check_document(label, document, schema, settings, host=None, version=None):
    try:
        root = ET.fromstring(document)
    except ET.ParseError as e:
        check(False, f"{label}: not well-formed: {e}")
        return
    if host is not None:
        uses.add(host, version, root)
    ids = [e.get("id") for e in root.iter() if e.get("id") is not None]
    dupes = sorted({i for i in ids if ids.count(i) > 1})
    check(not dupes, f"{label}: ids used twice: {dupes[:5]}")
    classic = next((t for t in root.iter(NS + "tab") if t.get("id") == "Menus"), None)
    if not check(classic is not None, f"{label}: the Classic tab is missing"):
        return
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
    if version not in (None, "14"):
        named = [e.get(a) for e in root.iter() for a in TEXT_ATTRIBUTES
                 if "2010" in (e.get(a) or "")]
        check(not named, f"{label}: names Office 2010 for Office {version}: {named[:2]}")
    if schema is not None:
        errors = list(schema.iter_errors(document.decode("utf-8")))
        check(not errors, f"{label}: schema: {errors[0] if errors else ''}")
    if host in classic_lists:
        check_against_classic_list(label, root, classic_lists[host])


def hiding_cases(host_tabs):
    """Per-tab settings and what they must give: (name, values, keys hiding, from scratch)."""
    keys = list(host_tabs)
    yield "no tab keys", {}, [], False
    yield "first tab", {keys[0]: "1"}, keys[:1], False
    yield "last two tabs", {keys[-1]: "1", keys[-2]: "1.0"}, keys[-2:], False
    yield "all tabs", {k: "1" for k in keys}, [], True
    sum_to_rows = {k: "1" for k in keys}
    sum_to_rows[keys[0]] = "2"
    sum_to_rows[keys[1]] = "0"
    yield "values adding up to the row count", sum_to_rows, [], True
    yield "all but one", {k: "1" for k in keys[1:]}, keys[1:], False


def host_tabs_of(tool, host):
    """The host's tab keys, learnt from which tabs each key hides when set alone: {key:
    {version: [tab idMso, ...]}}, for every key that hides a tab in some version."""
    tabs = {}
    for key in CANDIDATE_TABS:
        hidden = {}
        for version in VERSIONS:
            code, alone, _ = tool.run(host, {"Hide built-in Tabs": "1", key: "1"},
                                      args=["--office-version", version])
            if code == 0 and alone:
                uses.add(host, version, ET.fromstring(alone))
                hidden[version] = tab_keys(alone)[0]
        if any(hidden.values()):
            tabs[key] = hidden
    return tabs


CANDIDATE_TABS = ["Home", "Insert", "Page Layout", "Formulas", "Data", "References", "Mailings",
                  "Design", "Animations", "Slide Show", "Review", "View", "Developer", "Format",
                  "Create", "External Data", "Database Tools", "Send / Receive", "Folder",
                  "Add-ins", "Help"]


def matrix_settings(tabs):
    """Every line of the settings matrix, with the keys that hide tabs and whether the ribbon
    starts from scratch."""
    for left, all_menu, (case, values, hiding, scratch) in itertools.product(
            ["0", "1", "2"], ["0", "1"], list(hiding_cases(tabs))):
        settings = {"Left": left, "All": all_menu, "Hide built-in Tabs": "1", **values}
        yield f"Left={left} All={all_menu} hiding {case}", settings, hiding, scratch


def check_matrix(tool, host, schema, tabs, version):
    documents = 0
    as_version = ["--office-version", version]
    defaults_code, defaults, _ = tool.run(host, args=as_version)
    check(defaults_code == 0 and defaults, f"{host} {version}: no default document")
    check_document(f"{host} {version} defaults", defaults, schema, {}, host, version)
    documents += 1
    if version == "14":
        _, unnamed, _ = tool.run(host)
        check(unnamed == defaults, f"{host}: without --office-version not the 14 document")

    for line, settings, hiding, scratch in matrix_settings(tabs):
        label = f"{host} {version} {line}"
        code, out, err = tool.run(host, settings, args=as_version)
        if not check(code == 0 and out, f"{label}: exit {code} {err.strip()}"):
            continue
        check_document(label, out, schema, settings, host, version)
        documents += 1
        got_hidden, got_scratch = tab_keys(out)
        hidden = sorted(t for key in hiding for t in tabs[key][version])
        check((sorted(got_hidden), got_scratch) == (hidden, scratch),
              f"{label}: hid {got_hidden}, from scratch {got_scratch}")

    # Hiding off: the tab keys are not looked at.
    code, out, _ = tool.run(host, {"Hide built-in Tabs": "0", **{k: "1" for k in tabs}},
                            args=as_version)
    check(out == defaults, f"{host} {version}: tab keys without Hide built-in Tabs changed it")
    code, out, _ = tool.run(host, {"Classic": "5"}, args=as_version)
    check(out == defaults, f"{host} {version}: Classic=5 is not the same as on")
    for settings, args in [({"Classic": "0"}, []), ({}, ["--host-name", "Something Else"]),
                           ({}, ["--host-name", "MICROSOFT " + host.upper()])]:
        code, out, err = tool.run(host, settings, args=args + as_version)
        check(code == 0 and out == b"" and err == "",
              f"{host} {settings} {args}: expected nothing, got exit {code}, {len(out)} bytes")
    return documents


classic_lists = {}


class ClassicList:
    """A host's list of the old menus: its fenced `classic NAME` blocks, which the content
    transcribes, and its `tabs` block, the tab keys and the tabs each stands for."""

    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        self.menu_bar, self.toolbars = [], []
        for body in re.findall(r"^```classic [^\n]*\n(.*?)^```", text, re.S | re.M):
            tokens, toolbar = self.tokens(body)
            if toolbar:
                self.toolbars.append(tokens)
            else:
                self.menu_bar += tokens
        self.tabs = {}
        for block in re.findall(r"^```tabs\n(.*?)^```", text, re.S | re.M):
            for line in block.splitlines():
                fields = [f.strip() for f in line.split("|")]
                if len(fields) >= 2 and fields[0]:
                    self.tabs.setdefault(fields[1], []).append(fields[0])

    @staticmethod
    def tokens(body):
        """The block as (kind, ...) tuples, as classic_tokens reads a document, and whether it
        is a toolbar, whose own opening and closing lines stand for its box."""
        tokens, open_lines, toolbar = [], [], False
        for line in body.splitlines():
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("toolbar:"):
                toolbar = True
                open_lines.append("toolbar")
            elif line.startswith("menu:"):
                open_lines.append("menu")
                tokens.append(("menu", line[len("menu:"):].strip()))
            elif line.startswith("buttonGroup:"):
                open_lines.append("buttonGroup")
                tokens.append(("buttonGroup",))
            elif line == "end":
                if open_lines.pop() != "toolbar":
                    tokens.append(("end",))
            elif line == "---":
                tokens.append(("separator",))
            else:
                fields = [f.strip() for f in line.split("|")]
                tokens.append(("control", fields[0], None if fields[2] == "=" else fields[2]))
        return tokens, toolbar


def classic_tokens(elements, in_toolbar):
    """The elements of a menu, box or button group as the list writes them: menus, button groups
    and their ends, separators, controls with the text they show (their label in menus, their
    screentip on toolbars, which show no label), and the add-in's own buttons by their callback.
    The disabled gaps between menus and groups are left out."""
    tokens = []
    for e in elements:
        tag = e.tag.replace(NS, "")
        if tag == "menu":
            tokens += [("menu", e.get("label"))] + classic_tokens(e, False) + [("end",)]
        elif tag == "buttonGroup":
            tokens += [("buttonGroup",)] + classic_tokens(e, in_toolbar) + [("end",)]
        elif tag == "menuSeparator":
            tokens.append(("separator",))
        elif tag == "control" and in_toolbar:
            tokens.append(("control", e.get("idMso"), e.get("screentip"))
                          if e.get("showLabel") == "false" and e.get("label") is None
                          else ("toolbar control showing a label", e.get("idMso")))
        elif tag == "control":
            tokens.append(("control", e.get("idMso"), e.get("label")))
        elif tag == "button" and e.get("onAction"):
            tokens.append(("own", e.get("onAction")))
        elif not (tag == "button" and e.get("enabled") == "false"):
            tokens.append(("unexpected", tag))
    return tokens


def first_difference(got, expected):
    for i, (a, b) in enumerate(zip(got, expected)):
        if a != b:
            return f"item {i}: {a}, the list has {b}"
    return f"{len(got)} items, the list has {len(expected)}"


def check_against_classic_list(label, root, classic):
    """The menu bar on the tab, its copy in the All menu and the toolbars hold the list's items
    in its order; Help ends with the add-in's Uninstall and About buttons."""
    bar = classic.menu_bar[:-1] + [("separator",), ("own", "Uninstall0"), ("separator",),
                                   ("own", "ShowAbout0"), ("end",)]
    boxes = {b.get("id"): b for b in root.iter(NS + "box")}
    on_tab = list(boxes["boxNew1"])
    if on_tab and on_tab[0].tag == NS + "menu" and on_tab[0].get("label") == "All":
        inside = classic_tokens(on_tab.pop(0), False)
        check(inside == bar, f"{label}: the All menu is not the list's menu bar: "
                             f"{first_difference(inside, bar)}")
    got = classic_tokens(on_tab, False)
    check(got == bar, f"{label}: the menu bar is not the list's: {first_difference(got, bar)}")
    for box, toolbar in zip(["boxNew2", "boxNew3"], classic.toolbars):
        got = classic_tokens(boxes[box], True)
        check(got == toolbar, f"{label}: {box} is not the list's toolbar: "
                              f"{first_difference(got, toolbar)}")


def check_tab_table(host, tabs, classic, folder):
    """Each tab key hides the tabs the list gives it, in each version as far as that version's
    control lists have them: a tab a version lacks is not named in its document."""
    lists = {name: read_control_list(folder, name, host) for name in ALL_LISTS}
    for key in sorted(set(classic.tabs) | set(tabs)):
        for version in VERSIONS:
            names = LISTS_OF_VERSION.get(version, ["office2013"])
            expected = sorted(t for t in classic.tabs.get(key, [])
                              if all(lists[name].get(t) == "tab" for name in names))
            got = sorted(tabs.get(key, {}).get(version, []))
            check(got == expected, f"{host} {version}: the key {key} hides {got}, the list "
                                   f"gives {expected}")


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


def check_menu_contents(tool, schema, version):
    """Every dynamic menu for every kind, as Access gets it from the add-in for `version`."""
    requests = [f"{menu}:{kind}" for kind in KINDS for menu in MENUS]
    args = [a for r in requests for a in ("--content", r)] + ["--office-version", version]
    code, out, err = tool.run("access", args=args)
    if not check(code == 0, f"access {version} --content: exit {code} {err.strip()}"):
        return 0
    check(not out.endswith(b"\n"), "access --content: a newline after the last answer")
    answers = out.decode("utf-8").split("\n")
    check(len(answers) == len(requests), f"access --content: {len(answers)} answers")
    ids = []
    empty = {}
    for request, answer in zip(requests, answers):
        label = f"access {version} --content {request}"
        try:
            root = ET.fromstring(answer)
        except ET.ParseError as e:
            check(False, f"{label}: not well-formed: {e}")
            continue
        check(root.tag == NS + "menu", f"{label}: root is {root.tag}")
        uses.add("access", version, root)
        ids += [e.get("id") for e in root.iter() if e.get("id") is not None]
        empty[request] = len(root) == 0
        if schema is not None:
            errors = list(schema.iter_errors(answer))
            check(not errors, f"{label}: schema: {errors[0] if errors else ''}")
    dupes = sorted({i for i in ids if ids.count(i) > 1})
    check(not dupes, f"access {version} --content: ids repeat across requests: {dupes[:5]}")

    # A menu is empty exactly where its getVisible callback hides it, in every version.
    for kind in KINDS:
        shown = visibility(tool, kind)
        for menu in MENUS:
            check(empty.get(f"{menu}:{kind}") == (not shown.get("OnGetVisible" + menu)),
                  f"{version} {menu} for kind {kind}: empty {empty.get(f'{menu}:{kind}')}, "
                  f"visible {shown.get('OnGetVisible' + menu)}")
    return len(answers)


def check_access_context(tool, schema):
    """Access's dynamic-menu content and visibility answers, through the tool."""
    answers = sum(check_menu_contents(tool, schema, version) for version in VERSIONS)

    # The toolbar callbacks follow the view buttons.
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
    return answers


TEXT_ATTRIBUTES = ("label", "screentip", "supertip")


def load_language_tables(folder):
    """{tag: {(section, English): translation}}, read as the build reads them."""
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
    import language_tables
    catalog, faults = language_tables.read_catalog(folder)
    tables = {}
    for tag in language_tables.tags_in(folder):
        tables[tag], table_faults = language_tables.read_table(folder, tag, catalog)
        faults += table_faults
    check(not faults, f"language tables: {faults[:3]}")
    return tables


TAG = re.compile(rb"<(/?)([A-Za-z]+)([^>]*)>")
TEXT = re.compile(rb'\s(label|screentip|supertip)\s*=\s*"([^"]*)"')


def without_texts(document):
    """The document with every label, screentip and supertip taken out."""
    return TEXT.sub(b"", document)


def texts_in_place(document):
    """[(tag number, attribute, text, built in)] of every text attribute, in document order."""
    found = []
    for number, tag in enumerate(TAG.finditer(document)):
        if tag.group(1):
            continue
        attributes = tag.group(3)
        built_in = b"idMso=" in attributes
        for match in TEXT.finditer(attributes):
            found.append((number, match.group(1).decode(), match.group(2).decode("utf-8"),
                          built_in))
    return found


def expected_texts(english, table, where):
    """What the other language's document must carry where the English one has `english`."""
    wanted = []
    for number, attribute, text, built_in in english:
        if built_in:
            continue  # Office's own words: none of ours
        if text.strip():
            translated = table.get(("ribbon", text))
            check(translated is not None, f"{where}: {attribute} {text!r} is in no table")
            text = translated if translated is not None else text
        wanted.append((number, attribute, text, False))
    return wanted


def same_but_texts(english, other, table, where):
    """`other` is `english` but for its texts: none on built-in controls, and each of our own
    the table's translation of the English text in its place."""
    if not check(without_texts(english) == without_texts(other),
                 f"{where}: differs from the English document beyond its texts"):
        return
    wanted = expected_texts(texts_in_place(english), table, where)
    got = texts_in_place(other)
    if wanted != got:
        wrong = next((w, g) for w, g in itertools.zip_longest(wanted, got) if w != g)
        check(False, f"{where}: {wrong[1]} where the table says {wrong[0]}")
    check(all(0 < len(t[2]) <= 1024 for t in got), f"{where}: a text out of bounds")


def check_languages(tool, schema, hosts, tables):
    """Each host's default document for each version, and Access's menus, in every language,
    through the tool and the schema; the unit tests hold the whole settings matrix in every
    language against English the same way, in process."""
    tags = sorted(tables)
    documents = 0
    ours = set()  # every text of our own that an English document shows
    for host, version in itertools.product(hosts, VERSIONS):
        as_version = ["--office-version", version]
        _, english, _ = tool.run(host, args=as_version)
        ours |= {t[2] for t in texts_in_place(english) if not t[3]}
        for tag in tags:
            where = f"{host} {version} {tag}"
            code, out, err = tool.run(host, args=as_version + ["--language", tag])
            if not check(code == 0 and out, f"{where}: exit {code} {err.strip()}"):
                continue
            same_but_texts(english, out, tables[tag], where)
            documents += 1
            if schema is not None:
                errors = list(schema.iter_errors(out.decode("utf-8")))
                check(not errors, f"{where}: schema: {errors[0] if errors else ''}")
    if "access" in hosts:
        requests = [f"{menu}:{kind}" for kind in ["0", "1", "2", "3", "4", "5", "-1"]
                    for menu in MENUS]
        args = [a for r in requests for a in ("--content", r)] + ["--office-version", "16"]
        _, english, _ = tool.run("access", args=args)
        for tag in tags:
            code, out, _ = tool.run("access", args=args + ["--language", tag])
            answers = out.split(b"\n")
            check(code == 0 and len(answers) == len(requests), f"access {tag} --content: {code}")
            for request, a, b in zip(requests, english.split(b"\n"), answers):
                same_but_texts(a, b, tables[tag], f"access 16 {tag} --content {request}")
        ours |= {t[2] for t in texts_in_place(english) if not t[3]}
    # A text the tables translate that no document shows any more is one to take out of them.
    catalog = {english for table in tables.values() for section, english in table
               if section == "ribbon"}
    stale = sorted(catalog - ours)
    check(not stale, f"language tables: [ribbon] texts no document shows: {stale[:5]}")
    return documents


def check_command_line(tool):
    code, out, _ = tool.run(None, args=["--help"])
    check(code == 0 and b"usage: trelvane-ribbon HOST" in out, "--help")
    check(b"--office-version" in out, "--help names --office-version")
    for args in [[], ["nosuchhost"], ["excel", "--bogus"], ["excel", "--host-name"],
                 ["excel", "word"], ["excel", "--office-version", "17"],
                 ["excel", "--office-version", "16.0"], ["excel", "--office-version"],
                 ["excel", "--language"], ["excel", "--language", "de DE"],
                 ["excel", "--language", "99999999999"], ["excel", "--language", "-1"]]:
        code, out, err = tool.run(None, args=args)
        check(code == 2 and out == b"" and "usage" in err, f"{args}: exit {code}")


# The lists a version's controls must be in: 16.0 is reported by 2016, 2019, 2021 and
# Microsoft 365 alike, so its controls must be in every one of their lists.
LISTS_OF_VERSION = {"15": ["office2013"], "16": ["office2016", "office2019", "microsoft365"]}
ALL_LISTS = ["office2013", "office2016", "office2019", "microsoft365"]


# Outlook's document is for its main window, whose list is its own.
LIST_OF_HOST = {"outlook": "outlook-explorer"}


def read_control_list(folder, name, host):
    """{idMso: control type} of one published list."""
    controls = {}
    path = os.path.join(folder, name, LIST_OF_HOST.get(host, host) + ".tsv")
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\r\n").split("\t")
            if len(fields) >= 2 and fields[0]:
                controls[fields[0]] = fields[1]
    return controls


def element_fits(element, listed_type):
    return element == "control" or element == listed_type


def check_control_lists(folder, hosts):
    """Every idMso written for 15 and 16 is in that version's lists, named by a fitting element;
    what the 2010 documents write beyond the 2013 list is reported, and must not be a slip of a
    listed id."""
    for host in hosts:
        lists = {name: read_control_list(folder, name, host) for name in ALL_LISTS}
        listed_ids = {i for controls in lists.values() for i in controls}
        spelt = {i.lower() for i in listed_ids}
        for version in VERSIONS:
            written = uses.elements.get((host, version), {})
            check(written, f"{host} {version}: no idMso seen")
            outside = set()
            for name in LISTS_OF_VERSION.get(version, ["office2013"]):
                for id_mso, elements in sorted(written.items()):
                    listed = lists[name].get(id_mso)
                    if listed is None:
                        outside.add(id_mso)
                        continue
                    wrong = sorted(e for e in elements if not element_fits(e, listed))
                    check(not wrong, f"{host} {version}: {id_mso} is a {listed} in {name}, "
                                     f"written as {wrong}")
            if version in LISTS_OF_VERSION:
                check(not outside, f"{host} {version}: not in {LISTS_OF_VERSION[version]}: "
                                   f"{sorted(outside)}")
            else:
                # 2010 publishes no list: what it writes beyond the 2013 list must be commands
                # that went after 2010, never an id that a list spells otherwise.
                slips = sorted(i for i in outside if i not in listed_ids and i.lower() in spelt)
                check(not slips, f"{host} {version}: ids a list spells otherwise: {slips}")
            lists_named = "+".join(LISTS_OF_VERSION.get(version, ["office2013"]))
            print(f"{host} {version}: {len(written)} distinct idMso, {len(outside)} outside "
                  f"{lists_named}" + (f": {' '.join(sorted(outside))}" if outside else ""))


def load_schema(path):
    if path is None:
        return None
    if not os.path.exists(path):
        print(f"FAIL the customUI schema {path} is absent")
        sys.exit(1)
    import xmlschema  # Debian's python3-xmlschema
    return xmlschema.XMLSchema(path, validation="lax")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--schema", help="validate every document against this customUI "
                        "schema too")
    parser.add_argument("--control-lists", help="the folder of Microsoft's control lists, "
                        "one subfolder per version; every idMso is checked against them")
    parser.add_argument("--languages", help="the folder of the language tables; every "
                        "document is checked in every language too")
    parser.add_argument("--classic-list", action="append", default=[], metavar="HOST=FILE",
                        help="the list of the old menus that HOST's content transcribes")
    args = parser.parse_args()
    schema = load_schema(args.schema)
    for entry in args.classic_list:
        host, _, path = entry.partition("=")
        classic_lists[host] = ClassicList(path)
    with tempfile.TemporaryDirectory(prefix="trelvane-docs-") as workdir:
        tool = Tool(args.tool, workdir)
        hosts = tool.hosts()
        check(hosts, "the tool names no hosts")
        check_command_line(tool)
        documents = 0
        check(set(classic_lists) <= set(hosts), f"lists of hosts the tool lacks: {classic_lists}")
        for host in hosts:
            tabs = host_tabs_of(tool, host)
            check(len(tabs) >= 4, f"{host}: only {list(tabs)} hide a tab")
            if host in classic_lists and args.control_lists:
                check_tab_table(host, tabs, classic_lists[host], args.control_lists)
            for version in VERSIONS:
                documents += check_matrix(tool, host, schema, tabs, version)
            check_bad_input(tool, host)
        contents = check_access_context(tool, schema) if "access" in hosts else 0
        translated = 0
        if args.languages:
            tables = load_language_tables(args.languages)
            translated = check_languages(tool, schema, hosts, tables)
        if args.control_lists:
            check_control_lists(args.control_lists, hosts)
    for failure in failures[:40]:
        print("FAIL", failure)
    validated = "schema-validated" if schema is not None else "not schema-validated"
    print(f"{len(hosts)} hosts, {documents} documents and {contents} menu contents ({validated}), "
          f"{translated} documents in other languages, {tool.runs} runs, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
