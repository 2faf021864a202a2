#!/usr/bin/env python3
"""Kills jorv-cli (kill -9) at random moments of a take on the JACK server, of a script's edits
and of a Save, then recovers: no sample captured more than a second before the kill is lost,
every edit that finished is back, and the saved files are only ever the old ones or the new
ones, whole. Usage: kill-and-recover.py JORV-CLI [ROUNDS]; JORV_KILL_SEED repeats a run."""
import hashlib
import os
import pathlib
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import wave

CLI = sys.argv[1]
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 3
SEED = int(os.environ.get("JORV_KILL_SEED", "0")) or time.time_ns() % 1000000
RATE = 44100
rng = random.Random(SEED)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, flush=True)


def cli(folder, *words):
    return subprocess.run([CLI, *words], cwd=folder, capture_output=True, text=True, timeout=120)


def script(folder, lines, name="run.txt"):
    (folder / name).write_text("\n".join(lines) + "\n")
    run = cli(folder, "script", "song.jor", name, "--api", "jack")
    if run.returncode != 0:
        print(run.stdout, run.stderr, file=sys.stderr)
    return run


def saved_files(folder):
    return {p.name: hashlib.md5(p.read_bytes()).hexdigest() for p in sorted(folder.glob("song*"))}


def samples(path):
    with wave.open(str(path)) as w:
        data = w.readframes(w.getnframes())
    return memoryview(data).cast("h")


def killed_run(folder, lines, kill_after):
    """Runs the script and kills it once kill_after(line) says so; returns the lines seen."""
    (folder / "run.txt").write_text("\n".join(lines) + "\n")
    process = subprocess.Popen([CLI, "script", "song.jor", "run.txt", "--api", "jack"], cwd=folder,
                               stdout=subprocess.PIPE, text=True)
    seen = []
    for line in process.stdout:
        seen.append(line.rstrip("\n"))
        if kill_after(seen):
            break
    process.send_signal(signal.SIGKILL)
    process.wait()
    return seen


def tone_project(folder, seconds, tracks):
    subprocess.run(["sox", "-n", "-r", str(RATE), "-c", "2", "-b", "16", str(folder / "tone.wav"),
                    "synth", str(seconds), "sine", "1000", "vol", "0.5"], check=True)
    lines = ["file tone.wav", "Edit > Copy From", "select 0 %d" % (seconds * RATE), "Edit > Paste"]
    lines += ["Track > Add"] * (tracks - 1) + ["File > Save"]
    check(script(folder, lines, "make.txt").returncode == 0, "the project could not be made")


def take_round(folder):
    tone_project(folder, 20, 2)
    before = saved_files(folder)
    wanted = rng.uniform(1.5, 6.0)
    started = []

    def kill_after(seen):
        if seen[-1] == "status: Recording":
            started.append(time.monotonic())
            for side in ("0", "1"):
                subprocess.run(["jack_connect", "jorv:outport " + side, "jorv:inport " + side])
                subprocess.run(["jack_disconnect", "system:capture_" + str(int(side) + 1), "jorv:inport " + side],
                               stderr=subprocess.DEVNULL)
            time.sleep(wanted)
            return True
        return False

    killed_run(folder, ["track 1", "select 0 800000", "Control > Record", "wait 15"], kill_after)
    check(started, "the take never started")
    if not started:
        return
    elapsed = time.monotonic() - started[0]
    check(saved_files(folder) == before, "a take changed the saved files before Save")
    listing = cli(folder, "recover", "song.jor").stdout.split("\n")
    takes = [line.split() for line in listing if line.startswith("take ")]
    check(len(takes) == 1, "recover did not list the take: %s" % listing)
    owed = int((elapsed - 1.0) * RATE)
    if takes:
        check(int(takes[0][3]) >= owed, "the journal held %s frames of a take of %.2f s" % (takes[0][3], elapsed))
    check(cli(folder, "recover", "song.jor", "--yes").returncode == 0, "recover --yes failed")
    take = samples(folder / "song-Track 2.wav")
    # The loop is wired once the take has begun; from a quarter second on, the tone is there.
    silent = [f for f in range(RATE // 4, owed) if take[2 * f] == 0 and take[2 * f + 1] == 0]
    check(len(silent) < RATE // 100, "%d frames of the take before the last second are silent" % len(silent))


def edit_lines(edits):
    lines = []
    for k in range(edits):
        # Each cut is followed by a line that prints, so the watcher knows it has finished.
        lines += ["select %d %d" % (1000 * k, 1000 * k + 500), "Edit > Cut", "file tone.wav", "Edit > Copy From"]
    return lines


def edits_round(folder):
    tone_project(folder, 1, 1)
    before = saved_files(folder)
    edits = 12
    references = []
    for k in range(edits + 1):
        copy = folder / ("ref%d" % k)
        copy.mkdir()
        for name in ("song.jor", "song-Track 1.wav", "tone.wav"):
            shutil.copy(folder / name, copy / name)
        script(copy, edit_lines(k) + ["File > Save"])
        references.append(hashlib.md5((copy / "song-Track 1.wav").read_bytes()).hexdigest())
        shutil.rmtree(copy)
    kill_at = rng.randint(1, edits - 1)
    seen = killed_run(folder, edit_lines(edits) + ["wait 5"],
                      lambda seen: seen.count("status: Copied to clipper") >= kill_at)
    check(saved_files(folder) == before, "edits changed the saved files before Save")
    check(cli(folder, "recover", "song.jor", "--yes").returncode == 0, "recover --yes failed")
    now = hashlib.md5((folder / "song-Track 1.wav").read_bytes()).hexdigest()
    done = seen.count("status: Copied to clipper")
    check(now in references[done:], "after %d finished edits the track is none of their states" % done)


def save_round(folder):
    tone_project(folder, 2, 3)
    old = saved_files(folder)
    lines = ["track 0", "select 0 5000", "Edit > Cut", "track 2", "select 0 5000", "Edit > Paste",
             "file tone.wav", "Edit > Copy From", "File > Save", "wait 5"]
    # What Save writes, from a run in the same place (the project names its tracks by path).
    kept = folder / "kept"
    kept.mkdir()
    for name in old:
        shutil.copy(folder / name, kept / name)
    script(folder, lines[:-1])
    new = saved_files(folder)
    for name in old:
        shutil.copy(kept / name, folder / name)
    delay = rng.uniform(0, 0.2)

    def kill_after(seen):
        if seen[-1] == "status: Copied to clipper":
            time.sleep(delay)
            return True
        return False

    killed_run(folder, lines, kill_after)
    now = saved_files(folder)
    for name, digest in now.items():
        check(digest in (old.get(name), new.get(name)), "%s is neither the old file nor the new one" % name)
    check(cli(folder, "recover", "song.jor", "--yes").returncode == 0, "recover --yes failed")
    check(saved_files(folder) == new, "after recovering, the saved files are not what Save would have written")


print("seed", SEED, flush=True)
for round_number in range(ROUNDS):
    for test in (take_round, edits_round, save_round):
        with tempfile.TemporaryDirectory(prefix="jorv-kill-") as scratch:
            print("round", round_number, test.__name__, flush=True)
            test(pathlib.Path(scratch))
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
