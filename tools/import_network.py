#!/usr/bin/env python3
"""Import the public station and timetable tables into data/network/.

Reads the CSV files of the public subway data (default folder ../shared/data,
or the folder given with --source), the station directory in
navigation/StationDirectory.cpp and the hand-kept tables of data/network/
(lines.tsv, layouts.tsv, kinds.tsv, transfer_lines.tsv, fleet.tsv), and writes:

  data/network/stations.tsv                 names, numbers, addresses, transfers
  data/network/timetables/<FILE>.<day>.txt  timetable fields and terminal codes
  data/network/sounds.txt                   the distinct SOUND stems of the fleet
  data/network/readings.tsv                 station name readings for speech

The output is sorted and free of time stamps, so a second run over the same
input gives the same bytes. Standard library only.
"""

import argparse
import csv
import math
import re
import sys
from collections import Counter, defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
NET = ROOT / "data" / "network"
DIRECTORY_SOURCE = ROOT / "navigation" / "StationDirectory.cpp"
DAY_TYPES = (("Weekday", "weekday", "平日"), ("SaturdayHoliday", "holiday", "土休日"))
IDEOGRAPHIC_SPACE = "\u3000"
LOCAL_KIND = "普通"
# Service days run from 04:00 to 03:59 of the next morning.
DAY_START_HOUR = 4

# The direction flags that each layout code gives its track slots.
LAYOUT_FLAGS = {
    "両": {2: False, 3: True},
    "島1": {1: False, 2: True},
    "島2": {1: False, 2: False, 3: True, 4: True},
    "島3": {1: False, 2: False, 3: False, 4: True},
    "島4": {1: False, 2: False, 3: False, 4: True},
    "片1": {1: False, 3: True},
    "片2": {2: False, 4: True},
    "片3": {1: False, 4: True},
    "単1": {1: False},
}


def fail(message):
    sys.exit("import_network: " + message)


def read_table(path):
    """Rows of a tab-separated table; '#' lines are comments."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            rows.append(line.split("\t"))
    return rows


def read_csv(source, name):
    with open(source / name, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def read_directory():
    """(item, caption, line, station) of every station pick, in menu order."""
    text = DIRECTORY_SOURCE.read_text(encoding="utf-8")
    entries = re.findall(r'\{"(SN_\w+)", "([^"]*)", "([^"]*)", "([^"]*)"\}', text)
    entries = [e for e in entries if e[2]]
    if len(entries) != 288:
        fail(f"expected 288 directory entries in {DIRECTORY_SOURCE}, found {len(entries)}")
    return entries


def to_minutes(text):
    """Minutes since midnight of the service day's calendar day; early hours count past 24."""
    if not text:
        return None
    h, m = text.split(":")
    h, m = int(h), int(m)
    if h < DAY_START_HOUR:
        h += 24
    return h * 60 + m


def clean_name(name):
    return re.sub(r"〈.*?〉", "", name).strip()


def norm_name(name):
    return clean_name(name).replace(IDEOGRAPHIC_SPACE, "").replace("ヶ", "ケ").replace("麴", "麹")


def distance_m(a, b):
    lat1, lon1 = a
    lat2, lon2 = b
    x = math.radians(lon2 - lon1) * math.cos(math.radians((lat1 + lat2) / 2))
    y = math.radians(lat2 - lat1)
    return 6371000.0 * math.hypot(x, y)


class Line:
    def __init__(self, row):
        self.rosen_j, self.rosen_e, color, self.file, self.family, sources = row
        self.color = int(color)
        self.sources = sources.split(",")
        self.rows = []  # Row objects in stored order


class Row:
    def __init__(self, entry, line):
        self.item, self.caption, _, self.eki_j = entry
        self.line = line
        self.index = len(line.rows)
        self.layout = None
        self.src = []  # station numbers of the timetable data served by this row

    @property
    def key(self):
        return (self.line.rosen_j, self.eki_j)

    @property
    def eki_e(self):
        return self.caption.split(" - ", 1)[1]

    @property
    def sta_no(self):
        letters = re.match(r"SN_([A-Z]+)(\d+)", self.item)
        return letters.group(1)[0] + letters.group(2)


class Event:
    """One train at one row: a departure, a pass or the end of its run."""
    __slots__ = ("kind", "row", "direction", "time", "train", "dest", "train_kind",
                 "orig", "exit", "via")

    def __init__(self, **kw):
        self.orig = False
        self.exit = False
        self.via = ""
        self.dest = ""
        self.train_kind = LOCAL_KIND
        self.direction = ""
        for k, v in kw.items():
            setattr(self, k, v)


class Network:
    def __init__(self, source):
        self.source = source
        self.lines = {}
        for row in read_table(NET / "lines.tsv"):
            line = Line(row)
            self.lines[line.rosen_j] = line
        self.rows = []
        for entry in read_directory():
            line = self.lines.get(entry[2])
            if line is None:
                fail(f"line {entry[2]} of {entry[0]} is missing from lines.tsv")
            row = Row(entry, line)
            line.rows.append(row)
            self.rows.append(row)
        self.by_key = {r.key: r for r in self.rows}
        self.read_layouts()
        self.kind_codes = {k: c for k, c in read_table(NET / "kinds.tsv")}
        self.read_source()

    def read_layouts(self):
        header = None
        with open(NET / "layouts.tsv", encoding="utf-8") as f:
            for raw in f:
                line = raw.rstrip("\n")
                if line.startswith("#ROSEN_J"):
                    header = line[1:].split("\t")
                    continue
                if not line or line.startswith("#"):
                    continue
                cells = line.split("\t")
                if header is None or len(cells) != len(header):
                    fail(f"layouts.tsv: bad line {line!r}")
                rec = dict(zip(header, cells))
                row = self.by_key.get((rec["ROSEN_J"], rec["EKI_J"]))
                if row is None:
                    fail(f"layouts.tsv: no directory entry for {rec['ROSEN_J']} {rec['EKI_J']!r}")
                if rec["HOME"] not in LAYOUT_FLAGS:
                    fail(f"layouts.tsv: unknown layout code {rec['HOME']} at {row.key}")
                row.layout = rec
                row.src = rec["SRC"].split(",")
        missing = [r.key for r in self.rows if r.layout is None]
        if missing:
            fail(f"layouts.tsv lacks {len(missing)} rows, first {missing[0]}")

    def read_source(self):
        self.stations = {}  # (railway, station number) -> csv row
        for s in read_csv(self.source, "tokyo_subway_stations.csv"):
            if s["loop_duplicate"] == "1":
                continue
            self.stations.setdefault((s["mt3d_railway"], s["station_number"]), s)
        self.trains = {t["train_id"]: t for t in read_csv(self.source, "tokyo_subway_trains.csv")}
        self.calls = defaultdict(list)
        for c in read_csv(self.source, "tokyo_subway_stop_times.csv"):
            self.calls[c["train_id"]].append(c)
        for calls in self.calls.values():
            calls.sort(key=lambda c: int(c["seq"]))
        for row in self.rows:
            if not any((rw, n) in self.stations for rw in row.line.sources for n in row.src):
                fail(f"layouts.tsv: SRC {row.src} of {row.key} names no station of {row.line.sources}")

    def station_info(self, row):
        for n in row.src:
            for rw in row.line.sources:
                s = self.stations.get((rw, n))
                if s:
                    return s
        return None

    def coords(self, row):
        s = self.station_info(row)
        return float(s["lat"]), float(s["lon"])

    # ----- trains -----

    def linked(self, train, field):
        ids = [i for i in train[field].split("|") if i]
        return [self.trains[i] for i in ids if i in self.trains]

    def final_destination(self, train):
        seen = set()
        while True:
            nxt = self.linked(train, "next_train_ids")
            if not nxt or train["train_id"] in seen:
                return clean_name(train["destination_ja"])
            seen.add(train["train_id"])
            train = nxt[0]

    def events(self, line, day):
        """Departures, passes and run ends of the line's rows for one day type."""
        where = defaultdict(list)
        for row in line.rows:
            for n in row.src:
                where[n].append(row.index)
        coords = [self.coords(r) for r in line.rows]
        events = []
        for train in self.trains.values():
            if train["day_type"] != day or train["mt3d_railway"] not in line.sources:
                continue
            calls = self.calls[train["train_id"]]
            mapped = [(i, c) for i, c in enumerate(calls) if c["station_number"] in where]
            if not mapped:
                continue
            rows = self.resolve_rows(mapped, where)
            dest = self.final_destination(train)
            kind = train["train_type_ja"] or LOCAL_KIND
            came_linked = bool(self.linked(train, "prev_train_ids"))
            goes_linked = bool(self.linked(train, "next_train_ids"))
            for k, ((ci, call), row) in enumerate(zip(mapped, rows)):
                common = dict(row=row, train=train["train_id"], dest=dest, train_kind=kind)
                if k + 1 < len(mapped):
                    ni, ncall = mapped[k + 1]
                    nrow = rows[k + 1]
                    if nrow == row:
                        continue
                    direction = "next" if nrow > row else "prev"
                    t0 = to_minutes(call["dep"] or call["arr"])
                    orig = ci == 0 and not train["through_from"] and not came_linked
                    events.append(Event(kind="dep", direction=direction, time=t0, orig=orig, **common))
                    t1 = to_minutes(ncall["arr"] or ncall["dep"])
                    self.add_passes(events, common, row, nrow, t0, t1, coords, direction)
                    continue
                # The train's last call on this line.
                continues = ci + 1 < len(calls)
                exits = not continues and bool(train["through_to"]) and not goes_linked
                if continues or exits:
                    if row == 0 and (k == 0 or rows[k - 1] > row):
                        direction = "prev"
                    elif row == len(line.rows) - 1 and (k == 0 or rows[k - 1] < row):
                        direction = "next"
                    else:
                        direction = "out"
                    t0 = to_minutes(call["dep"] or call["arr"])
                    orig = ci == 0 and not train["through_from"] and not came_linked
                    events.append(Event(kind="dep", direction=direction, time=t0, orig=orig,
                                        exit=exits, via=train["through_to"], **common))
                elif k > 0 and not goes_linked:
                    side = "prev" if rows[k - 1] < row else "next"
                    events.append(Event(kind="end", direction=side,
                                        time=to_minutes(call["arr"]), **common))
                    events[-1].orig = rows[k - 1]  # the row the train came from
        return events

    @staticmethod
    def resolve_rows(mapped, where):
        """Row of each call; a station on two rows (a loop) takes the one nearest its neighbours."""
        rows = []
        for k, (_, call) in enumerate(mapped):
            cands = where[call["station_number"]]
            if len(cands) == 1:
                rows.append(cands[0])
                continue
            if rows:
                ref = rows[-1]
            else:
                ref = None
                for _, later in mapped[k + 1:]:
                    lc = where[later["station_number"]]
                    if len(lc) == 1:
                        ref = lc[0]
                        break
            rows.append(min(cands, key=lambda r: (abs(r - ref) if ref is not None else 0, r)))
        return rows

    @staticmethod
    def add_passes(events, common, row, nrow, t0, t1, coords, direction):
        if abs(nrow - row) < 2 or t0 is None or t1 is None:
            return
        step = 1 if nrow > row else -1
        path = list(range(row, nrow + step, step))
        dist = [0.0]
        for a, b in zip(path, path[1:]):
            dist.append(dist[-1] + distance_m(coords[a], coords[b]))
        for p, d in zip(path[1:-1], dist[1:-1]):
            t = t0 + (t1 - t0) * d / dist[-1]
            ev = dict(common, row=p)
            events.append(Event(kind="pass", direction=direction, time=int(math.floor(t + 0.5)), **ev))


# ----- track slots -----

class Term:
    """One part of a slot's contents: trains of a line at a station in one direction."""

    def __init__(self, text, row):
        m = re.fullmatch(r"(?:([^@:]+)@([^:]+):)?(prev|next|out)(?:/(dep|pass))?((?:\+!?[^+]+)*)", text)
        if not m:
            fail(f"layouts.tsv: bad slot term {text!r} at {row.key}")
        self.line = m.group(1) or row.line.rosen_j
        self.station = m.group(2) or row.eki_j
        self.direction = m.group(3)
        self.what = m.group(4) or "all"
        self.filters = [f for f in m.group(5).split("+") if f]

    def matches(self, ev):
        if ev.direction != self.direction:
            return False
        if ev.kind == "dep" and self.what == "pass" or ev.kind == "pass" and self.what == "dep":
            return False
        for f in self.filters:
            negate = f.startswith("!")
            name = f.lstrip("!")
            if name == "orig":
                ok = ev.kind == "dep" and bool(ev.orig)
            elif name == "exit":
                ok = ev.exit
            elif name.startswith("via="):
                ok = name[4:] in ev.via
            elif name == "local":
                ok = ev.train_kind == LOCAL_KIND
            elif name == "rapid":
                ok = ev.train_kind != LOCAL_KIND
            else:
                fail(f"unknown slot filter {f!r}")
            if ok == negate:
                return False
        return True


def slot_terms(row, slot):
    terms = row.layout[f"SLOT{slot}"]
    if terms in ("", "-"):
        return []
    return [Term(t, row) for t in terms.split(",")]


def format_hour(minutes):
    return f"{(minutes // 60) % 24:02d}:"


class Field:
    def __init__(self):
        self.deps = []    # (time, dest, kind, train, code family)
        self.passes = set()
        self.moved = []   # (shown time, real time, real slot, dest, kind) of departures moved here


def other_railway_services(day):
    """Departures of the other railways' own tracks, from their service patterns:
    {(ROSEN_J, EKI_J, slot): [(minutes, destination, kind)]}."""
    label = next(short for long, short, _ in DAY_TYPES if long == day)
    services = {}
    for line, station, slot, which, first, last, headways, destinations in read_table(NET / "other_railways.tsv"):
        if which != label:
            continue
        bands = []
        for band in headways.split():
            hour, minutes = band.split(":")
            bands.append((to_minutes(f"{hour}:00"), int(minutes)))
        bands.sort()
        turns = [d.split(":") if ":" in d else (d, LOCAL_KIND) for d in destinations.split(",")]
        times = []
        t, end = to_minutes(first), to_minutes(last)
        while t <= end:
            times.append(t)
            headway = next((m for start, m in reversed(bands) if start <= t), bands[0][1])
            t += headway
        services[(line, station, int(slot))] = [(t, *turns[i % len(turns)]) for i, t in enumerate(times)]
    return services


def build_fields(net, day):
    """Slot contents of every row: departures and passes."""
    services = other_railway_services(day)
    by_line_events = {}
    for line in net.lines.values():
        evs = defaultdict(list)
        for ev in net.events(line, day):
            evs[line.rows[ev.row].eki_j].append(ev)
        by_line_events[line.rosen_j] = evs
    fields = {}
    ends = defaultdict(list)  # row key -> end events
    for line in net.lines.values():
        for eki, evs in by_line_events[line.rosen_j].items():
            for ev in evs:
                if ev.kind == "end":
                    ends[(line.rosen_j, eki)].append(ev)
    for row in net.rows:
        for slot in range(1, 5):
            field = Field()
            for term in slot_terms(row, slot):
                if term.line not in by_line_events:
                    fail(f"slot term names unknown line {term.line} at {row.key}")
                if (term.line, term.station) not in net.by_key:
                    fail(f"slot term names unknown station {term.line} {term.station!r} at {row.key}")
                for ev in by_line_events[term.line][term.station]:
                    if ev.kind == "end" or not term.matches(ev):
                        continue
                    if ev.kind == "dep":
                        fam = net.lines[term.line].family
                        field.deps.append((ev.time, ev.dest, ev.train_kind, ev.train, fam))
                    else:
                        field.passes.add(ev.time)
            for t, dest, kind in services.get((row.line.rosen_j, row.eki_j, slot), []):
                field.deps.append((t, dest, kind, None, row.line.family))
            field.deps.sort(key=lambda dep: dep[:3])
            field.passes = clear_passes(field)
            fields[(row.key, slot)] = field
    return fields, ends


def clear_passes(field, also=()):
    """Passing minutes moved off the minutes in which a stopping train of the
    same track arrives or leaves: one track shows one train at a time, and a
    passing train sent in then would take the place of the stopping one."""
    occupied = set(also)
    for t, *_ in field.deps:
        occupied.update((t - 1, t))
    cleared = set()
    for t in sorted(field.passes):
        for shift in (0, 1, -1, 2, -2, 3, -3):
            if t + shift not in occupied and t + shift not in cleared:
                cleared.add(t + shift)
                break
    return cleared


def assign_codes(net, fields_by_day):
    """One table of destination codes per family, so a terminal code means the same on every row."""
    counts = defaultdict(Counter)
    for fields in fields_by_day:
        for field in fields.values():
            for _, dest, _, _, fam in field.deps:
                counts[fam][dest] += 1
    # Every row's own station gets a code too: it may be a terminal on another day.
    tables = {}
    reserved = set(net.kind_codes.values())
    for fam, counter in sorted(counts.items()):
        table = {}
        used = set(reserved)
        for dest, _ in sorted(counter.items(), key=lambda kv: (-kv[1], kv[0])):
            code = None
            for ch in dest:
                if ch in "・ー〈〉()（）ヶケノのツッ" or ord(ch) < 0x3000:
                    continue
                if ch not in used:
                    code = ch
                    break
            if code is None:
                for ch in "１２３４５６７８９０ＡＢＣＤＥＧＪＬＭＮＰＲＵＶＷＸＹＺ":
                    if ch not in used:
                        code = ch
                        break
            used.add(code)
            table[dest] = code
        tables[fam] = table
    return tables


def render_field(field, kind_codes, title):
    if not field.deps:
        return ""
    def code(dest, fam):
        return _codes_cache[fam][dest]
    dest_count = Counter((d, fam) for _, d, _, _, fam in field.deps)
    kinds = sorted({k for _, _, k, _, _ in field.deps if k != LOCAL_KIND},
                   key=lambda k: kind_codes.get(k, k))
    legend = [f"{code(d, fam)}:{d}"
              for (d, fam), _ in sorted(dest_count.items(), key=lambda kv: (-kv[1], code(*kv[0])))]
    for k in kinds:
        if k not in kind_codes:
            fail(f"kinds.tsv lacks the kind {k}")
        legend.append(f"{kind_codes[k]}:{k}")
    if len({entry[0] for entry in legend}) != len(legend):
        fail(f"legend codes collide in {title}: {legend}")
    lines = [",".join(legend), title]
    hours = defaultdict(list)
    for t, d, k, _, fam in field.deps:
        prefix = "" if k == LOCAL_KIND else kind_codes[k]
        hours[t // 60].append(f"{prefix}{code(d, fam)}{t % 60:02d}")
    for h in range(min(hours), max(hours) + 1):
        lines.append(",".join([format_hour(h * 60)] + hours.get(h, [])))
    return "\r\n".join(lines)


def render_passes(field):
    if not field.passes:
        return ""
    hours = defaultdict(list)
    for t in sorted(field.passes):
        hours[t // 60].append(str(t % 60))
    return "\r\n".join(",".join([format_hour(h * 60)] + ms) for h, ms in sorted(hours.items()))


def slot_has(row, slot, line, station, direction):
    return any(t.line == line and t.station == station and t.direction == direction
               for t in slot_terms(row, slot))


def arrival_slot(row, side):
    """The slot where trains ending here arrive from the given neighbour side."""
    column = "HATU1" if side == "prev" else "HATU2"
    given = row.layout[column]
    if given not in ("", "auto"):
        return int(given)
    going = "next" if side == "prev" else "prev"
    for slot in range(1, 5):
        if slot_has(row, slot, row.line.rosen_j, row.eki_j, going):
            return slot
    flags = LAYOUT_FLAGS[row.layout["HOME"]]
    want = side == "prev"  # arriving from the left means travelling left to right
    for slot in sorted(flags):
        if flags[slot] == want:
            return slot
    return 0


def terminals(net, fields, ends, codes):
    """END, CYAKU1, HATU1, CYAKU2, HATU2 of every row."""
    # Which departures (train ids) each slot of each row carries.
    carried = {}
    for (key, slot), field in fields.items():
        carried[(key, slot)] = [(_codes_cache[fam][d], train) for _, d, _, train, fam in field.deps]
    result = {}
    for row in net.rows:
        code = codes_of(net, row.key).get(row.eki_j.strip(IDEOGRAPHIC_SPACE))
        rec = {"END": "", "CYAKU1": 0, "HATU1": 0, "CYAKU2": 0, "HATU2": 0}
        for side, offset, cy, ha in (("prev", -1, "CYAKU1", "HATU1"), ("next", 1, "CYAKU2", "HATU2")):
            n = row.index + offset
            if code is None or n < 0 or n >= len(row.line.rows):
                continue
            neighbour = row.line.rows[n]
            # Lines that share tracks share the neighbour's field, so count the trains
            # ending at this station on every line of the family.
            ending = {ev.train for other in net.rows
                      if other.eki_j == row.eki_j and other.line.family == row.line.family
                      for ev in ends.get(other.key, [])
                      if ev.direction == side and other.line.rows[ev.orig].eki_j == neighbour.eki_j}
            if not ending:
                continue
            best = (0, 0)
            for slot in range(1, 5):
                items = [t for c, t in carried[(neighbour.key, slot)] if c == code]
                true = sum(1 for t in items if t in ending)
                if true and true >= len(items) - true and true > best[0]:
                    best = (true, slot)
            if best[1]:
                rec["END"] = code
                rec[cy] = best[1]
                rec[ha] = arrival_slot(row, side)
        result[row.key] = rec
    return result


_codes_cache = {}


# ----- one train per track at a time -----

def terminal_minutes(net, fields, terms):
    """(arrival, departure) minutes of the trains ending on every slot: the
    minute after the neighbour's departure and the minute after that."""
    taken = defaultdict(set)
    for row in net.rows:
        rec = terms[row.key]
        if not rec["END"]:
            continue
        for offset, cy, ha in ((-1, "CYAKU1", "HATU1"), (1, "CYAKU2", "HATU2")):
            if not rec[cy] or not 1 <= rec[ha] <= 4:
                continue
            neighbour = row.line.rows[row.index + offset]
            for t, d, _, _, fam in fields[(neighbour.key, rec[cy])].deps:
                if _codes_cache[fam][d] == rec["END"]:
                    taken[(row.key, rec[ha])].add((t + 1, t + 2))
    return taken


def spare_slots(row, slot):
    """Other slots of the row that show the same line's stopping trains in the same direction."""
    flags = LAYOUT_FLAGS[row.layout["HOME"]]
    mine = {(t.line, t.station, t.direction) for t in slot_terms(row, slot) if t.what != "pass"}
    return [s for s in range(1, 5) if s != slot and s in flags and slot in flags and flags[s] == flags[slot]
            and mine & {(t.line, t.station, t.direction) for t in slot_terms(row, s) if t.what != "pass"}]


def place_row(row, fields, taken):
    """Puts the row's departures so that on every slot one train's minutes
    (arrival, the minute before the departure, to departure) end before the
    next train's begin: a clash goes to a free spare track of the same
    direction, else to the nearest free minute, a later one first (on its
    own track, else on a spare)."""
    occupied = {slot: {m for window in taken.get((row.key, slot), ()) for m in window} for slot in range(1, 5)}
    deps = []
    for slot in range(1, 5):
        field = fields[(row.key, slot)]
        real = {(t, d, k): (rt, rs) for t, rt, rs, d, k in field.moved}
        for dep in field.deps:
            rt, rs = real.get(dep[:3], (dep[0], slot))
            deps.append((rt, rs, slot, dep))
        field.deps = []
        field.moved = []
    changed = False
    for real_time, real_slot, was_slot, dep in sorted(deps, key=lambda e: (e[0], e[1], e[3][1:3])):
        t = real_time
        def free(slot, minute):
            return not occupied[slot] & {minute - 1, minute}
        tracks = [real_slot] + spare_slots(row, real_slot)
        choice = None
        for minute in [t] + [t + sign * shift for shift in range(1, 120) for sign in (1, -1)]:
            choice = next(((slot, minute) for slot in tracks if free(slot, minute)), None)
            if choice:
                break
        slot, minute = choice
        occupied[slot].update((minute - 1, minute))
        fields[(row.key, slot)].deps.append((minute,) + dep[1:])
        if (slot, minute) != (real_slot, real_time):
            fields[(row.key, slot)].moved.append((minute, real_time, real_slot, dep[1], dep[2]))
        changed |= (slot, minute) != (was_slot, dep[0])
    for slot in range(1, 5):
        fields[(row.key, slot)].deps.sort(key=lambda dep: dep[:3])
        fields[(row.key, slot)].moved.sort()
    return changed


def one_train_per_track(net, fields, ends):
    """Places every row's departures around the trains ending there; a move
    at a neighbour moves the trains ending here, so repeat until nothing
    changes. Then clears the passing minutes again."""
    # Rows of one station that show the same tracks (a station of two lines)
    # are placed once, around the trains ending on either row, and stay alike.
    groups = defaultdict(list)
    for row in net.rows:
        shown = tuple((t.line, t.station, t.direction, t.what, tuple(t.filters))
                      for slot in range(1, 5) for t in slot_terms(row, slot))
        deps = tuple(tuple(fields[(row.key, slot)].deps) for slot in range(1, 5))
        groups[(shown, deps) if shown else row.key].append(row)
    for _ in range(10):
        terms = terminals(net, fields, ends, None)
        taken = terminal_minutes(net, fields, terms)
        changed = False
        for rows in groups.values():
            first = rows[0]
            shared = {(first.key, slot): set().union(*(taken.get((r.key, slot), set()) for r in rows))
                      for slot in range(1, 5)}
            changed |= place_row(first, fields, shared)
            for other in rows[1:]:
                for slot in range(1, 5):
                    mine, theirs = fields[(first.key, slot)], fields[(other.key, slot)]
                    theirs.deps, theirs.moved = list(mine.deps), list(mine.moved)
                    taken[(other.key, slot)] = shared[(first.key, slot)]
            for slot in range(1, 5):
                taken[(first.key, slot)] = shared[(first.key, slot)]
        if not changed:
            break
    else:
        fail("the departures do not settle on their tracks")
    for (key, slot), field in fields.items():
        field.passes = clear_passes(field, {m for window in taken.get((key, slot), ()) for m in window})
    check_one_train_per_track(net, fields, taken)


def check_one_train_per_track(net, fields, taken):
    for row in net.rows:
        for slot in range(1, 5):
            minutes = sorted([(t - 1, t) for t, *_ in fields[(row.key, slot)].deps]
                             + list(taken.get((row.key, slot), ())))
            for (a0, d0), (a1, d1) in zip(minutes, minutes[1:]):
                if a1 <= d0:
                    fail(f"two trains at once on slot {slot} of {row.key}: {a0}-{d0} and {a1}-{d1}")


def move_counts(net, fields):
    """Per line: departures, moved to a spare track, moved in time by one minute, by more."""
    counts = defaultdict(Counter)
    for row in net.rows:
        for slot in range(1, 5):
            field = fields[(row.key, slot)]
            c = counts[row.line.rosen_j]
            c["departures"] += len(field.deps)
            for shown, real, real_slot, _, _ in field.moved:
                if real_slot != slot:
                    c["track"] += 1
                elif abs(shown - real) == 1:
                    c["later 1" if shown > real else "earlier 1"] += 1
                else:
                    c["more"] += 1
                    c["most"] = max(c["most"], abs(shown - real))
    return counts


def codes_of(net, key):
    return _codes_cache[net.lines[key[0]].family]


def write_timetables(net, day, label, fields, ends, out_dir, stats):
    terms = terminals(net, fields, ends, None)
    for line in net.lines.values():
        out = [f"# {line.rosen_j} {label}: timetable fields of the station rows, in line order.",
               "# Written by tools/import_network.py from the public timetable data; do not edit.",
               "# A field runs from its 'NAME:' line to the line '.'; its lines end in CR LF in the database.",
               ""]
        for row in line.rows:
            out.append(f"[{row.eki_j}]")
            rec = terms[row.key]
            for k in ("END", "CYAKU1", "HATU1", "CYAKU2", "HATU2"):
                out.append(f"{k}={rec[k]}")
            if rec["END"]:
                stats["terminals"] += 1
            for slot in range(1, 5):
                field = fields[(row.key, slot)]
                stats["departures"] += len(field.deps)
                stats["passes"] += len(field.passes)
                title = f"{row.eki_j.strip(IDEOGRAPHIC_SPACE)} {label} 時刻表{slot}"
                text = render_field(field, net.kind_codes, title)
                out.append(f"ZIKOKU{slot}:")
                out.extend(text.split("\r\n") if text else [])
                out.append(".")
                for shown, real, real_slot, dest, _ in field.moved:
                    where = f" on slot {real_slot}" if real_slot != slot else ""
                    out.append(f"# moved: {format_hour(shown)}{shown % 60:02d} {dest}, real {format_hour(real)}{real % 60:02d}{where}")
                ptext = render_passes(field)
                out.append(f"P_ZIKOKU{slot}:")
                out.extend(ptext.split("\r\n") if ptext else [])
                out.append(".")
            out.append("")
        path = out_dir / f"{line.file}.{day}.txt"
        text = "\n".join(out)
        text.encode("cp932")  # every text must survive the program's code page
        path.write_text(text, encoding="utf-8")


# ----- station facts -----

def transfer_names():
    return {name: (j, e) for name, j, e in read_table(NET / "transfer_lines.tsv")}


def own_line_names(line):
    names = {line.rosen_j.replace("分岐線", "線").replace("新線", "線")}
    if "TokyoMetro.Fukutoshin" in line.sources:
        names.add("副都心線")
    return names


def join_english(items):
    if len(items) <= 1:
        return "".join(items)
    return ", ".join(items[:-1]) + " and " + items[-1]


def station_facts(net):
    tnames = transfer_names()
    infos = {r.key: net.station_info(r) for r in net.rows}
    out = []
    for row in net.rows:
        s = infos[row.key]
        lat, lon = float(s["lat"]), float(s["lon"])
        url = f"https://www.openstreetmap.org/?mlat={lat:.6f}&mlon={lon:.6f}#map=17/{lat:.6f}/{lon:.6f}"
        js, es = [], []
        own = own_line_names(row.line)
        for name in [n for n in s["transfers_same_station"].split("|") if n]:
            if name not in tnames:
                fail(f"transfer_lines.tsv lacks {name}")
            j, e = tnames[name]
            if j == "-" or j in own or j in js:
                continue
            js.append(j)
            es.append(e)
        # Walking transfers: a station of another name that shares the station's group
        # code, or that is the nearest station of a line in the station's transfer group.
        groups = set(n for n in s["transfers_mt3d_groups"].split("|") if n)
        here = (lat, lon)
        nearest = {}
        for other in net.rows:
            if other.eki_j.startswith(IDEOGRAPHIC_SPACE):
                continue
            o = infos[other.key]
            label = o["mt3d_railway"].split(".")[0] + " " + o["line_ja"]
            d = distance_m(here, (float(o["lat"]), float(o["lon"])))
            if label in groups and (label not in nearest or d < nearest[label][0]):
                nearest[label] = (d, other)
            if o["stationapi_group_cd"] == s["stationapi_group_cd"] and d < 800:
                nearest[("group", other.key)] = (d, other)
        near = []
        for d, other in sorted(nearest.values(), key=lambda v: (v[0], v[1].index)):
            if d < 800 and norm_name(other.eki_j) != norm_name(row.eki_j) and other.eki_j not in near:
                near.append(other.eki_j)
        out.append([row.line.rosen_j, row.eki_j, row.eki_e, row.sta_no, s["address"], url,
                    ",".join(near), "、".join(js), join_english(es)])
    return out


def write_sounds():
    fleet = read_table(NET / "fleet.tsv")
    sounds = sorted({r[3] for r in fleet})
    (NET / "sounds.txt").write_text(
        "# SOUND stems of the fleet (Sound/<stem>_s.wav and _r.wav); written by tools/import_network.py.\n"
        + "\n".join(sounds) + "\n", encoding="utf-8")
    return len(sounds)


def write_readings(source):
    """Katakana reading of every station name, for the speech engine (readings.tsv)."""
    readings = {}
    for s in read_csv(source, "tokyo_subway_stations.csv"):
        name, kana = clean_name(s["station_ja"]), s["station_kana"].strip()
        if name and kana:
            readings.setdefault(name, kana)
    with open(NET / "readings.tsv", "w", encoding="utf-8") as f:
        f.write("# Station name readings for speech; written by tools/import_network.py.\n")
        f.write("#NAME\tKANA\n")
        for name in sorted(readings):
            f.write(f"{name}\t{readings[name]}\n")
    return len(readings)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", type=Path, default=ROOT.parent / "shared" / "data",
                        help="folder of the public CSV files")
    args = parser.parse_args()
    if not (args.source / "tokyo_subway_stop_times.csv").exists():
        fail(f"no timetable data in {args.source}")
    net = Network(args.source)

    facts = station_facts(net)
    with open(NET / "stations.tsv", "w", encoding="utf-8") as f:
        f.write("# Station facts per row, in directory order. Written by tools/import_network.py; do not edit.\n")
        f.write("#ROSEN_J\tEKI_J\tEKI_E\tSTA_NO\tADDRESS\tURL1\tRINSETU\tRENRAKU_J\tRENRAKU_E\n")
        for rec in facts:
            f.write("\t".join(rec) + "\n")

    per_day = []
    for day, _, _ in DAY_TYPES:
        per_day.append(build_fields(net, day))
    _codes_cache.update(assign_codes(net, [f for f, _ in per_day]))
    out_dir = NET / "timetables"
    out_dir.mkdir(exist_ok=True)
    for (day, name, label), (fields, ends) in zip(DAY_TYPES, per_day):
        one_train_per_track(net, fields, ends)
        stats = Counter()
        write_timetables(net, name, label, fields, ends, out_dir, stats)
        print(f"{name}: {len(net.rows)} rows, {stats['departures']} departures, "
              f"{stats['passes']} passes, {stats['terminals']} terminal rows")
        counts = move_counts(net, fields)
        for line in net.lines.values():
            c = counts[line.rosen_j]
            moved = c["track"] + c["later 1"] + c["earlier 1"] + c["more"]
            print(f"  {line.rosen_j}\t{c['departures']}\tmoved {moved}\ttrack {c['track']}\t"
                  f"+1 {c['later 1']}\t-1 {c['earlier 1']}\tmore {c['more']} (at most {c['most']})")
    print(f"sounds: {write_sounds()} stems")
    print(f"readings: {write_readings(args.source)} station names")


if __name__ == "__main__":
    main()
