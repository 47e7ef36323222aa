"""The module's design, points, summary and profile file against the command's."""
import json
import os
import tempfile
import unittest

import bellnozzle

import command

# diameter, length, epsilon, method; texts as given to the command. Inside the
# chart, at its corners, extrapolated below it, and the reference cone.
DESIGNS = [
    ("5.0", "80", "10", "chart"),
    ("3.7", "60", "25.5", "chart"),
    ("0.8", "100", "50", "chart"),
    ("12.25", "70", "3.3", "chart"),
    ("5.0", "80", "10", "cone"),
    ("2.2", "90", "1.5", "cone"),
]


def command_design_args(diameter, length, epsilon, method):
    args = ["--diameter", diameter, "--epsilon", epsilon]
    return args + (["--conical"] if method == "cone" else ["--length", length])


def module_design(diameter, length, epsilon, method):
    return bellnozzle.design(diameter=float(diameter), length=float(length), epsilon=float(epsilon),
                             method=method)


class DesignTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def command_profile(self, case):
        folder = os.path.join(self.folder.name, "command")
        os.makedirs(folder, exist_ok=True)
        printed = command.run_ok(["design", "--dir", folder, *command_design_args(*case)])
        with open(os.path.join(folder, "zelto_perfil.txt"), "rb") as file:
            return file.read(), dict(line.split("=", 1) for line in printed.splitlines())

    def test_profile_file_and_angles_equal_the_commands(self):
        for case in DESIGNS:
            with self.subTest(case=case):
                expected, printed = self.command_profile(case)
                design = module_design(*case)
                self.assertEqual(design.profile_text.encode("latin-1"), expected)
                folder = os.path.join(self.folder.name, "module")
                os.makedirs(folder, exist_ok=True)
                written = design.write_profile(folder)
                self.assertEqual(written, os.path.join(folder, "zelto_perfil.txt"))
                with open(written, "rb") as file:
                    self.assertEqual(file.read(), expected)
                self.assertEqual(design.theta_n, float(printed["theta_n"]))
                self.assertEqual(design.theta_s, float(printed["theta_s"]))
                self.assertEqual(design.method, case[3])

    def test_points_are_the_point_lines_of_the_file(self):
        for case in DESIGNS:
            with self.subTest(case=case):
                expected, _ = self.command_profile(case)
                lines = expected.decode("latin-1").split("[perfil]\n", 1)[1].splitlines()
                rows = [[float(value) for value in line.split()[1:3]] for line in lines if line.strip()]
                points = module_design(*case).points
                self.assertEqual(points.dtype.name, "float64")
                self.assertEqual(points.shape, (len(rows), 2))
                self.assertEqual(points.tolist(), rows)

    def test_summary_equals_the_commands_json(self):
        flows = [{}, {"gamma": 1.2, "p0_bar": 70.0, "pa_bar": 0.0}, {"gamma": 1.67, "p0_bar": 3.5, "pa_bar": 2.0}]
        for case in [DESIGNS[0], DESIGNS[3], DESIGNS[4]]:
            folder = os.path.join(self.folder.name, "command")
            self.command_profile(case)
            design = module_design(*case)
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
        for case in [DESIGNS[0], DESIGNS[2], DESIGNS[4]]:
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
            ("0", "80", "10", "chart"),
            ("-2", "80", "10", "chart"),
            ("5", "75", "10", "chart"),
            ("5", "80", "0.5", "chart"),
            ("5", "80", "1.05", "cone"),
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

    def test_unknown_method_and_missing_profile(self):
        with self.assertRaisesRegex(bellnozzle.Error, "'bell' is not one of chart, cone"):
            bellnozzle.design(method="bell")
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
