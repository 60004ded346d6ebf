#!/usr/bin/env python3
"""Runs orvane-cli as a careless user and a hostile machine would, and counts what went wrong.

  scripts/robustness.py BUILD_DIR [--args N] [--batches N] [--limits N] [--kills N]

BUILD_DIR is best a sanitizer build (scripts/test.sh --sanitize makes build-sanitize/): every
run's error output is searched for a sanitizer report. Counted: random argument lists, random
batch files of raw bytes, limit-editor runs on damaged limit files, and limit-editor runs
killed with SIGKILL in the middle of Save, Add and Delete (the file must be whole records of
the old or the new content afterwards). Exit 1 when anything went wrong.
"""
import argparse, os, random, shutil, signal, subprocess, sys, tempfile, time

OPTIONS = ["--method", "--class", "--life", "--type-life", "--business", "--convention",
           "--in-service", "--cost", "--allowance", "--sales-price", "--adj-tax-basis", "--sold",
           "--description", "--paste", "--calculate", "--clear", "--asset-type", "--json",
           "--today", "--answer"]
VALUES = ["MACRS", "ADS", "Straight Line", "Amortize", "5", "7", "27.5", "39", "0", "-1",
          "012004", "13/2020", "99", "1e308", "half-year", "mid-quarter", "mid-month", "30",
          "50", "100", "txtCost=12,500.00", "cboLife=5", "regular", "replacement",
          "relinquished", "2024-06-15", "yes", "no", "cancel", "", "\xff", "é", "'"]
RECORD = 34


def reports(stderr):
    return b"ERROR: AddressSanitizer" in stderr or b"runtime error:" in stderr or \
        b"ERROR: LeakSanitizer" in stderr


def run(cmd, **kw):
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=1", QT_QPA_PLATFORM="offscreen")
    return subprocess.run(cmd, capture_output=True, env=env, timeout=60, **kw)


def random_args(r):
    args = []
    for _ in range(r.randint(0, 12)):
        args.append(r.choice(OPTIONS))
        if r.random() < 0.8:
            v = r.choice(VALUES) if r.random() < 0.8 else os.urandom(r.randint(0, 8)).decode(
                "latin-1")
            args.append(v)
    return [a.encode("latin-1", "replace").replace(b"\0", b"") for a in args]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("build")
    p.add_argument("--args", type=int, default=5000)
    p.add_argument("--batches", type=int, default=200)
    p.add_argument("--limits", type=int, default=1000)
    p.add_argument("--kills", type=int, default=200)
    p.add_argument("--start", type=int, default=1)
    o = p.parse_args()
    cli = os.path.join(o.build, "bin", "orvane-cli")
    shipped = os.path.join(o.build, "bin")
    r = random.Random(o.start)
    bad = {"sanitizer": 0, "crash": 0, "torn": 0}
    work = tempfile.mkdtemp(prefix="orvane-robust-")
    lim = os.path.join(work, "limits")
    shutil.copytree(shipped, lim, ignore=lambda d, names: [n for n in names
                                                          if not n.endswith(".DAT")])

    def check(res, what):
        if reports(res.stderr):
            bad["sanitizer"] += 1
            print("sanitizer report:", what, res.stderr[-2000:].decode("utf-8", "replace"))
        if res.returncode < 0 or res.returncode > 2:
            bad["crash"] += 1
            print("exit", res.returncode, ":", what)

    for i in range(o.args):
        a = random_args(r)
        check(run([cli.encode(), b"--limits-dir", lim.encode()] + a), a)
    for i in range(o.batches):
        f = os.path.join(work, "batch")
        with open(f, "wb") as out:
            if r.random() < 0.5:
                out.write(os.urandom(r.randint(0, 4096)))
            else:
                for _ in range(r.randint(1, 30)):
                    out.write(b" ".join(a if a.startswith(b"--") else b"'" + a + b"'"
                                        for a in random_args(r)) + b"\n")
        check(run([cli, "--limits-dir", lim, "--jobs", str(r.randint(1, 3)), "--batch", f]),
              "batch %d" % i)
    files = ["AutoMax.DAT", "Electric.DAT", "TruckMax.DAT"]
    for i in range(o.limits):
        d = os.path.join(work, "damaged")
        shutil.rmtree(d, ignore_errors=True)
        shutil.copytree(lim, d)
        name = r.choice(files)
        with open(os.path.join(d, name), "r+b") as fh:
            data = bytearray(fh.read())
            for _ in range(r.randint(1, 20)):
                if data:
                    data[r.randrange(len(data))] = r.randrange(256)
            data = data[:r.randint(0, len(data) + 5)]
            fh.seek(0); fh.truncate(); fh.write(bytes(data))
        acts = []
        for _ in range(r.randint(0, 10)):
            acts += r.choice([["--next"], ["--previous"], ["--add"], ["--delete"], ["--save"],
                              ["--set", "txtYear=20%02d" % r.randrange(100)],
                              ["--set", "txtYear0=%d" % r.randrange(99999)],
                              ["--answer", r.choice(["yes", "no", "cancel"])]])
        check(run([cli, "edit-limits", "--limits-dir", d, "--file", name] + acts), acts)
    kills = 0
    for i in range(o.kills):
        d = os.path.join(work, "killed")
        shutil.rmtree(d, ignore_errors=True)
        shutil.copytree(lim, d)
        name = r.choice(files)
        path = os.path.join(d, name)
        before = open(path, "rb").read()
        acts = r.choice([["--add", "--set", "txtYear=2031", "--set", "txtYear0=1234", "--save"],
                         ["--next", "--set", "txtYear1=777", "--save"],
                         ["--next", "--delete"]])
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        proc = subprocess.Popen([cli, "edit-limits", "--limits-dir", d, "--file", name] + acts,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        time.sleep(r.uniform(0, 0.02))
        proc.send_signal(signal.SIGKILL)
        proc.wait()
        kills += proc.returncode == -signal.SIGKILL
        after = open(path, "rb").read()
        if len(after) % RECORD != 0:
            bad["torn"] += 1
            print("torn:", name, acts, len(before), "->", len(after))
    shutil.rmtree(work, ignore_errors=True)
    print("runs: %d argument lists, %d batch files, %d limit-editor runs on damaged files, "
          "%d runs killed (%d by the kill itself)" % (o.args, o.batches, o.limits, o.kills, kills))
    print("sanitizer reports: %(sanitizer)d, crashes: %(crash)d, torn files: %(torn)d" % bad)
    return 1 if any(bad.values()) else 0


if __name__ == "__main__":
    sys.exit(main())
