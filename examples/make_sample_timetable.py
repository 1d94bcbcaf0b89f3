#!/usr/bin/python3
"""Writes the solved timetable of the sample school, IES Olaberri BHI, as
Tablorix leaves it in KTEMP: examples/centro-ejemplo/SOLUC.DBF (dBase, no
index, Windows-1252), one record per class.

Run it from anywhere: python3 examples/make_sample_timetable.py
The output is committed; rerun it after changing this script or the school.

The teachers, groups and subjects are the Tablorix abbreviations that
`exportar` gives the sample school, read from its reviewed dumps in
tests/data/golden/centro-ejemplo/. A small greedy timetabler places every
group's weekly hours on the five days of the ORD2526 template (periods 1-3 and
5-7; period 4 is the break) without clashes of teacher or group.

Besides ordinary classes the timetable holds the cases that exercise the
transfer: double periods (SESIONES 2), religion taught to two groups at once
with their own numbers of pupils, NALUM 0 for "the group's maximum", duty
periods without a group (task 0200), a substitute teacher that PROFT lacks,
and a class Tablorix could not place (DIA 0).
"""

import csv
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "..", "tests", "data", "golden", "centro-ejemplo")
OUTPUT = os.path.join(HERE, "centro-ejemplo", "SOLUC.DBF")

DAYS = range(1, 6)
PERIODS = [1, 2, 3, 5, 6, 7]  # 4 is the break
DOUBLE_STARTS = [1, 2, 5, 6]  # a double period never spans the break

# Teachers of each subject, by their PROFT abbreviation.
TEACHERS = {
    "MAT": ["GLA", "GLA1", "JAU", "ZAH"],
    "MAT2": ["GLA1"],
    "GAZ": ["EZM1", "NOE", "GHM"],
    "EUS": ["EZM", "RSO", "EZM2"],
    "ING": ["Gla3", "LEB", "BCN"],
    "FRA": ["HSJ", "FC"],
    "GH": ["ABN", "STÁ", "JKR"],
    "BG": ["CRL", "TUL"],
    "FK": ["BOI", "UVX"],
    "Musika": ["DAK", "EFI"],
    "GH1": ["IJ", "ABJ", "HIT"],
    "TEK": ["GLA2", "OTG", "GLA4"],
    "HPBeI": ["MPR", "VYC"],
    "FIL": ["EMA", "CDM"],
    "HFIL": ["CDM"],
    "EKO": ["FOP", "DEA"],
    "LAT": ["GUE"],
    "MT": ["VYC"],
}

# Weekly hours by subject; GH1 (physical education) comes as double periods.
ESO_HOURS = [("MAT", 4), ("GAZ", 3), ("EUS", 3), ("ING", 3), ("GH", 3), ("BG", 2), ("FK", 2), ("Musika", 2),
             ("GH1", 2), ("TEK", 2), ("HPBeI", 2), ("TUT", 1)]
SCIENCE_HOURS = [("MAT", 4), ("MAT2", 2), ("GAZ", 3), ("EUS", 3), ("ING", 3), ("FIL", 3), ("GH1", 2), ("BG", 3),
                 ("FK", 3), ("MT", 3), ("TUT", 1)]
HUMANITIES_HOURS = [("GAZ", 3), ("EUS", 3), ("ING", 3), ("FIL", 2), ("GH1", 2), ("GH", 4), ("HFIL", 3),
                    ("EKO", 3), ("LAT", 3), ("FRA", 2), ("TUT", 1)]

ROOMS = {"GH1": "GIM", "Musika": "MUS", "HPBeI": "PLA", "TEK": "TEC", "BG": "LAB1", "FK": "LAB1"}

# Religion: one teacher, two groups at once, each with the pupils who chose it.
RELIGION = [("DBH011", 14, "DBH012", 11), ("DBH021", 12, "DBH022", 9), ("DBH031", 10, "DBH032", 13)]

# Duty periods (task 0200, subject 0200 of ASIGNOMT, no group), the last one
# by a substitute that PROFT does not list.
DUTIES = [("IJE", 1, 3), ("IJE", 2, 3), ("ISI", 3, 3), ("ISI", 4, 3), ("IJE", 5, 3), ("SUST", 2, 6)]


def read_golden(name):
    with open(os.path.join(GOLDEN, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def hours_for(group):
    if group["NIVEL"] == "DBH":
        return ESO_HOURS
    return SCIENCE_HOURS if group["ABREV"] in ("BATX011", "BATX021") else HUMANITIES_HOURS


class Timetable:
    def __init__(self):
        self.busy = set()  # (who, day, period) for teachers and groups
        self.records = []

    def free(self, who, day, period, sessions):
        return all((w, day, period + s) not in self.busy for w in who for s in range(sessions))

    def place(self, teacher, groups, day, period, sessions):
        for s in range(sessions):
            for who in [teacher] + groups:
                self.busy.add((who, day, period + s))

    def find_slot(self, who, sessions, avoid_days):
        starts = DOUBLE_STARTS if sessions == 2 else PERIODS
        for pass_avoiding in (True, False):
            for day in DAYS:
                if pass_avoiding and day in avoid_days:
                    continue
                for period in starts:
                    if self.free(who, day, period, sessions):
                        return day, period
        return None


def soluc_row(teacher, day, period, sessions, subject, group, room, pupils, task):
    """A SOLUC record; `group` is a GRUPOST row or None."""
    return {
        "PROF": teacher, "DIA": day, "HORA": period, "SESIONES": sessions, "ASIG": subject,
        "CODGRUPO": group["ABREV"] if group else "", "AULA": room, "NALUM": pupils, "TAREA": task,
        "TURNO": group["TURNO"] if group else "", "NIVEL": group["NIVEL"] if group else "",
        "CURSO": group["CURSO"] if group else "", "GRUPO": group["GRUPO"] if group else "",
    }


def build():
    groups = read_golden("GRUPOST.csv")
    by_abbreviation = {g["ABREV"]: g for g in groups}
    timetable = Timetable()

    # Religion first: the joint classes need a slot free for both groups.
    for first, first_pupils, second, second_pupils in RELIGION:
        day, period = timetable.find_slot(["PQS", first, second], 1, set())
        timetable.place("PQS", [first, second], day, period, 1)
        for abbreviation, pupils in ((first, first_pupils), (second, second_pupils)):
            group = by_abbreviation[abbreviation]
            timetable.records.append(soluc_row("PQS", day, period, 1, "ERL", group, group["AULAGRUDAE"], pupils, ""))

    next_teacher = {subject: 0 for subject in TEACHERS}
    for group in groups:
        for subject, hours in hours_for(group):
            if subject == "TUT":
                teacher = group["TUTOR"] or "IJE"  # a group without a tutor: the counsellor
            else:
                pool = TEACHERS[subject]
                teacher = pool[next_teacher[subject] % len(pool)]
                next_teacher[subject] += 1
            sessions = 2 if subject == "GH1" else 1
            room = ROOMS.get(subject, group["AULAGRUDAE"])
            used_days = set()
            for _ in range(hours // sessions):
                slot = timetable.find_slot([teacher, group["ABREV"]], sessions, used_days)
                if slot is None:  # Tablorix leaves a class it cannot place on day 0
                    timetable.records.append(soluc_row(teacher, 0, 0, sessions, subject, group, room, 0, ""))
                    continue
                day, period = slot
                used_days.add(day)
                timetable.place(teacher, [group["ABREV"]], day, period, sessions)
                timetable.records.append(soluc_row(teacher, day, period, sessions, subject, group, room, 0, ""))

    for teacher, day, period in DUTIES:
        timetable.records.append(soluc_row(teacher, day, period, 1, "0200", None, "BIB", 0, "0200"))
    # A class Tablorix could not place.
    timetable.records.append(soluc_row("ZAH", 0, 0, 1, "MAT", by_abbreviation["DBH041"], "A301", 0, ""))
    return timetable.records


# --- dBase writer -------------------------------------------------------------

FIELDS = [  # name, type, length, decimals
    ("PROF", "C", 10, 0), ("DIA", "N", 1, 0), ("HORA", "N", 2, 0), ("SESIONES", "N", 1, 0),
    ("ASIG", "C", 10, 0), ("CODGRUPO", "C", 10, 0), ("AULA", "C", 10, 0), ("NALUM", "N", 3, 0),
    ("TAREA", "C", 4, 0), ("TURNO", "C", 1, 0), ("NIVEL", "C", 5, 0), ("CURSO", "C", 3, 0), ("GRUPO", "C", 2, 0),
]


def encode(value, kind, length):
    if kind == "N":
        return str(value).rjust(length).encode("ascii")
    text = value.encode("cp1252")
    if len(text) > length:
        raise ValueError(f"{value!r} does not fit in {length} characters")
    return text.ljust(length, b" ")


def write_dbf(path, records):
    record_length = 1 + sum(length for _, _, length, _ in FIELDS)
    header_length = 32 + 32 * len(FIELDS) + 1
    # dBase III+ header, last update 2025-09-01, language driver 0x57 (DBWINUS0, Windows-1252).
    header = struct.pack("<BBBBIHH16xBBxx", 0x03, 125, 9, 1, len(records), header_length, record_length, 0, 0x57)
    descriptors = b"".join(
        struct.pack("<11sc4xBB14x", name.encode("ascii"), kind.encode("ascii"), length, decimals)
        for name, kind, length, decimals in FIELDS)
    rows = b"".join(
        b" " + b"".join(encode(record[name], kind, length) for name, kind, length, _ in FIELDS)
        for record in records)
    with open(path, "wb") as out:
        out.write(header + descriptors + b"\r" + rows + b"\x1a")


def main():
    write_dbf(OUTPUT, build())


if __name__ == "__main__":
    main()
