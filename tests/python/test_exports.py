"""The module's exports against the command's files, byte for byte."""
import os
import re
import tempfile
import unittest

import bellnozzle

import command


def read(path):
    with open(path, "rb") as file:
        return file.read()


def without_time_stamp(step):
    """A STEP file without the time it was written (its FILE_NAME record) and
    the number OpenCASCADE gives each product a process writes ('nozzle 2')."""
    lines = (line for line in step.split(b"\n") if not line.startswith(b"FILE_NAME("))
    return re.sub(rb"'nozzle \d+'", b"'nozzle'", b"\n".join(lines))


class ExportTest(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.by_command = os.path.join(folder.name, "command")
        self.by_module = os.path.join(folder.name, "module")
        os.mkdir(self.by_command)
        os.mkdir(self.by_module)

    def check_designs(self, exports):
        """exports: (name, command arguments, call on a design, file name)."""
        designs = [(["--diameter", "3.7", "--length", "60", "--epsilon", "25.5"],
                    bellnozzle.design(diameter=3.7, length=60, epsilon=25.5)),
                   (["--conical", "--diameter", "5", "--epsilon", "8"],
                    bellnozzle.design(diameter=5, epsilon=8, method="cone"))]
        for design_args, design in designs:
            command.run_ok(["design", "--dir", self.by_command, *design_args])
            for name, args, export, file_name in exports:
                with self.subTest(design=design_args, export=name):
                    command.run_ok([*args, "--dir", self.by_command])
                    written = export(design, self.by_module)
                    self.assertEqual(written, os.path.join(self.by_module, file_name))
                    expected = read(os.path.join(self.by_command, file_name))
                    if file_name.endswith(".step"):
                        self.assertEqual(without_time_stamp(read(written)), without_time_stamp(expected))
                    else:
                        self.assertEqual(read(written), expected)
        self.assertNotIn("zelto_perfil.txt", os.listdir(self.by_module))

    def test_the_windows_exports_equal_the_commands(self):
        self.check_designs([
            ("blockmesh", ["blockmesh"], lambda d, f: d.blockmesh(f), "blockMeshDict.txt"),
            ("blockmesh 40x8", ["blockmesh", "--nx", "40", "--ny", "8"],
             lambda d, f: d.blockmesh(f, nx=40, ny=8), "blockMeshDict.txt"),
            ("gmsh", ["gmsh"], lambda d, f: d.gmsh(f), "mesh.geo"),
            ("gmsh2", ["gmsh2"], lambda d, f: d.gmsh2(f), "mesh.geo"),
            ("povray", ["povray"], lambda d, f: d.povray(f), "nozzle1.pov"),
        ])

    def test_cad_exports_equal_the_commands(self):
        exports = [
            ("dxf", ["cad", "--format", "dxf"], lambda d, f: d.dxf(f), "nozzle.dxf"),
            ("svg flow cm", ["cad", "--format", "svg", "--body", "flow", "--units", "cm"],
             lambda d, f: d.svg(f, body="flow", units="cm"), "nozzle.svg"),
            ("csv 0.08in", ["cad", "--format", "csv", "--units", "in", "--thickness", "0.08"],
             lambda d, f: d.csv(f, units="in", thickness=0.08), "nozzle.csv"),
            ("csv 3mm text", ["cad", "--format", "csv", "--thickness", "3mm"],
             lambda d, f: d.csv(f, thickness="3mm"), "nozzle.csv"),
        ]
        if hasattr(bellnozzle.Design, "stl"):
            exports += [
                ("stl", ["cad", "--format", "stl"], lambda d, f: d.stl(f), "nozzle.stl"),
                ("step flow", ["cad", "--format", "step", "--body", "flow"],
                 lambda d, f: d.step(f, body="flow"), "nozzle.step"),
            ]
        self.check_designs(exports)

    def test_refused_exports_write_nothing(self):
        design = bellnozzle.design()
        profile = design.write_profile(self.by_module)
        cases = [
            ("over the profile", lambda: design.csv(self.by_module, out=profile), "is the profile file"),
            ("a folder that is not there", lambda: design.povray(os.path.join(self.by_module, "no", "such")),
             "nozzle1.pov"),
            ("thickness 0", lambda: design.dxf(self.by_module, thickness=0), "thickness"),
            ("unit", lambda: design.svg(self.by_module, units="ft"), "ft"),
            ("body", lambda: design.svg(self.by_module, body="solid"), "solid"),
        ]
        for name, export, words in cases:
            with self.subTest(name):
                with self.assertRaisesRegex(bellnozzle.Error, words):
                    export()
                self.assertEqual(os.listdir(self.by_module), ["zelto_perfil.txt"])
                self.assertEqual(read(profile), design.profile_text.encode("latin-1"))

    def test_messages_equal_the_commands(self):
        design = bellnozzle.design()
        design.write_profile(self.by_command)
        for args, export in [(["--units", "ft"], lambda: design.csv(self.by_module, units="ft")),
                             (["--thickness", "-1"], lambda: design.csv(self.by_module, thickness=-1))]:
            with self.subTest(args=args):
                with self.assertRaises(bellnozzle.Error) as raised:
                    export()
                message = command.refusal(["cad", "--format", "csv", "--dir", self.by_command, *args])
                self.assertEqual(str(raised.exception), message)


if __name__ == "__main__":
    unittest.main()
