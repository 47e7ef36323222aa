"""The module's design, points, summary and profile file against the command's."""
import json
import os
import tempfile
import unittest
import warnings

import bellnozzle

import command

# diameter, length, epsilon, method and gamma; texts as given to the command.
# Inside the chart, at its corners, extrapolated below it (with a note), the
# reference cone, and the designs by the method of characteristics.
DESIGNS = [
    ("5.0", "80", "10", "chart", None),
    ("3.7", "60", "25.5", "chart", None),
    ("0.8", "100", "50", "chart", None),
    ("12.25", "70", "3.3", "chart", None),
    ("5.0", None, "10", "cone", None),
    ("2.2", None, "1.5", "cone", None),
    ("5.0", None, "10", "ideal", "1.4"),
    ("1.5", None, "40", "ideal", "1.2"),
    ("5.0", "80", "10", "tic", "1.4"),
    ("4.0", "70", "25", "tic", "1.3"),
    ("5.0", "80", "10", "parabola", "1.4"),
    ("5.0", "80", "10", "toc", "1.25"),
]


def command_design_args(diameter, length, epsilon, method, gamma):
    args = ["--diameter", diameter, "--epsilon", epsilon, "--method", method]
    return args + (["--length", length] if length else []) + (["--gamma", gamma] if gamma else [])


def module_design(diameter, length, epsilon, method, gamma):
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        return bellnozzle.design(diameter=float(diameter), length=float(length or 80), epsilon=float(epsilon),
                                 method=method, gamma=float(gamma or 1.4))


class DesignTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.commands_folder = tempfile.TemporaryDirectory()
        cls.by_command = {case: cls.command_profile(case) for case in DESIGNS}

    @classmethod
    def tearDownClass(cls):
        cls.commands_folder.cleanup()

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    @classmethod
    def command_profile(cls, case):
        """The profile file the command writes and what it prints; None, and
        the refusal, for a design it refuses."""
        folder = cls.commands_folder.name
        status, out, err = command.run(["design", "--dir", folder, *command_design_args(*case)])
        if status != 0:
            return None, err
        with open(os.path.join(folder, "zelto_perfil.txt"), "rb") as file:
            return file.read(), (dict(line.split("=", 1) for line in out.splitlines()), err)

    def test_profile_file_angles_and_notes_equal_the_commands(self):
        """Every method gives the command's file, or its refusal."""
        for case in DESIGNS:
            with self.subTest(case=case):
                expected, printed = self.by_command[case]
                if expected is None:
                    with self.assertRaises(bellnozzle.Error) as raised:
                        module_design(*case)
                    self.assertEqual(f"bellnozzle: {raised.exception}\n", printed)
                    continue
                printed, notes = printed
                with warnings.catch_warnings(record=True) as warned:
                    warnings.simplefilter("always")
                    design = bellnozzle.design(diameter=float(case[0]), length=float(case[1] or 80),
                                               epsilon=float(case[2]), method=case[3], gamma=float(case[4] or 1.4))
                self.assertEqual(design.profile_text.encode("latin-1"), expected)
                folder = os.path.join(self.folder.name, "module")
                os.makedirs(folder, exist_ok=True)
                written = design.write_profile(folder)
                self.assertEqual(written, os.path.join(folder, "zelto_perfil.txt"))
                with open(written, "rb") as file:
                    self.assertEqual(file.read(), expected)
                self.assertEqual(design.theta_n, float(printed["theta_n"]))
                self.assertEqual(design.theta_s, float(printed["theta_s"]))
                self.assertEqual(design.points.shape[0], int(printed["points"]))
                self.assertEqual(design.method, case[3])
                self.assertEqual("".join(f"bellnozzle: note: {note}\n" for note in design.notes), notes)
                self.assertEqual([str(w.message) for w in warned], design.notes)

    def test_points_are_the_point_lines_of_the_file(self):
        for case in DESIGNS:
            with self.subTest(case=case):
                expected, _ = self.by_command[case]
                if expected is None:
                    continue
                lines = expected.decode("latin-1").split("[perfil]\n", 1)[1].splitlines()
                rows = [[float(value) for value in line.split()[1:3]] for line in lines if line.strip()]
                points = module_design(*case).points
                self.assertEqual(points.dtype.name, "float64")
                self.assertEqual(points.shape, (len(rows), 2))
                self.assertEqual(points.tolist(), rows)

    def test_summary_equals_the_commands_json(self):
        flows = [{}, {"gamma": 1.2, "p0_bar": 70.0, "pa_bar": 0.0}, {"gamma": 1.67, "p0_bar": 3.5, "pa_bar": 2.0}]
        for case in [DESIGNS[0], DESIGNS[3], DESIGNS[4], DESIGNS[6]]:
            folder = self.folder.name
            design = module_design(*case)
            design.write_profile(folder)
            for flow in flows:
                with self.subTest(case=case, flow=flow):
                    options = {"gamma": "--gamma", "p0_bar": "--p0", "pa_bar": "--pa"}
                    args = ["summary", "--json"]
                    for key, value in flow.items():
                        args += [options[key], repr(value)]
                    # In the folder, so that a message names the profile as the module does.
                    self.assertEqual(design.summary(**flow), command.run_json(args, cwd=folder))

    def test_a_profile_read_back_gives_the_same_figures(self):
        design = module_design(*DESIGNS[1])
        path = design.write_profile(self.folder.name)
        loaded = bellnozzle.load_profile(path)
        self.assertIsNone(loaded.method)
        self.assertEqual(loaded.profile_text, design.profile_text)
        self.assertEqual(loaded.points.tolist(), design.points.tolist())
        self.assertEqual(loaded.summary(pa_bar=0.5),
                         command.run_json(["summary", "--json", "--pa", "0.5", "--dir", self.folder.name]))


class AnalyzeTest(unittest.TestCase):
    def test_analysis_equals_the_commands_json_or_its_refusal(self):
        options = {"gamma": "--gamma", "p0_bar": "--p0", "pa_bar": "--pa", "characteristics": "--characteristics"}
        runs = [{}, {"pa_bar": 0.0}, {"gamma": 1.2, "p0_bar": 70.0, "pa_bar": 0.5}, {"characteristics": 15}]
        for case in [DESIGNS[0], DESIGNS[2], DESIGNS[4], DESIGNS[8]]:
            design = module_design(*case)
            with tempfile.TemporaryDirectory() as folder:
                design.write_profile(folder)
                for run in runs:
                    with self.subTest(case=case, run=run):
                        args = ["analyze", "--json"]
                        for key, value in run.items():
                            args += [options[key], repr(value)]
                        status, out, _ = command.run(args, cwd=folder)
                        if status == 0:
                            self.assertEqual(design.analyze(**run), json.loads(out))
                        else:
                            with self.assertRaises(bellnozzle.Error) as raised:
                                design.analyze(**run)
                            self.assertEqual(str(raised.exception), command.refusal(args, cwd=folder))


class RefusalTest(unittest.TestCase):
    """A refused input raises bellnozzle.Error with the command's message, and
    nothing is written."""

    def test_refused_designs_carry_the_commands_messages(self):
        refused = [
            ("0", "80", "10", "chart", None),
            ("-2", "80", "10", "chart", None),
            ("5", "75", "10", "chart", None),
            ("5", "80", "0.5", "chart", None),
            ("5", None, "1.05", "cone", None),
            ("5", None, "10", "ideal", "1.7"),
            ("5", "80", "10", "tic", "1"),
        ]
        with tempfile.TemporaryDirectory() as folder:
            for case in refused:
                with self.subTest(case=case):
                    message = command.refusal(["design", "--dir", folder, *command_design_args(*case)])
                    with self.assertRaises(bellnozzle.Error) as raised:
                        module_design(*case)
                    self.assertEqual(str(raised.exception), message)
                    self.assertIsInstance(raised.exception, ValueError)
                    self.assertTrue(raised.exception.portuguese)
            self.assertEqual(os.listdir(folder), [])

    def test_refused_flow_conditions_carry_the_commands_messages(self):
        design = bellnozzle.design()
        with tempfile.TemporaryDirectory() as folder:
            design.write_profile(folder)
            for flow, args in [({"gamma": 1.0}, ["--gamma", "1"]), ({"p0_bar": 0.0}, ["--p0", "0"]),
                               ({"pa_bar": -1.0}, ["--pa", "-1"]), ({"gamma": float("nan")}, None)]:
                for name, figures in [("summary", design.summary), ("analyze", design.analyze)]:
                    with self.subTest(flow=flow, command=name):
                        with self.assertRaises(bellnozzle.Error) as raised:
                            figures(**flow)
                        if args:
                            self.assertEqual(str(raised.exception),
                                             command.refusal([name, "--dir", folder, *args]))

    def test_refused_characteristics_carry_the_commands_messages(self):
        design = bellnozzle.design()
        with tempfile.TemporaryDirectory() as folder:
            design.write_profile(folder)
            for count in [1, -3, 100001]:  # the command's range is narrower, and named in its message
                with self.subTest(count=count):
                    with self.assertRaises(bellnozzle.Error) as raised:
                        design.analyze(characteristics=count)
                    self.assertEqual(str(raised.exception),
                                     command.refusal(["analyze", "--dir", folder, "--characteristics", str(count)]))
                    with self.assertRaises(bellnozzle.Error):
                        bellnozzle.sweep(characteristics=count)

    def test_unknown_method_and_missing_profile(self):
        with self.assertRaises(bellnozzle.Error) as raised:
            bellnozzle.design(method="bell")
        self.assertEqual(str(raised.exception), command.refusal(["design", "--method", "bell"]).split("\n")[0])
        self.assertIn(", ".join(bellnozzle.METHODS[:-1]) + " or " + bellnozzle.METHODS[-1], str(raised.exception))
        with tempfile.TemporaryDirectory() as folder:
            missing = os.path.join(folder, "zelto_perfil.txt")
            with self.assertRaises(bellnozzle.Error) as raised:
                bellnozzle.load_profile(missing)
            self.assertEqual(str(raised.exception), command.refusal(["blockmesh", "--dir", folder]))

    def test_wrong_types_are_type_errors(self):
        for kwargs in [{"diameter": "5.0"}, {"method": 3}, {"epsilon": None}]:
            with self.subTest(kwargs=kwargs):
                with self.assertRaises(TypeError):
                    bellnozzle.design(**kwargs)


if __name__ == "__main__":
    unittest.main()
