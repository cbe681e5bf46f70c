"""Writes data/VLP/page*.vlp from the page descriptions beside this file.

    python3 tools/layout/build.py
"""
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
OUT = os.path.join(HERE, "..", "..", "data", "VLP")

PAGES = ["page0", "page7", "page15", "page16"]


def main():
    os.makedirs(OUT, exist_ok=True)
    for name in PAGES:
        if not os.path.exists(os.path.join(HERE, name + ".py")):
            continue
        page = importlib.import_module(name).build()
        path = os.path.join(OUT, name + ".vlp")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(page.xml())
        print(path)


if __name__ == "__main__":
    main()
