"""A planner and a library editor killed with unsaved changes, then started again.

Each program (halvex-drive --program planner, then lab) edits a document,
waits for its recovery copy and is killed with SIGKILL. A second session
started while the first still runs is offered nothing: the copy is held. Once
the first is dead, a new session is offered the copy; Restore and Save then
write exactly what a session that made the same edit and saved wrote.

recovery_kill.py HALVEX_DRIVE PLAN_FILE WORK_DIRECTORY
"""

import glob
import json
import os
import shutil
import signal
import subprocess
import sys
import time

OFFER_DIALOG = 145


def fail(why):
    print("FAIL: " + why)
    sys.exit(1)


def run(drive, program, script, env):
    done = subprocess.run([drive, "--program", program], input=script, env=env, capture_output=True, text=True,
                          timeout=60)
    events = [json.loads(line) for line in done.stdout.splitlines()]
    errors = [e for e in events if "error" in e]
    if errors:
        fail(program + ": " + json.dumps(errors[0]) + "\nscript:\n" + script)
    return events


def offered(events):
    return any(e.get("event") == "open" and e.get("dialog") == OFFER_DIALOG for e in events)


def copies(state):
    return glob.glob(os.path.join(state, "halvex", "recovery", "*.halvex-recovery"))


def check(drive, program, work, opening, edit, saving, target):
    """opening puts the document on show; edit changes it; saving saves it."""
    env = dict(os.environ)
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    state = os.path.join(work, "state")
    env["XDG_STATE_HOME"] = state
    env["XDG_DATA_HOME"] = os.path.join(work, "data")

    original = open(target, "rb").read() if os.path.exists(target) else None

    def restore_original():
        if original is None:
            if os.path.exists(target):
                os.remove(target)
        else:
            open(target, "wb").write(original)

    # What the edit saved makes, with no kill.
    run(drive, program, opening + edit + saving + "close\n", env)
    wanted = open(target, "rb").read()
    restore_original()

    killed = subprocess.Popen([drive, "--program", program], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, env=env,
                              text=True)
    try:
        killed.stdin.write(opening + edit + "wait 2\n")
        killed.stdin.flush()
        deadline = time.monotonic() + 20
        while not copies(state):
            if time.monotonic() > deadline or killed.poll() is not None:
                fail(program + ": no recovery copy was written")
            time.sleep(0.05)
        if offered(run(drive, program, "close\n", env)):
            fail(program + ": a running session's copy was offered to another")
    finally:
        killed.send_signal(signal.SIGKILL)
        killed.wait()
    if len(copies(state)) != 1:
        fail(program + ": %d copies after the kill, not 1" % len(copies(state)))

    events = run(drive, program, "click IDC_RESTORE\n" + saving + "close\n", env)
    if not offered(events):
        fail(program + ": the copy was not offered after the kill")
    restored = open(target, "rb").read()
    restore_original()
    if restored != wanted:
        fail(program + ": the restored document saved differs from the edited one:\n%s\n---\n%s" %
             (restored.decode(), wanted.decode()))
    if copies(state):
        fail(program + ": the copy is still there after the restored document was saved")
    print(program + ": restored exactly")


def main():
    drive, plan, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    plan_file = os.path.join(work, "kept.halvex-plan")
    shutil.copyfile(plan, plan_file)
    check(drive, "planner", os.path.join(work, "planner"), "answer %s\nmenu IDM_OPEN\n" % plan_file,
          "type IDC_SWEEPS 7\n", "menu IDM_SAVE\n", plan_file)
    lab_work = os.path.join(work, "lab")
    # The library editor opens the library chosen last: by default
    # lab.halvex-lab in the data directory, new until it is saved.
    library = os.path.join(lab_work, "data", "halvex", "lab.halvex-lab")
    check(drive, "lab", lab_work, "", "click IDC_ADD_SHAKER\ntype IDC_SHAKER_NAME S-9\n", "click IDC_SAVE\n", library)


if __name__ == "__main__":
    main()
