"""The built bellnozzle command, run beside the module it is compared with."""
import json
import os
import subprocess

COMMAND = os.environ["BELLNOZZLE_COMMAND"]


def run(args, cwd=None):
    """Runs the command; returns (status, stdout, stderr) as text."""
    done = subprocess.run([COMMAND, *args], cwd=cwd, capture_output=True, text=True, timeout=120)
    return done.returncode, done.stdout, done.stderr


def run_ok(args, cwd=None):
    status, out, err = run(args, cwd)
    if status != 0:
        raise AssertionError(f"bellnozzle {' '.join(args)} ended with {status}: {err}")
    return out


def run_json(args, cwd=None):
    return json.loads(run_ok(args, cwd))


def refusal(args, cwd=None):
    """The message of a refused command: its one stderr line without the
    program's name."""
    status, _, err = run(args, cwd)
    if status == 0:
        raise AssertionError(f"bellnozzle {' '.join(args)} was not refused")
    prefix = "bellnozzle: "
    assert err.startswith(prefix) and err.endswith("\n"), err
    return err[len(prefix):-1]
