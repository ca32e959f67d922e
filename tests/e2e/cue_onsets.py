"""Finds the game's cues in a recording of the sound server and checks them against the moments of the
clicks that should start or stop them.

Every cue of the test's data folder is a pure tone of its own pitch, and the test plays a short marker tone
just before each click. The recording (raw signed 16-bit mono) is cut into 5 ms steps and the strength of
each pitch is measured over 10 ms; a cue sounds where its pitch is strong. The n-th marker's end is the
moment of the n-th line of the plan; each line names what must happen after it:

    <label> <cue>+[@<seconds>][x<count>]  the cue starts (count times, 45 ms apart) within the bound of the
                                          marker's end, or of <seconds> after it
            <cue>-                        the cue is silent from the bound after the marker on

Usage: cue_onsets.py <recording> <plan> <bound ms> <cue>=<Hz> ...
Prints every cue's onsets; exits 1 with the failures listed when a check fails.
"""

import array
import math
import sys

RATE = 16000
STEP = 80  # 5 ms
WINDOW = 160  # 10 ms
STAGGER = 0.045  # the game spreads the repeated starts of one cue this far apart


def strengths(samples, hertz):
    """The strength of one pitch in every step, as a share of full scale."""
    # A Hann window: the other cues' pitches, 200 Hz apart, fall on its zeros.
    hann = [0.5 - 0.5 * math.cos(2 * math.pi * i / WINDOW) for i in range(WINDOW)]
    cos = [h * math.cos(2 * math.pi * hertz * i / RATE) for i, h in enumerate(hann)]
    sin = [h * math.sin(2 * math.pi * hertz * i / RATE) for i, h in enumerate(hann)]
    out = []
    for start in range(0, len(samples) - WINDOW, STEP):
        part = samples[start : start + WINDOW]
        re = sum(map(float.__mul__, map(float, part), cos))
        im = sum(map(float.__mul__, map(float, part), sin))
        out.append(4 * math.hypot(re, im) / WINDOW / 32768)
    return out


def spans(levels, threshold=0.05, gap=2):
    """The (start, end) seconds where a pitch sounds, bridging dips of up to gap steps."""
    found = []
    for i, level in enumerate(levels):
        if level < threshold:
            continue
        t = i * STEP / RATE
        if found and i - found[-1][2] <= gap:
            found[-1][1], found[-1][2] = t + WINDOW / RATE, i
        else:
            found.append([t, t + WINDOW / RATE, i])
    return [(s, e) for s, e, _ in found if e - s > 0.012]


def main():
    recording, plan_file, bound_ms = sys.argv[1:4]
    pitches = dict(arg.split("=") for arg in sys.argv[4:])
    samples = array.array("h")
    with open(recording, "rb") as f:
        samples.frombytes(f.read())
    levels = {cue: strengths(samples, float(hz)) for cue, hz in pitches.items()}
    # A click (a stream started or cut) is loud at every pitch at once: such steps are no cue.
    for step in range(len(levels["Marker"])):
        if sum(level[step] >= 0.05 for level in levels.values()) >= 5:
            for cue, level in levels.items():
                level[step] = 0
    heard = {cue: spans(level) for cue, level in levels.items()}
    for cue, found in heard.items():
        print(f"{cue:14} " + " ".join(f"{s:.3f}-{e:.3f}" for s, e in found))
    bound = int(bound_ms) / 1000
    markers = [end for _, end in heard.pop("Marker")]
    with open(plan_file) as f:
        plan = [line.split() for line in f if line.strip()]
    if len(markers) != len(plan):
        sys.exit(f"FAIL: {len(markers)} markers heard for {len(plan)} clicks")
    failures = []
    for marker, (label, *checks) in zip(markers, plan):
        for check in checks:
            cue, sign, rest = check.partition("+") if "+" in check else check.partition("-")
            if sign == "-":
                late = [(s, e) for s, e in heard[cue] if e > marker + bound and s < marker + bound]
                late += [(s, e) for s, e in heard[cue] if marker + bound <= s < marker + 1]
                if late:
                    failures.append(f"{label}: {cue} still sounds {late[0][1] - marker:.3f} s after its stop")
                continue
            delay, _, count = rest.partition("x")
            delay = float(delay.lstrip("@") or 0)
            due = marker + delay
            count = int(count or 1)
            # The sound server's clock and the game's may drift apart by a few parts in a thousand.
            early = 0.02 + 0.005 * delay
            found = [(s, e) for s, e in heard[cue] if due - early <= s <= due + bound + (count - 1) * STAGGER]
            # Starts of one click that came closer than their spacing merge into one longer sound.
            onsets = [s + k * STAGGER for s, e in found for k in range(max(1, round((e - s - 0.01) / 0.035)))]
            for k, onset in enumerate(onsets[:count]):
                print(f"{label}: {cue} #{k + 1} starts {1000 * (onset - due - k * STAGGER):.0f} ms after its event")
            if len(onsets) < count:
                failures.append(f"{label}: {len(onsets)} of {count} {cue} within {1000 * bound:.0f} ms of its event")
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
