#!/usr/bin/env python3
"""Writes seed packages for fuzz_package_archive: the sample device as a flat zip, stored and deflated,
and inside a zip. Usage: zipseeds.py SAMPLE_FOLDER OUT_FOLDER"""
import io
import os
import sys
import zipfile


def package(folder, compression):
    data = io.BytesIO()
    with zipfile.ZipFile(data, "w", compression) as archive:
        for name in sorted(os.listdir(folder)):
            archive.write(os.path.join(folder, name), "IODD/" + name)
    return data.getvalue()


def main():
    folder, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    flat = package(folder, zipfile.ZIP_DEFLATED)
    seeds = {"flat.zip": flat, "stored.zip": package(folder, zipfile.ZIP_STORED)}
    nested = io.BytesIO()
    with zipfile.ZipFile(nested, "w", zipfile.ZIP_STORED) as archive:
        archive.writestr("inner.zip", flat)
    seeds["nested.zip"] = nested.getvalue()
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as seed:
            seed.write(data)


if __name__ == "__main__":
    main()
