#!/usr/bin/env python3
"""Packs files into a zip that is the same, byte for byte, for the same input:

    make-zip.py OUT.zip EPOCH FILE...

The entries keep the order given, all carry the time EPOCH (seconds, UTC) and
plain Windows attributes, and nothing of the packing machine (owner, mode,
extra time fields) goes in."""
import sys
import time
import zipfile


def main(out, epoch, files):
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # zip times start in 1980
    with zipfile.ZipFile(out, "w") as archive:
        for path in files:
            entry = zipfile.ZipInfo(path.rsplit("/", 1)[-1], date_time=stamp)
            entry.create_system = 0  # MS-DOS attributes, as a Windows packer writes
            entry.external_attr = 0x20  # "archive", nothing else
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
