"""The module's sweep: its lists, its rows, and stopping it."""
import contextlib
import io
import json
import os
import signal
import unittest

import numpy

import bellnozzle

import command

KEYS = {"method", "epsilon", "length_percent", "length_cm", "efficiency", "cf_vacuum", "cf_ambient",
        "separation_x_cm", "error"}


class SweepTest(unittest.TestCase):
    def test_rows_equal_the_commands_json(self):
        runs = [
            {},
            {"diameter": 3.7, "epsilon": "5:50:15", "length": "60,80", "method": "chart,cone", "pa_bar": 0.0},
            {"epsilon": [0.5, 12.5], "length": [75, 90], "method": ["chart"], "gamma": 1.2, "p0_bar": 70.0},
        ]
        options = {"diameter": "--diameter", "epsilon": "--epsilon", "length": "--length", "method": "--method",
                   "gamma": "--gamma", "p0_bar": "--p0", "pa_bar": "--pa"}
        for run in runs:
            with self.subTest(run=run):
                args = ["sweep", "--json"]
                for key, value in run.items():
                    text = value if isinstance(value, str) else ",".join(map(str, value)) \
                        if isinstance(value, list) else repr(value)
                    args += [options[key], text]
                status, out, err = command.run(args)
                self.assertIn(status, (0, 1), err)  # 1: every design refused
                self.assertEqual(bellnozzle.sweep(**run), json.loads(out))

    def test_lists_may_be_numbers_sequences_or_the_commands_text(self):
        expected = bellnozzle.sweep(epsilon="5:15:5", length="60,80")
        for epsilon, length, method in [([5, 10, 15], [60, 80], ["chart", "cone"]),
                                        ((5.0, 10.0, 15.0), "60, 80", ("chart", "cone")),
                                        ("5,10,15", [60.0, 80.0], "chart, cone"),
                                        (numpy.arange(5, 16, 5), numpy.array([60.0, 80.0]), ["chart", "cone"])]:
            with self.subTest(epsilon=epsilon, length=length, method=method):
                self.assertEqual(bellnozzle.sweep(epsilon=epsilon, length=length, method=method), expected)

    def test_rows_come_in_grid_order_with_the_commands_keys(self):
        rows = bellnozzle.sweep(epsilon=[8, 12.5], length=[60, 90], method=["chart", "cone"], pa_bar=0)
        # The cone has a length of its own, the 100 % of the chart: one row per area ratio.
        self.assertEqual([(r["method"], r["epsilon"], r["length_percent"]) for r in rows[:4]],
                         [("chart", 8, 60), ("chart", 8, 90), ("chart", 12.5, 60), ("chart", 12.5, 90)])
        self.assertEqual([(r["method"], r["epsilon"]) for r in rows[4:]], [("cone", 8), ("cone", 12.5)])
        for cone in rows[4:]:
            self.assertAlmostEqual(cone["length_percent"], 100, delta=0.01)
        for row in rows:
            self.assertLessEqual(KEYS, set(row))
            if row["error"] is not None:
                self.assertTrue(all(row[key] is None for key in KEYS - {"method", "epsilon", "length_percent",
                                                                        "error"}), row)

    def test_a_refused_design_is_a_row_and_the_sweep_goes_on(self):
        rows = bellnozzle.sweep(epsilon=[0.5, 12.5], length=[75, 80], method="chart", pa_bar=0.7)
        self.assertEqual(len(rows), 4)
        self.assertIn("75 %", rows[0]["error"])
        self.assertIn("epsilon", rows[1]["error"])
        self.assertIn("75 %", rows[2]["error"])
        self.assertIsNone(rows[3]["error"])
        # The analysed row's figures are those the design's own analysis gives.
        analysis = bellnozzle.design(epsilon=12.5, length=80).analyze(pa_bar=0.7)
        shared = set(rows[3]) & set(analysis)
        self.assertLessEqual({"efficiency", "cf_vacuum", "cf_ambient", "separation_x_cm"}, shared)
        self.assertEqual({key: rows[3][key] for key in shared}, {key: analysis[key] for key in shared})

    def test_refused_requests_raise_before_anything_runs(self):
        cases = [({"epsilon": "5:4:1"}, "--epsilon '5:4:1': the range ends below its start"),
                 ({"epsilon": [5, float("nan")]}, "'nan' is not a finite decimal number"),
                 ({"length": ""}, "--length '': an empty value"),
                 ({"method": ["chart", "bell"]}, "'bell' is no contour method"),
                 ({"gamma": 0.9}, "gamma"),
                 ({"threads": -1}, "thread")]
        for kwargs, words in cases:
            with self.subTest(kwargs=kwargs):
                with self.assertRaisesRegex(bellnozzle.Error, words):
                    bellnozzle.sweep(**kwargs)

    def test_progress_reports_to_a_function_or_as_a_count(self):
        calls = []
        rows = bellnozzle.sweep(epsilon="5:20:5", progress=lambda done, total: calls.append((done, total)))
        self.assertEqual(calls[-1], (len(rows), len(rows)))
        self.assertTrue(all(total == len(rows) and 0 <= done <= total for done, total in calls))
        shown = io.StringIO()
        with contextlib.redirect_stderr(shown):
            bellnozzle.sweep(epsilon="5:20:5", progress=True)
        self.assertTrue(shown.getvalue().endswith(f"\rsweep: {len(rows)} of {len(rows)} designs\n"), shown.getvalue())

    def test_ctrl_c_or_a_failing_progress_function_stops_it_soon(self):
        def interrupt(done, total):
            os.kill(os.getpid(), signal.SIGINT)

        def fail(done, total):
            raise RuntimeError("enough")

        for name, progress, raised in [("Ctrl-C", interrupt, KeyboardInterrupt), ("progress", fail, RuntimeError)]:
            with self.subTest(name):
                calls = []

                def record(done, total):
                    calls.append((done, total))
                    progress(done, total)

                # 90,002 designs take seconds; the first report comes after 0.1 s.
                with self.assertRaises(raised):
                    bellnozzle.sweep(epsilon="5:50:0.001", length=[60, 100], method="chart", threads=1,
                                     progress=record)
                self.assertGreaterEqual(len(calls), 1)
                done, total = calls[0]
                self.assertEqual(total, 90002)
                self.assertLess(done, total)


if __name__ == "__main__":
    unittest.main()
