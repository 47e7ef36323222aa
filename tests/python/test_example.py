"""The example script of docs/ still runs: it sweeps and draws its chart
headless (matplotlib's Agg backend)."""
import os
import subprocess
import sys
import tempfile
import unittest

EXAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "examples", "sweep_plot.py")


class ExampleTest(unittest.TestCase):
    def test_sweep_plot_draws_its_picture(self):
        with tempfile.TemporaryDirectory() as folder, tempfile.TemporaryDirectory() as settings:
            picture = os.path.join(folder, "trade.png")
            done = subprocess.run([sys.executable, EXAMPLE, picture], cwd=folder, capture_output=True, text=True,
                                  env={**os.environ, "MPLBACKEND": "Agg", "MPLCONFIGDIR": settings}, timeout=300)
            self.assertEqual(done.returncode, 0, done.stderr)
            lines = done.stdout.splitlines()
            # Four area ratios: five lengths of the chart's bell and one cone each.
            self.assertEqual(len(lines), 4 * 5 + 4 + 1)
            self.assertEqual(lines[-1], f"picture: {picture}")
            self.assertEqual(os.listdir(folder), ["trade.png"])
            with open(picture, "rb") as file:
                self.assertEqual(file.read(8), b"\x89PNG\r\n\x1a\n")

if __name__ == "__main__":
    unittest.main()
