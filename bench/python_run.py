#!/usr/bin/python3
"""Times rigidbody.Session.run(n) against the same steps taken by C++ alone.

    bench/python_run.py [MODULE_FOLDER] [STEPS]

MODULE_FOLDER holds the built module (default: the release build's, which bench/run.sh makes);
STEPS defaults to 100000. Both sides push the shipped L alike, start it and let it coast. `tick(n)`
is one command whose n steps run in C++ with no rows kept; `run(n)` also keeps every step's CSV row
in NumPy arrays. CPU times, the median and the least of seven repetitions, each on a fresh session."""

import pathlib
import statistics
import sys
import time

root = pathlib.Path(__file__).resolve().parents[1]
release = root / "build" / "release" / "python" / "prefix" / "lib" / "python3" / "dist-packages"
sys.path.insert(0, sys.argv[1] if len(sys.argv) > 1 else str(release))
steps = int(sys.argv[2]) if len(sys.argv) > 2 else 100000

import rigidbody  # noqa: E402  (from the folder above)


def started():
    session = rigidbody.Session()
    # A push through the centre of mass, then free flight: the body slides and
    # bounces off the edges for ever. A push that spins it would, after some
    # thousand steps, be refused: the orientation's length grows at every step.
    session.press(442, 288)
    session.release(447, 313)
    session.startstop()
    session.coast()
    return session


def cpu_seconds(action):
    times = []
    for _ in range(7):
        session = started()
        begin = time.process_time()
        action(session)
        times.append(time.process_time() - begin)
    return statistics.median(times), min(times)


tick = cpu_seconds(lambda session: session.tick(steps))
run = cpu_seconds(lambda session: session.run(steps))
print(f"{steps} steps of the shipped L, CPU seconds (median, least of 7):")
print(f"  tick({steps}), C++ alone: {tick[0]:.3f}, {tick[1]:.3f}  ({tick[0] / steps * 1e6:.2f} µs a step)")
print(f"  run({steps}), with rows:  {run[0]:.3f}, {run[1]:.3f}  ({run[0] / steps * 1e6:.2f} µs a step)")
print(f"  run ÷ tick: {run[0] / tick[0]:.2f} (medians), {run[1] / tick[1]:.2f} (least)")
