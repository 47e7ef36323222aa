"""cmake --install puts the module where the system's python3 looks for it,
decided by the prefix given when installing."""
import os
import subprocess
import sys
import sysconfig
import tempfile
import unittest

BUILD = os.environ["BELLNOZZLE_BUILD_DIR"]
CMAKE = os.environ["CMAKE_COMMAND"]
VERSION = f"python{sys.version_info.major}.{sys.version_info.minor}"
SUFFIX = sysconfig.get_config_var("EXT_SUFFIX")


class InstallTest(unittest.TestCase):
    def test_each_prefix_puts_the_module_on_the_path_of_python3(self):
        home = os.path.expanduser("~")
        cases = [
            ("/usr", "/usr/lib/python3/dist-packages"),  # the Debian package
            ("/usr/local", f"/usr/local/lib/{VERSION}/dist-packages"),
            (f"{home}/.local", f"{home}/.local/lib/{VERSION}/site-packages"),  # one user's site folder
        ]
        for prefix, folder in cases:
            with self.subTest(prefix=prefix), tempfile.TemporaryDirectory() as stage:
                subprocess.run([CMAKE, "--install", BUILD, "--prefix", prefix], check=True, capture_output=True,
                               env={**os.environ, "DESTDIR": stage})
                module = stage + folder + "/bellnozzle" + SUFFIX
                self.assertTrue(os.path.isfile(module), module)
                self.assertEqual(os.stat(module).st_mode & 0o777, 0o644)
                imported = subprocess.run(
                    [sys.executable, "-c", "import bellnozzle; print(bellnozzle.__file__, "
                     "bellnozzle.design().points.shape)"],
                    env={**os.environ, "PYTHONPATH": stage + folder}, capture_output=True, text=True)
                self.assertEqual(imported.stdout, f"{module} (53, 2)\n", imported.stderr)

    def test_the_install_paths_are_on_the_system_pythons_path(self):
        """The folders above, as this Debian's python3 lists them (for the
        prefixes whose folders it names)."""
        if sys.executable != "/usr/bin/python3":
            self.skipTest("not the system's python3")
        listed = subprocess.run(["/usr/bin/python3", "-c", "import sys; print('\\n'.join(sys.path))"],
                                capture_output=True, text=True, check=True, env={"PATH": "/usr/bin:/bin"})
        path = listed.stdout.splitlines()
        self.assertIn("/usr/lib/python3/dist-packages", path)
        self.assertIn(f"/usr/local/lib/{VERSION}/dist-packages", path)


if __name__ == "__main__":
    unittest.main()
