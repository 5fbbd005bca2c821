#!/usr/bin/env python3
"""Runs mapdump on the bundled city and checks what the program's reader makes of it: an intact
version-6 stream with the three district ids, at least 40 streets and 3,000 addressed buildings,
and notes whose icons are all in the built-in library (the city people see first shows no
missing-icon picture)."""
import json
import subprocess
import sys

mapdump, city = sys.argv[1], sys.argv[2]
run = subprocess.run([mapdump, city], capture_output=True, check=False)
if run.returncode != 0:
    sys.exit(f"mapdump exited with {run.returncode}: {run.stderr.decode(errors='replace')}")
dump = json.loads(run.stdout)
objects = {o["id"]: o for o in dump["objects"]}
addressed = sum(1 for o in dump["objects"] if "address" in o)
problems = []
if dump["version"] != 6 or dump["damaged"]:
    problems.append(f"version {dump['version']}, damaged {dump['damaged']}")
for district in (54, 1574, 6326):
    o = objects.get(district)
    if o is None or o["category"] != 2 or o["plane"] != -30:
        problems.append(f"district {district}: {o and (o['category'], o['plane'])}")
if len(dump["streets"]) < 40:
    problems.append(f"{len(dump['streets'])} streets")
if addressed < 3000:
    problems.append(f"{addressed} addressed objects")
ICONS = 62  # the built-in library "Default" holds the icons "0" to "61"
for o in dump["objects"]:
    note = o.get("note")
    if note and (note["lib"].upper() != "DEFAULT" or not note["pic"].isdigit() or int(note["pic"]) >= ICONS):
        problems.append(f"note {o['id']} without a picture: {note['lib']} {note['pic']}")
if problems:
    sys.exit("; ".join(problems))
print(f"intact: {len(dump['objects'])} objects, {len(dump['streets'])} streets, {addressed} addresses")
