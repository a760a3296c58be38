#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/.

Run it again after changing a table; the files it writes are committed. Text
inputs are a header line of choice digits followed by the texts, one per line
(see fuzz_input.h); number inputs are a choice digit and raw little-endian
doubles.
"""

import hashlib
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"

# Choice digits of separator_settings.h.
ENGLISH, GERMAN, FRENCH, SWISS, UNGROUPED, ARABIC = "012345"

NUMBER_TEXTS = [
    (ENGLISH, "7"), (ENGLISH, " 7 "), (ENGLISH, "7 ft"), (ENGLISH, ""), (ENGLISH, "   "),
    (ENGLISH, "1,250"), (ENGLISH, "1,5"), (ENGLISH, "1,250.75"), (ENGLISH, "-0.5"),
    (ENGLISH, "+.5"), (ENGLISH, "5."), (ENGLISH, "."), (ENGLISH, "1.5E3"), (ENGLISH, "1.5e-3"),
    (ENGLISH, "1E"), (ENGLISH, "1E+"), (ENGLISH, "1E309"), (ENGLISH, "1E-400"),
    (ENGLISH, "4.9E-324"), (ENGLISH, "2.4703282292062328E-324"),
    (ENGLISH, "1.7976931348623158E+308"), (ENGLISH, "1.79769313486232E+308"),
    (ENGLISH, "0.1"), (ENGLISH, "0.30000000000000004"), (ENGLISH, "9007199254740993"),
    (ENGLISH, "1" + "0" * 400 + "E-400"), (ENGLISH, "0." + "0" * 330 + "1E330"),
    (ENGLISH, "12345678901234567890123456789012345678901234567890"),
    (ENGLISH, "1,,2"), (ENGLISH, ",5"), (ENGLISH, "5,"), (ENGLISH, "1.000,5"),
    (ENGLISH, "\u00a012\u202f"), (ENGLISH, "\t-3.25\t"), (ENGLISH, "\uff17"),
    (ENGLISH, "1\u00a0250"), (ENGLISH, "&H10"), (ENGLISH, "(5)"), (ENGLISH, "5-"),
    (GERMAN, "1.250,75"), (GERMAN, "1,5"), (GERMAN, "0,5E2"), (GERMAN, "1.5"),
    (FRENCH, "1\u202f250,5"), (FRENCH, "1 250,5"), (FRENCH, "1\u00a0250"),
    (SWISS, "1\u2019250.5"), (SWISS, "1'250"), (UNGROUPED, "1,5"), (UNGROUPED, "1.250,5"),
    (ARABIC, "1\u066c250\u066b5"), (ARABIC, "\u0661\u0662"),
]

DIMENSIONS = [
    ("1", ENGLISH, "10", "10", "0.5"), ("2", ENGLISH, "120", "144", "4"),
    ("2", ENGLISH, "12", "12", "12"), ("0", ENGLISH, "x", "y", "z"),
    ("1", ENGLISH, "", "10", "10"), ("1", ENGLISH, "10", "", "x"), ("1", ENGLISH, " ", "1", "1"),
    ("1", ENGLISH, "7 ft", "x", "1"), ("1", ENGLISH, "1E200", "1E200", "x"),
    ("1", ENGLISH, "1E300", "1E10", "1"), ("2", ENGLISH, "1E103", "1E103", "1E103"),
    ("1", ENGLISH, "0", "5", "5"), ("1", ENGLISH, "-10", "10", "0.5"),
    ("1", ENGLISH, "0.1", "0.1", "0.1"), ("1", ENGLISH, "2.7", "10", "0.5"),
    ("1", GERMAN, "10", "10", "0,5"), ("2", FRENCH, "1\u202f200", "144", "4"),
    ("1", SWISS, "1\u2019000", "1\u2019000", "1\u2019000"),
]

COSTS = [
    (ENGLISH, "70", "1.48"), (ENGLISH, "55", "1.85"), (ENGLISH, "3", "1.1"), (ENGLISH, "x", ""),
    (ENGLISH, "", "1.85"), (ENGLISH, "x", "1.85"), (ENGLISH, "65.5", "0"),
    (ENGLISH, "1E200", "1E200"), (ENGLISH, "0.5", "1.79769313486232E+308"),
    (ENGLISH, "-70", "1.85"), (ENGLISH, "1,000", "2.5"), (GERMAN, "70", "1,48"),
    (FRENCH, "1\u202f000", "2,5"), (ARABIC, "70", "1\u066b48"),
]

DOUBLES = [
    0.0, -0.0, 1.0, -1.0, 0.5, 0.125, 0.135, 1.005, 2.675, 1.85, 103.6, 1 / 3, 0.1 + 0.2,
    1e15, 999999999999999.4, 999999999999999.6, 1e-4, 9.99999999999995e-5, 1e-5,
    1.7976931348623157e308, -1.7976931348623157e308, 5e-324, 2.2250738585072014e-308,
    123456789012345678.0, 1e100, 1e300, float("inf"), float("-inf"), float("nan"),
]

STEP_ROUNDINGS = [
    ("DN", 12, 5), ("DN", -12, 5), ("DN", 12, -5), ("DN", 0.3, 0.1), ("DN", 12, 0), ("DN", 0, 0),
    ("UP", 12, 5), ("UP", 7.6, 5), ("UP", 10.4, 5), ("UP", 5, 2.5), ("UP", 2.3, 1),
    ("UP", -12, 5), ("UP", 12, -5), ("UP", 12, 0.5), ("UP", 3e9, 5), ("UP", -2147483648, -1),
    ("NE", 12, 5), ("NE", 12.5, -5), ("NE", -12.5, 5), ("NE", 7.25, 0.5), ("NE", 1e308, 1e308),
    ("NE", 5, 0), ("NE", 0, 0), ("NE", float("nan"), 1), ("DN", 1e300, 1e-300),
    ("dn", 12, 5), ("", 12, 5), ("DN ", 12, 5), ("N\u00c9", float("inf"), 5),
]
MODE_CHOICES = {"DN": "0", "UP": "1", "NE": "2"}


def raw(*numbers):
    return b"".join(struct.pack("<d", number) for number in numbers)


def text_input(header, *texts):
    # surrogatepass keeps lone surrogates, which WTF-8 allows.
    return (header + "\n" + "\n".join(texts)).encode("utf-8", "surrogatepass")


def step_rounding_input(mode, value, step):
    choice = MODE_CHOICES.get(mode, "3")
    return choice.encode() + raw(value, step) + mode.encode("utf-8")


def seeds():
    yield "to_number", [text_input(settings, text) for settings, text in NUMBER_TEXTS]
    yield "to_text", [settings.encode() + raw(x) for x in DOUBLES for settings in (ENGLISH, GERMAN)]
    yield "round_half_even", [raw(x) for x in DOUBLES]
    yield "volume_estimate", [text_input(unit + settings, *fields)
                              for unit, settings, *fields in DIMENSIONS]
    yield "cost_estimate", [text_input(settings, price, volume)
                            for settings, price, volume in COSTS]
    yield "do_round", [step_rounding_input(*case) for case in STEP_ROUNDINGS]


def main():
    for target, inputs in seeds():
        folder = CORPUS / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for data in inputs:
            (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)
        print(f"{target}: {len(inputs)} seeds")


if __name__ == "__main__":
    main()
