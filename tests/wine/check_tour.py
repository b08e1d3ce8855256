#!/usr/bin/env python3
"""The tour end to end: runs the Windows demo on examples/tour.json against the real
DLL under Wine and checks its report: every frame of the tour shown, each button
clicked with real input answered as the frame answers, nothing missed, a picture
per toast. The report and the pictures stay in OUT_DIR.

Usage: check_tour.py DEMO_EXE DLL SCENARIO OUT_DIR
Prints one line per check and "N passed, N failed".
"""
import json
import os
import subprocess
import sys

TOUR_FRAMES = {"TfrGenericInformative", "TfrGenericError", "TfrAdministration",
                      "TfrSynchronization", "TfrSynchronizationRestart", "TfrProgrammedForm",
                      "TfrNeedReboot", "TfrFollowSteps", "TfNeedReboot2", "TfrDangerousOperation",
                      "TfrRestoredItems", "TfrFirewallAsk", "TfrmAskToUser", "TfrmAskFolderAccess",
                      "TTUntrustedFile", "TTfAppControlAsk", "TfrmAppControlDenied"}
RESTART_FORM = 12
# Firewall, ask-to-user, folder access, untrusted file, application control.
ASK_FORMS = {2, 16, 17, 22, 20}
# Restart needed, follow steps, newer restart needed, dangerous operation, restored items.
SILENT_FORMS = {3, 6, 25, 11, 7}
RESTORED_ITEM = "C:\\Users\\Public\\Documents\\report.docx"
SHOW_TOAST = "toaster.Show(2F6DEE05-20A1-41C1-A7E1-56986F205EA2, 1, 0)"

results = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    results.append(bool(ok))


def main(argv):
    if len(argv) != 5:
        print(__doc__)
        return 2
    demo, dll, scenario_path, out = argv[1:]
    os.makedirs(out, exist_ok=True)
    report_path = os.path.join(out, "report.json")
    if os.path.exists(report_path):
        os.remove(report_path)
    run = subprocess.run([os.environ.get("WINE", "wine"), demo, scenario_path, "--dll", dll,
                          "--out", out], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, timeout=150)
    print(run.stdout.strip())
    check(run.returncode == 0, "the demo ran (exit code %d)" % run.returncode)
    if not os.path.exists(report_path):
        check(False, "the demo wrote its report")
        return summary()
    with open(report_path, encoding="utf-8") as f:
        report = json.load(f)
    with open(scenario_path, encoding="utf-8") as f:
        scenario = json.load(f)
    alerts = scenario["alerts"]

    check(report["platform"] == "windows" and report["result"] == 0, "the runs ended with 0")
    shown = {entry["frame"] for entry in report["shown"]}
    check(TOUR_FRAMES <= shown,
          "every frame of the tour was shown (missing: %s)" % sorted(TOUR_FRAMES - shown))
    check(report["missedInput"] == [], "every click and hover found its control: %s"
          % report["missedInput"])
    check(all(n == 0 for n in report["pending"].values()), "no alert is left pending")

    removed = {n["alert"]: n["responses"] for r in report["removed"] for n in r["notifications"]}
    check(sorted(removed) == list(range(len(alerts))), "every alert was removed once")
    restart = [i for i, a in enumerate(alerts) if a["values"].get("FormType") == RESTART_FORM]
    answers = sorted(tuple(removed.get(i, [])) for i in restart)
    check(answers == [(0,), (6,)], "the restart alerts were answered 6 and 0: %s" % answers)

    # The tour allows the firewall and the untrusted file, neutralizes one malware
    # alert and excludes the other, denies the folder access and the program, and
    # leaves the last firewall question unanswered until it expires.
    asks = [i for i, a in enumerate(alerts)
            if a.get("list", "alerts") == "alerts" and a["values"].get("FormType") in ASK_FORMS]
    answers = sorted(tuple(removed.get(i, [])) for i in asks)
    check(answers == [(0,), (1,), (2,), (4,), (4,), (5,), (5,)],
          "each ask alert was answered once, as its clicked button answers, and the one "
          "left alone 0 when it expired: %s" % answers)

    # Alerts that inform about an item answer nothing, whatever was clicked.
    silent = [i for i, a in enumerate(alerts) if a["values"].get("FormType") in SILENT_FORMS]
    check(all(removed.get(i) == [] for i in silent),
          "the restart-family alerts wrote no answer: %s" % [removed.get(i) for i in silent])

    actions = [(a["action"], a["argument"].get("object"), a["argument"].get("text"),
                a["argument"].get("number")) for a in report["actions"]]
    check(actions.count(("", "Zym.ExtendedAction", None, None)) == 4,
          "the informative, programmed and steps buttons and the dangerous operation's rule "
          "ran the extended action: %s" % actions)
    check(("RestartSystem", None, "", None) in actions,
          "the administration button asked to restart with an empty text")
    check(actions.count(("RestartSystem", None, None, 0)) == 2,
          "each of the two restart-needed alerts asked to restart once")
    check(("OpenShellFolder", None, RESTORED_ITEM, None) in actions,
          "the restored item's button opened it in its folder")

    singles = sum(1 for a in alerts if a.get("list", "alerts") == "alerts")
    shows = sum(1 for call in report["modernToasts"] if call == SHOW_TOAST)
    check(shows == singles, "a system toast for each single alert: %d of %d" % (shows, singles))

    screen = screen_size()
    check(screen is not None, "xdpyinfo tells the screen's size")
    if screen is None:
        return summary()

    def inside(bounds):
        return (0 <= bounds["left"] and bounds["left"] + bounds["width"] <= screen[0] and
                0 <= bounds["top"] and bounds["top"] + bounds["height"] <= screen[1])

    last = report["shown"][-1]["bounds"]
    check(inside(last), "the toast dragged past the screen's corner came back inside %dx%d: %s"
          % (screen + (last,)))

    pictures = [entry.get("picture") for entry in report["shown"]]
    files = sorted(name for name in os.listdir(out) if name.endswith(".png"))
    check(None not in pictures and sorted(pictures) == files,
          "one picture per shown toast (%d), and no other" % len(files))
    # A toast mostly off the screen shows, and is pictured, as the sliver left on it.
    on_screen = [entry["picture"] for entry in report["shown"] if inside(entry["bounds"])]
    check(all(os.path.getsize(os.path.join(out, name)) > 1000 for name in on_screen),
          "the pictures of toasts on the screen are not empty")
    return summary()


def screen_size():
    """The X screen's size, which is Wine's screen; None where xdpyinfo cannot tell."""
    try:
        info = subprocess.run(["xdpyinfo"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True, timeout=20).stdout
    except (OSError, subprocess.TimeoutExpired):
        return None
    for line in info.splitlines():
        if line.strip().startswith("dimensions:"):
            width, height = line.split()[1].split("x")
            return int(width), int(height)
    return None


def summary():
    print("%d passed, %d failed" % (results.count(True), results.count(False)))
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
