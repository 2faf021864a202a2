#!/usr/bin/env python3
"""Dropouts on a JACK server of its own: a clean play counts none, and stopping jorv-cli's process
for a moment (SIGSTOP, then SIGCONT) during a play and during a take is counted.
Usage: forced-dropouts.py JORV-CLI

The server runs in real time where the machine allows it: without real time, the dummy driver's
own late wake-ups are reported as xruns to every client, so only the forced runs are judged."""
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import time

CLI = sys.argv[1]
RATE = 44100
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, flush=True)


def cli(folder, *words, stopped_for=0.0):
    """Runs jorv-cli; with stopped_for, its process is stopped that long a second into the run."""
    process = subprocess.Popen([CLI, *words], cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if stopped_for:
        time.sleep(1.0)
        process.send_signal(signal.SIGSTOP)
        time.sleep(stopped_for)
        process.send_signal(signal.SIGCONT)
    out, err = process.communicate(timeout=120)
    if process.returncode != 0:
        print(out, err, file=sys.stderr)
    return process.returncode, out


def dropouts(out):
    found = re.search(r"^dropouts (\d+)$", out, re.M)
    return int(found.group(1)) if found else None


def start_server(realtime):
    name = "jorv-dropouts-%d" % os.getpid()
    os.environ["JACK_DEFAULT_SERVER"] = name
    timing = ["-R"] if realtime else ["--no-realtime"]
    server = subprocess.Popen(["jackd", "-n", name, *timing, "-t", "500", "-d", "dummy", "-r", str(RATE), "-p", "256"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(50):
        if server.poll() is None and subprocess.run(["jack_lsp"], capture_output=True).returncode == 0:
            return server
        time.sleep(0.1)
    server.kill()
    server.wait()
    return None


def main():
    server = start_server(True)
    realtime = server is not None
    if not realtime:
        print("the JACK server cannot run in real time here: a clean run is not judged", flush=True)
        server = start_server(False)
    check(server is not None, "the JACK server did not come up")
    try:
        return run(realtime) if server else 1
    finally:
        if server:
            server.terminate()
            server.wait()


def run(realtime):
    with tempfile.TemporaryDirectory() as name:
        folder = pathlib.Path(name)
        subprocess.run(["sox", "-n", "-r", str(RATE), "-c", "2", "-b", "16", str(folder / "tone.wav"), "synth", "6",
                        "sine", "440", "vol", "0.5"], check=True)
        (folder / "make.txt").write_text("file tone.wav\nEdit > Copy From\nselect 0 %d\nEdit > Paste\n"
                                         "Track > Add\nFile > Save\n" % (6 * RATE))
        check(cli(folder, "script", "song.jor", "make.txt")[0] == 0, "the project could not be made")
        end = str(4 * RATE)

        # Another program busy on the machine can make a clean run miss a period for real: one
        # of three clean plays must count none.
        counts = []
        for _ in range(3):
            status, out = cli(folder, "play", "song.jor", "0", end, "--api", "jack")
            check(status == 0 and dropouts(out) is not None, "a clean play printed no count: %r" % out)
            counts.append(dropouts(out))
            if counts[-1] == 0:
                break
        check(not realtime or 0 in counts, "every clean play counted dropouts: %r" % counts)

        status, out = cli(folder, "play", "song.jor", "0", end, "--api", "jack", stopped_for=0.8)
        check(status == 0 and (dropouts(out) or 0) >= 1, "a stopped play counted no dropouts: %r" % out)

        status, out = cli(folder, "record", "song.jor", "1", "0", end, "--api", "jack", stopped_for=0.8)
        check(status == 0 and (dropouts(out) or 0) >= 1, "a stopped take counted no dropouts: %r" % out)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
