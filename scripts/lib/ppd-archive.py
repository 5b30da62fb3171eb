#!/usr/bin/env python3
"""Writes every printer description held in a compressed PPD archive program (a CUPS driver
program that carries its PPDs as one xz archive with an index) into a folder, one file each,
without running the program's own command line: the program is loaded as a module for its
index, and the archive is unpacked once instead of once per file.

usage: ppd-archive.py PROGRAM FOLDER    prints the number of files written"""
import base64
import importlib.machinery
import importlib.util
import lzma
import os
import sys


def load_index(program):
    loader = importlib.machinery.SourceFileLoader("ppd_archive_program", program)
    spec = importlib.util.spec_from_loader(loader.name, loader)
    module = importlib.util.module_from_spec(spec)
    loader.exec_module(module)  # defines the index and the archive; runs nothing
    return module.load()


def main():
    program, folder = sys.argv[1], sys.argv[2]
    index = load_index(program)
    archive = lzma.decompress(base64.b64decode(index.pop("ARCHIVE")))
    os.makedirs(folder, exist_ok=True)
    for key, (start, length, _) in index.items():
        name = key.split("/", 1)[-1].replace("/", "_")
        with open(os.path.join(folder, name), "wb") as out:
            out.write(archive[start:start + length])
    print(len(index))


if __name__ == "__main__":
    main()
