"""The module's session against the program's: the same states, rows and refusals, to the bit.

RBD_PROGRAM names the program to compare with: rigid-body, or rigid-body-core where the window is not
built (it has no --csv, so the rows are then not compared)."""

import json
import os
import pathlib
import struct
import subprocess
import sys

import numpy as np
import pytest

import rigidbody

SOURCE = pathlib.Path(__file__).resolve().parents[2]
DATA = SOURCE / "data.txt"
PROGRAM = os.environ["RBD_PROGRAM"]
EXAMPLES = ["push-and-bounce", "spin", "density", "pause-and-look"]


def bits(value):
    """Numbers as their 64 bits, so that -0 differs from 0 and an int equals the double it stands for."""
    if isinstance(value, list):
        return [bits(item) for item in value]
    if isinstance(value, dict):
        return {key: bits(item) for key, item in value.items()}
    if isinstance(value, (int, float)) and not isinstance(value, bool):
        return struct.pack("<d", value)
    return value


def golden_line(line):
    return bits(json.loads(line, parse_int=float)) if line.startswith("{") else line


def call(session, line):
    """A script line as a method call: `press 1 2` is press(1, 2), `view com on` is view("com", True)."""
    word, _, rest = line.partition(" ")
    if word == "density":
        return session.density(rest)
    words = rest.split("#")[0].split()
    arguments = [int(w) if w.lstrip("-").isdigit() else w == "on" if w in ("on", "off") else w for w in words]
    if word == "speed":
        arguments = [float(w) for w in words]
    return getattr(session, word)(*arguments)


def program(script, *options):
    return subprocess.run([PROGRAM, "--script", "-", *options], input=script, capture_output=True, text=True)


@pytest.mark.parametrize("example", EXAMPLES)
def test_the_methods_replay_each_example_as_the_golden_output(example):
    # No data file: the shipped L, which data.txt is too.
    session = rigidbody.Session()
    printed = []
    for number, line in enumerate((SOURCE / "examples" / f"{example}.txt").read_text().splitlines(), 1):
        if not line or line.startswith(("#", "frame")):
            continue
        if line == "state":
            state = session.state()
            assert all(isinstance(v, int) for v in [state["steps"], *state["drag"].values(), *state["boxes"][0]])
            printed.append(bits(state))
            continue
        try:
            call(session, line)
        except rigidbody.Refused as refusal:
            printed.append(f"line {number}: error: {refusal}")
    golden = (SOURCE / "tests" / "golden" / f"{example}.out").read_text().splitlines()
    assert printed == [golden_line(line) for line in golden]


def test_apply_takes_script_lines_and_answers_their_states():
    script = (SOURCE / "examples" / "spin.txt").read_text().replace("frame spin.png", "")
    states = rigidbody.Session(DATA).apply(script)
    golden = (SOURCE / "tests" / "golden" / "spin.out").read_text().splitlines()
    assert [bits(state) for state in states] == [golden_line(line) for line in golden]


@pytest.mark.skipif(not PROGRAM.endswith("rigid-body"), reason="only the window's program writes --csv")
def test_run_gives_the_rows_of_csv_up_to_a_refused_step(tmp_path):
    # Running, run is `tick`; halted, `step`: the rows follow on. This push
    # spins the body until a step would leave the range of numbers.
    script = "press 462 288\nrelease 520 240\nstartstop\ntick 300\npause\nstep\nstep\npause\ntick 400\n"
    said = program(script, "--data", str(DATA), "--csv", str(tmp_path / "run.csv")).stderr
    rows = (tmp_path / "run.csv").read_text().splitlines()
    session = rigidbody.Session(DATA)
    session.press(462, 288)
    session.release(520, 240)
    session.startstop()
    runs = [session.run(300)]
    session.pause()
    runs.append(session.run(2))
    session.pause()
    with pytest.raises(rigidbody.Refused) as refusal:
        session.run(400)
    assert said == f"line 9: error: {refusal.value}\n" and not session.state()["running"]
    runs.append(refusal.value.columns)
    assert list(runs[0]) == rows[0].split(",")
    for name, column in zip(runs[0], zip(*(row.split(",") for row in rows[1:]))):
        got = np.concatenate([run[name] for run in runs])
        assert bits(got.tolist()) == bits([float(v) for v in column]), name
    assert runs[0]["step"].dtype == np.int64 and session.run(0)["time"].shape == (0,)


def test_refusals_say_what_the_program_says_and_change_nothing(tmp_path):
    (tmp_path / "bad.txt").write_text("3\n1 2\n")
    said = program(f"density 0\nopen {tmp_path / 'bad.txt'}\n", "--data", str(tmp_path / "none.txt")).stderr
    messages = [line.split(": error: ", 1)[1] for line in said.splitlines()]
    with pytest.raises(rigidbody.Refused) as refusal:
        rigidbody.Session(tmp_path / "none.txt")
    assert str(refusal.value) == messages[0]
    session = rigidbody.Session(DATA)
    session.press(462, 288)
    session.release(520, 240)
    before = bits(session.state())
    for refused in [lambda: session.density("0"), lambda: session.open(tmp_path / "bad.txt")]:
        with pytest.raises(rigidbody.Refused) as refusal:
            refused()
        assert str(refusal.value) in messages and issubclass(rigidbody.Refused, RuntimeError)
    for wrong in [lambda: session.size(0, 5), lambda: session.tick(-1), lambda: session.run(10**10),
                  lambda: session.view("colour", True), lambda: session.apply("jump"),
                  lambda: session.apply("frame a.png"), lambda: session.density("1\n2")]:
        with pytest.raises(ValueError):
            wrong()
    assert bits(session.state()) == before


def test_every_command_of_the_program_is_a_method():
    help_text = subprocess.run([PROGRAM, "--help"], capture_output=True, text=True).stdout
    listed = help_text.split("Script commands")[1].split("\n\n")[0].splitlines()[1:]
    words = {line.split()[0] for line in listed}
    assert words - {"state", "frame"} <= set(dir(rigidbody.Session)) and "tick" in words


def test_import_loads_no_qt():
    maps = subprocess.run([sys.executable, "-c", "import rigidbody; rigidbody.Session().run(5); "
                           "print(open('/proc/self/maps').read())"], capture_output=True, text=True, check=True)
    assert "rigidbody" in maps.stdout and "libQt" not in maps.stdout
