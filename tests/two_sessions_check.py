"""Two halvex-drive sessions on one plan file, as two people on a shared
drive: A opens it, B opens, edits and saves it, then A edits and saves. A's
Save must ask, and each answer must do what it says, once. Then the same
with the equipment library's editor.

Arguments: a scratch directory, then the command that runs halvex-drive
(under Wine with --backend win32 for the Windows build, where the library's
part is left out: Wine keeps the user's data in its prefix, not in this
test's directory)."""
import json
import os
import shutil
import subprocess
import sys

work, drive = sys.argv[1], sys.argv[2:]
shutil.rmtree(work, ignore_errors=True)
os.makedirs(os.path.join(work, "data"))
env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "data"))
shared = os.path.join(work, "shared.halvex-plan")
copy = os.path.join(work, "copy.halvex-plan")


# The status line of each program's window, asked for after each batch.
STATUS = {"planner": 1252, "lab": 1480}


def start(program="planner"):
    session = subprocess.Popen(drive + ["--program", program], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True, cwd=work, env=env)
    session.status = STATUS[program]
    return session


def play(session, *commands):
    """The commands' output lines as JSON, up to the status line asked for
    last, which the session writes only once it has done all of them."""
    session.stdin.write("\n".join(commands) + "\nshow IDC_STATUS\n")
    session.stdin.flush()
    lines = []
    while True:
        line = session.stdout.readline()
        assert line, f"the session ended after {lines}"
        lines.append(json.loads(line))
        assert "error" not in lines[-1], lines
        if lines[-1].get("id") == session.status:
            return lines[:-1]


def asked(lines):
    return [line for line in lines if line.get("event") == "question"]


def read(path):
    with open(path, "rb") as file:
        return file.read()


def level(path):
    with open(path, encoding="utf-8") as plan:
        return json.load(plan)["profile"][0]["acceleration"]


def other_session_saves(value):
    """B: opens the shared file, edits it, saves and closes, asked nothing."""
    b = start()
    lines = play(b, "answer shared.halvex-plan", "menu IDM_OPEN", f"cell IDC_PROFILE 0 4 {value}", "menu IDM_SAVE")
    b.stdin.close()
    assert b.wait(timeout=30) == 0
    assert asked(lines) == [], lines
    assert level(shared) == f"{value} g", level(shared)
    return read(shared)


def title(session):
    return play(session, "dump")[0]["title"]


a = start()
play(a, "cell IDC_PROFILE 0 4 2", "answer shared.halvex-plan", "menu IDM_SAVE")
assert level(shared) == "2 g"
theirs = other_session_saves(3)

# Cancel: nothing written, A's edit kept.
lines = play(a, "cell IDC_PROFILE 0 4 5", "answer cancel", "menu IDM_SAVE")
question = asked(lines)
assert len(question) == 1 and question[0]["buttons"] == ["Overwrite", "Save As...", "Cancel"], lines
assert question[0]["answer"] == "cancel", question
assert read(shared) == theirs
assert title(a).startswith("shared.halvex-plan*"), title(a)
# An answer naming no button is Cancel's, never Overwrite's.
lines = play(a, "answer overwrit", "menu IDM_SAVE")
assert [line["answer"] for line in asked(lines)] == ["cancel"], lines
assert read(shared) == theirs

# Save As...: the file dialog, A's version in the other file, theirs untouched.
lines = play(a, "answer save as", "answer copy.halvex-plan", "menu IDM_SAVE")
assert [line["answer"] for line in asked(lines)] == ["save as"], lines
assert [line.get("path") for line in lines if line.get("event") == "file"] == ["copy.halvex-plan"], lines
assert level(copy) == "5 g"
assert read(shared) == theirs

# Overwrite: back on the shared file, changed again by B, written over once;
# the next Save has nothing to ask.
play(a, "answer shared.halvex-plan", "menu IDM_OPEN")
other_session_saves(7)
lines = play(a, "cell IDC_PROFILE 0 4 9", "answer overwrite", "menu IDM_SAVE")
assert [line["answer"] for line in asked(lines)] == ["overwrite"], lines
assert level(shared) == "9 g"
assert not title(a).startswith("shared.halvex-plan*"), title(a)
lines = play(a, "cell IDC_PROFILE 0 4 11", "menu IDM_SAVE")
assert asked(lines) == [], lines
assert level(shared) == "11 g"

a.stdin.close()
assert a.wait(timeout=30) == 0
if "win32" in drive:
    print("two sessions: each answer as said (the plan)")
    sys.exit(0)

# The library editor: both sessions edit the library the data directory
# names; A's Save asks once B has saved, and Overwrite writes A's.
library = os.path.join(work, "data", "halvex", "lab.halvex-lab")
a = start("lab")
play(a, "click IDC_ADD_FIXTURE", "type IDC_FIXTURE_NAME F-1", "click IDC_SAVE")
b = start("lab")
assert asked(play(b, "click IDC_ADD_FIXTURE", "type IDC_FIXTURE_NAME F-2", "click IDC_SAVE")) == []
b.stdin.close()
assert b.wait(timeout=30) == 0
lines = play(a, "type IDC_FIXTURE_NAME F-3", "answer overwrite", "click IDC_SAVE")
assert [line["answer"] for line in asked(lines)] == ["overwrite"], lines
with open(library, encoding="utf-8") as lab:
    names = [fixture["name"] for fixture in json.load(lab)["fixtures"]]
assert names == ["F-3"], names
a.stdin.close()
assert a.wait(timeout=30) == 0
print("two sessions: each answer as said")
