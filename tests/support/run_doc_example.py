#!/usr/bin/env python3
"""Runs the Python example of a documentation page as it stands.

Usage: run_doc_example.py PAGE.md DORVAN_CLI
The page's first ```csv block is written as airways.csv and its first
```python block as build_mine.py into an empty folder, and the script runs
there with DORVAN_CLI set. It must succeed and print one 'NAME: worst WBGT
X °C at Y m' line per row of the table."""

import os
import re
import subprocess
import sys
import tempfile


def block(page, language):
    found = re.search(r"```" + language + r"\n(.*?)```", page, re.S)
    if not found:
        sys.exit(f"no {language} block in the page")
    return found.group(1)


def main(page_path, cli):
    with open(page_path, encoding="utf-8") as f:
        page = f.read()
    table, script = block(page, "csv"), block(page, "python")
    names = [line.split(",")[0] for line in table.strip().splitlines()[1:]]
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "airways.csv"), "w", encoding="utf-8") as f:
            f.write(table)
        with open(os.path.join(folder, "build_mine.py"), "w", encoding="utf-8") as f:
            f.write(script)
        env = dict(os.environ, DORVAN_CLI=os.path.abspath(cli))
        run = subprocess.run([sys.executable, "build_mine.py", "airways.csv"], cwd=folder, env=env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f"the example failed ({run.returncode}):\n{run.stderr}")
        lines = run.stdout.splitlines()
        pattern = re.compile(r"^(.*): worst WBGT (\d+\.\d\d) °C at (\d+) m$")
        matches = [pattern.match(line) for line in lines]
        if len(lines) != len(names) or not all(matches):
            sys.exit("unexpected output:\n" + run.stdout)
        for name, match in zip(names, matches):
            if match.group(1) != name or not 10 < float(match.group(2)) < 50:
                sys.exit(f"unexpected line for {name}: {match.group(0)}")
        if not os.path.exists(os.path.join(folder, "mine.zt2")):
            sys.exit("the example made no document")
        print(run.stdout, end="")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
