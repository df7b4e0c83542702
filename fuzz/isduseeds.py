#!/usr/bin/env python3
"""Writes seed inputs for fuzz_simulated_isdu_write: one write of each variable of a device description.

Usage: isduseeds.py DEVICE.xml OUTPUT_FOLDER. Record layout: index (2 octets, big-endian), subindex,
length, octets.
"""
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# Standard variables the sample refers to by id; their indexes are fixed.
STANDARD_INDEXES = {"V_SystemCommand": 2, "V_DeviceAccessLocks": 12, "V_ApplicationSpecificTag": 24,
                    "V_FunctionTag": 25, "V_LocationTag": 26, "V_ProcessDataInput": 40,
                    "V_ProcessDataOutput": 41}


def main():
    device, output = sys.argv[1], Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    indexes = set(STANDARD_INDEXES.values())
    for element in ElementTree.parse(device).iter():
        if element.tag.endswith("Variable") and element.get("index"):
            indexes.add(int(element.get("index")))
        if element.tag.endswith("StdVariableRef") and element.get("id") in STANDARD_INDEXES:
            indexes.add(STANDARD_INDEXES[element.get("id")])
    for index in sorted(indexes):
        for length in (1, 2, 4):
            record = bytes([index >> 8, index & 0xFF, 0, length]) + bytes(length)
            (output / f"write-{index}-{length}").write_bytes(record + bytes([index >> 8, index & 0xFF, 1, 1, 1]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
