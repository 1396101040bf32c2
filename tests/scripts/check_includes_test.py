#!/usr/bin/env python3
"""The include check on a scratch copy of src/: the tree as it is passes, and each way of breaking
the folders' one-way order (one line added to one file) fails with its own message."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "scripts" / "check_includes.py"

# (what is broken, file changed or added under src/, line added at its top, words of the failure)
BREAKS = [
    ("an upward include", "engine/game_state.h", '#include "screen/board.h"',
     "include runs upward: engine/game_state.h -> screen/board.h"),
    ("an upward include from the bottom folder", "rules/category_prices.cpp", '#include "app/command_line.h"',
     "include runs upward: rules/category_prices.cpp -> app/command_line.h"),
    ("a loop between two folders", "engine/game_state.cpp", '#include "persist/settings.h"',
     "folders include each other: engine -> persist -> engine"),
    ("a core file including a Qt adapter of its own folder", "screen/layout.cpp",
     '#include "screen/qt_main_window.h"',
     "Qt adapter included outside a qt_* file or app/: screen/layout.cpp -> screen/qt_main_window.h"),
    ("a Qt header in the core", "engine/game_state.cpp", "#include <QString>",
     "Qt header outside a qt_* file or app/: engine/game_state.cpp"),
    ("a folder with no level", "widgets/dial.h", '#include "rules/category_prices.h"',
     "folder has no level in check_includes.py: widgets/"),
]


def run_check(src: pathlib.Path) -> subprocess.CompletedProcess:
    return subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)


class IncludeCheckTest(unittest.TestCase):
    def setUp(self):
        self.scratch = pathlib.Path(tempfile.mkdtemp(prefix="yacht-includes."))
        self.src = self.scratch / "src"
        shutil.copytree(ROOT / "src", self.src)

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def test_the_tree_as_it_is_passes(self):
        result = run_check(self.src)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("includes run one way", result.stdout)

    def test_each_break_fails_with_its_reason(self):
        for what, name, line, reason in BREAKS:
            with self.subTest(what):
                file = self.src / name
                before = file.read_text(encoding="utf-8") if file.exists() else None
                file.parent.mkdir(parents=True, exist_ok=True)
                file.write_text(line + "\n" + (before or ""), encoding="utf-8")
                try:
                    result = run_check(self.src)
                    self.assertEqual(result.returncode, 1, result.stdout)
                    self.assertIn(reason, result.stderr)
                finally:
                    if before is None:
                        file.unlink()
                    else:
                        file.write_text(before, encoding="utf-8")

    def test_a_missing_source_root_is_refused(self):
        result = run_check(self.scratch / "nothing-here")
        self.assertEqual(result.returncode, 2)


if __name__ == "__main__":
    unittest.main()
