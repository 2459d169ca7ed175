#!/usr/bin/env python3
"""The alarm agent's start layout: the functions its start runs lie together, and the list
still names the agent's code.

    start_layout_test.py AGENT START_FUNCTIONS

Fails when the layout was not applied (the listed functions spread over the agent's code) or
when a third of the list no longer names a function of the agent: its start then touches code
all over the program again, and bench/agent/startorder.sh must write the list anew.
"""
import subprocess
import sys

agent, listing = sys.argv[1], sys.argv[2]
wanted = [line.strip() for line in open(listing, encoding="utf-8")
          if line.strip() and not line.startswith("#")]

functions = {}
nm = subprocess.run(["nm", "-S", agent], check=True, capture_output=True, text=True).stdout
for line in nm.splitlines():
    fields = line.split()
    if len(fields) == 4 and fields[2] in "tTwW":
        functions.setdefault(fields[3], (int(fields[0], 16), int(fields[1], 16)))

found = [functions[name] for name in wanted if name in functions]
share = len(found) / len(wanted)
print(f"{len(found)} of {len(wanted)} listed functions are in the agent ({share:.0%})")
if share < 2 / 3:
    sys.exit("the list no longer matches the agent's code: run bench/agent/startorder.sh")

# Aliases (a complete constructor and its base one) share their code, so each place counts once.
places = dict(found)
start = min(places)
end = max(address + size for address, size in places.items())
total = sum(places.values())
# Room for alignment and for static constructors and main, which the linker also puts there.
span_allowed = total * 1.15 + 64 * 1024
print(f"they span {end - start} bytes for {total} bytes of code")
if end - start > span_allowed:
    sys.exit("the start's functions are spread over the agent's code: the layout was not applied")
