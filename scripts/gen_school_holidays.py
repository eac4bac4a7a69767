#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes engine/schoolholidays_data.inc, the compiled-in school holidays of the
German states and the Austrian states, from the OpenHolidays CSV files.

    scripts/gen_school_holidays.py [--data DIR] [--out FILE]

The data are read, checked and only then written: a row whose end lies before
its start, a name outside the known names, two rows of one region that share a
day, a row outside the years the table holds, or a code the program has no
region for stop the run with exit code 1 and every such row named. Quirks of
the data that are known and decided stand in EXCEPTIONS below, each with its
reason; nothing else is left out. The output depends on the data alone (rows
sorted, no time stamps), so two runs give the same bytes.

Standard library only, so that the build can check the table with any python3.
"""

import argparse
import csv
import datetime
import pathlib
import re
import sys

SCRIPT = "gen_school_holidays"
# The data stand beside the project, in ../shared/data/school-holidays.
DEFAULT_DATA = pathlib.Path(__file__).resolve().parent.parent.parent / "shared" / "data" / "school-holidays"
DEFAULT_OUT = pathlib.Path(__file__).resolve().parent.parent / "engine" / "schoolholidays_data.inc"

# The calendar years the table holds. German data begin with the school year
# 2011/12 and reach into 2030, the Austrian data begin in 2016; a row outside
# these years is a change of the data that someone should look at.
FIRST_YEAR = 2011
LAST_YEAR = 2031

# The data's state codes and the program's region codes (engine/region.cpp).
# Berlin is one state here, "D-BE"; the halves "D-OB" and "D-WB" of the
# region table are history and have no school holidays.
GERMAN_CODES = {
    "DE-BW": "D-BW", "DE-BY": "D-BY", "DE-BE": "D-BE", "DE-BB": "D-BB",
    "DE-HB": "D-HB", "DE-HH": "D-HH", "DE-HE": "D-HE", "DE-MV": "D-MV",
    "DE-NI": "D-NI", "DE-NW": "D-NW", "DE-RP": "D-RP", "DE-SL": "D-SL",
    "DE-SN": "D-SN", "DE-ST": "D-ST", "DE-SH": "D-SH", "DE-TH": "D-TH",
}
AUSTRIAN_CODES = {
    "AT-BL": "A-B", "AT-KÄ": "A-K", "AT-NÖ": "A-NÖ", "AT-OÖ": "A-OÖ", "AT-SB": "A-S",
    "AT-SM": "A-ST", "AT-TI": "A-T", "AT-VA": "A-V", "AT-WI": "A-W",
}

# Mecklenburg-Vorpommern gives general and vocational schools their own rows.
# A calendar for families shows the general schools; a row naming both groups
# holds for both and is kept. Rows of the vocational schools alone are left
# out: taken together with the others they overlap (summer holidays above all).
KEPT_GROUPS = {"MV-ABS"}
LEFT_OUT_GROUPS = {"MV-BBS"}

# The names a row may carry. The index of a name in this list is its number in
# the table, so new names go to the end of their group.
HOLIDAY_PERIODS = [
    "Winterferien", "Osterferien", "Pfingstferien", "Sommerferien", "Herbstferien",
    "Weihnachtsferien",
    # Periods some states name otherwise.
    "Semesterferien",      # Austria's winter holidays
    "Frühjahrsferien",     # Bavaria, Hamburg
    "Halbjahresferien",    # Bremen, Lower Saxony
    "Halbjahrespause",     # Hamburg
    "Fastnachtsferien",    # Saarland
]
FREE_DAYS = [
    # Single free days (at most three in a row) that the data name.
    "Allerseelen", "St. Florian", "St. Josef", "St. Leopold", "St. Martin", "St. Rupert",
    "schulfrei",                                   # Austria
    "Variabler Ferientag",                         # Brandenburg
    "Unterrichtsfreier Tag",                       # Berlin, Saxony
    "Gründonnerstag", "Reformationsfest",          # Baden-Württemberg
    "Buß- und Bettag",                             # Bavaria
    "Brückentag",                                  # Hamburg
    "Schulfrei", "Zusätzlicher Ferientag",         # Mecklenburg-Vorpommern
    "Kirchentag", "Kirchentag und Tag nach dem 1. Mai", "Tag nach Himmelfahrt",
    "Tag nach dem 1. Mai", "Tag nach dem Reformationstag", "Tag vor dem 1. Mai",
    "Tag vor dem 3. Oktober", "Tage nach dem 3. Oktober",   # Bremen, Lower Saxony
    "Himmelfahrt",                                 # Schleswig-Holstein
    "Ferientag",                                   # Saxony-Anhalt
    "Schulfreier Tag",                             # Thuringia
]
KNOWN_NAMES = HOLIDAY_PERIODS + FREE_DAYS

# Known quirks of the data and what the table does with them. Each entry says
# which rows it takes (by id, or by region, tag and comment) and why; every row
# it takes is left out of the table. Rows not taken here are never dropped.
EXCEPTIONS = [
    {
        # Schleswig-Holstein's islands Sylt, Föhr, Amrum, Helgoland and the
        # Halligen begin their summer and autumn holidays up to a week earlier
        # than the mainland. The state has one row in the region list, and
        # the mainland's dates are the ones nearly all its pupils have; the
        # island rows, tagged as exceptions by the data, would overlap them.
        "region": "D-SH",
        "tags": "Exception",
        "comment_starts": "DE Inseln Sylt, Föhr, Amrum, Helgoland und die Halligen",
        "reason": "islands of Schleswig-Holstein (the mainland's dates are kept)",
    },
    {
        # Schleswig-Holstein's rows reach back into the school year 2010/11,
        # which no other state has; the table begins with 2011.
        "ids": {
            "c4edf8bc-c7b6-4632-8b31-1dc25f10283b",  # Sommerferien 12.07.-21.08.2010
            "1921257f-bcaa-45bb-b5b4-116dd9577f81",  # Herbstferien 11.10.-23.10.2010
            "42e6dd86-d602-4833-a1e9-b71db688aa35",  # Weihnachtsferien 23.12.2010-07.01.2011
        },
        "reason": "Schleswig-Holstein before 2011",
    },
]


class Row:
    def __init__(self, source, line, ident, region, first, last, name):
        self.source = source
        self.line = line
        self.ident = ident
        self.region = region
        self.first = first
        self.last = last
        self.name = name

    def where(self):
        return (f"{self.source}:{self.line} ({self.region} {self.name} "
                f"{self.first.isoformat()}..{self.last.isoformat()}, id {self.ident})")


def read_csv(path):
    """The rows of a semicolon-separated UTF-8 file as dicts with line numbers;
    a byte-order mark is dropped, and a missing field at the end of a line
    reads as empty."""
    with open(path, encoding="utf-8-sig", newline="") as handle:
        reader = csv.DictReader(handle, delimiter=";", restval="")
        return [(reader.line_num, row) for row in reader]


def decode(text):
    # The data write a comma inside a field as %2C.
    return text.replace("%2C", ",").replace("%25", "%")


def german_name(field):
    """'DE Sommerferien,EN Summer Holidays' -> 'Sommerferien'; None without a
    German name."""
    for language_and_name in field.split(","):
        language_and_name = language_and_name.strip()
        if language_and_name.startswith("DE "):
            return decode(language_and_name[3:].strip())
    return None


def matches(exception, row, raw):
    if "ids" in exception:
        return raw.get("Id", "") in exception["ids"]
    return (row.region == exception["region"]
            and raw.get("Tags", "") == exception["tags"]
            and decode(raw.get("Comment", "")).startswith(exception["comment_starts"]))


def snapshot_of(data):
    readme = data / "README.md"
    if readme.exists():
        found = re.search(r"snapshot of (\d{4}-\d{2}-\d{2})", readme.read_text(encoding="utf-8"))
        if found:
            return found.group(1)
    return "unknown"


def short_codes(data, file_name, known):
    """ShortName -> program code from a subdivision file, for the codes the
    program knows (German municipalities are not regions of the program)."""
    codes = {}
    path = data / file_name
    if not path.exists():
        return codes, {}
    groups = {}
    for _, raw in read_csv(path):
        code = raw.get("Code", "")
        if code in known:
            codes[raw.get("ShortName", "")] = known[code]
            for group in filter(None, raw.get("Groups", "").split(",")):
                groups[group.strip()] = known[code]
    return codes, groups


def load(data, problems, left_out):
    german, groups = short_codes(data, "de-subdivisions.csv", GERMAN_CODES)
    austrian, _ = short_codes(data, "at-subdivisions.csv", AUSTRIAN_CODES)
    rows = []
    files = sorted(data.glob("*-holidays.school*.csv"))
    if not files:
        problems.append(f"no school holiday files (*-holidays.school*.csv) in {data}")
    for path in files:
        for line, raw in read_csv(path):
            if raw.get("Type", "") != "School":
                continue
            where = f"{path.name}:{line}"
            country = raw.get("Country", "")
            name = german_name(raw.get("Name", ""))
            if name is None:
                problems.append(f"{where}: no German name in {raw.get('Name', '')!r}")
                continue
            try:
                first = datetime.date.fromisoformat(raw.get("StartDate", ""))
                end_text = raw.get("EndDate", "")
                last = datetime.date.fromisoformat(end_text) if end_text else first
            except ValueError:
                problems.append(f"{where}: a date is no ISO date "
                                f"({raw.get('StartDate')!r}, {raw.get('EndDate')!r})")
                continue

            regions = []
            scope = raw.get("RegionalScope", "")
            subdivisions = [s.strip() for s in raw.get("Subdivisions", "").split(",") if s.strip()]
            row_groups = [g.strip() for g in raw.get("Groups", "").split(",") if g.strip()]
            if country == "AT":
                if scope == "National":
                    # A national row holds for every Austrian state.
                    regions = sorted(AUSTRIAN_CODES.values())
                else:
                    regions = [austrian.get(s) for s in subdivisions]
                    unknown = [s for s in subdivisions if s not in austrian]
                    if unknown or not regions:
                        problems.append(f"{where}: no Austrian state for {subdivisions}")
                        continue
            elif country == "DE":
                if row_groups:
                    unknown = [g for g in row_groups if g not in groups]
                    if unknown:
                        problems.append(f"{where}: unknown school group(s) {unknown}")
                        continue
                    kept = [g for g in row_groups if g in KEPT_GROUPS]
                    if not kept:
                        if all(g in LEFT_OUT_GROUPS for g in row_groups):
                            left_out["vocational schools of Mecklenburg-Vorpommern"] = (
                                left_out.get("vocational schools of Mecklenburg-Vorpommern", 0) + 1)
                        else:
                            problems.append(f"{where}: school group(s) {row_groups} "
                                            "neither kept nor left out")
                        continue
                    regions = sorted({groups[g] for g in kept})
                else:
                    regions = [german.get(s) for s in subdivisions]
                    unknown = [s for s in subdivisions if s not in german]
                    if unknown or not regions:
                        problems.append(f"{where}: no German state for {subdivisions}")
                        continue
            else:
                problems.append(f"{where}: country {country!r} is neither DE nor AT")
                continue

            for region in regions:
                row = Row(path.name, line, raw.get("Id", ""), region, first, last, name)
                exception = next((e for e in EXCEPTIONS if matches(e, row, raw)), None)
                if exception is not None:
                    left_out[exception["reason"]] = left_out.get(exception["reason"], 0) + 1
                    continue
                rows.append(row)
    return rows


def check(rows, problems):
    for row in rows:
        if row.last < row.first:
            problems.append(f"end before start: {row.where()}")
        if row.name not in KNOWN_NAMES:
            problems.append(f"unknown name {row.name!r}: {row.where()}")
        if row.first.year < FIRST_YEAR or row.last.year > LAST_YEAR:
            problems.append(f"outside the years {FIRST_YEAR}..{LAST_YEAR}: {row.where()}")
    by_region = {}
    for row in rows:
        if row.last >= row.first:
            by_region.setdefault(row.region, []).append(row)
    for region in sorted(by_region):
        ordered = sorted(by_region[region], key=lambda r: (r.first, r.last, r.ident))
        reach = None  # the row that reaches furthest so far
        for row in ordered:
            if reach is not None and row.first <= reach.last:
                problems.append(f"overlap in {region}: {reach.where()} and {row.where()}")
            if reach is None or row.last > reach.last:
                reach = row


def render(rows, snapshot):
    def region_key(row):
        # std::string_view orders by bytes; so does the binary search.
        return (row.region.encode("utf-8"), row.first, row.last)

    lines = [
        "// Generated by scripts/gen_school_holidays.py; do not edit, run the script again.",
        "// Schulferien: OpenHolidays, ODbL 1.0",
        f"// Source: OpenHolidays data (openholidaysapi.data), snapshot of {snapshot}. This table",
        "// is a database under the Open Database License 1.0 (engine/LICENSE-ODbL.md,",
        "// engine/schoolholidays_data.NOTICE.md); the program's code keeps its own licence.",
        "//",
        "// Rows: region code, first and last day (year, month, day), number of the name.",
        "// Sorted by region (bytes) and first day; the days of one region never overlap.",
        "// clang-format off",
        "inline constexpr std::string_view kSchoolHolidayNames[] = {",
    ]
    for index, name in enumerate(KNOWN_NAMES):
        lines.append(f'    "{name}",  // {index}')
    lines.append("};")
    lines.append("")
    lines.append("inline constexpr SchoolHolidayDataRow kSchoolHolidayData[] = {")
    for row in sorted(rows, key=region_key):
        f, l = row.first, row.last
        lines.append(f'    {{"{row.region}", {{{f.year}, {f.month}, {f.day}}}, '
                     f'{{{l.year}, {l.month}, {l.day}}}, {KNOWN_NAMES.index(row.name)}}},')
    lines.append("};")
    lines.append("// clang-format on")
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=pathlib.Path, default=DEFAULT_DATA,
                        help="folder of the OpenHolidays CSV files")
    parser.add_argument("--out", type=pathlib.Path, default=DEFAULT_OUT,
                        help="the table to write")
    args = parser.parse_args(argv)

    problems = []
    left_out = {}
    rows = load(args.data, problems, left_out)
    check(rows, problems)
    if problems:
        for problem in problems:
            print(f"{SCRIPT}: refused: {problem}", file=sys.stderr)
        print(f"{SCRIPT}: {len(problems)} problem(s), {args.out} not written", file=sys.stderr)
        return 1

    text = render(rows, snapshot_of(args.data))
    args.out.write_bytes(text.encode("utf-8"))
    summary = ", ".join(f"{count} {reason}" for reason, count in sorted(left_out.items()))
    print(f"{SCRIPT}: {len(rows)} rows written to {args.out}"
          + (f"; left out: {summary}" if summary else ""), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
