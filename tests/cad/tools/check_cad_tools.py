#!/usr/bin/python3
"""Designs the initial nozzle with bellnozzle, writes every CAD export and the
rendered picture, and checks each with a reader that is not bellnozzle's:
  DXF   ezdxf reads it strictly, its audit finds 0 errors and makes 0 fixes,
        the wall's vertices are the profile points in millimetres;
  SVG   a strict XML parser reads it, the wall path is the points at 1:1;
  STEP  gmsh FILE -0 reads it without an error;
  PNG   povray rendered it; decoded here, the nozzle's colour fills the
        pixels whose rays hit the wall (marched here through the solid of
        revolution) and the sky every pixel whose rays miss it.
usage: check_cad_tools.py BELLNOZZLE WORKDIR"""
import math
import os
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
import zlib

import ezdxf

bellnozzle, work = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, file=sys.stderr)


def run(*args):
    done = subprocess.run([bellnozzle, *args], cwd=work, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"bellnozzle {' '.join(args)} failed: {done.stderr}")
    return dict(line.split("=", 1) for line in done.stdout.splitlines())


def profile_points():
    lines = open(os.path.join(work, "zelto_perfil.txt")).read().split("[perfil]\n")[1].split("\n")
    return [(float(f[1]) * 10, float(f[2]) * 10) for f in (line.split() for line in lines) if len(f) == 3]


def close(a, b, tolerance=1e-6):
    return abs(a - b) <= tolerance * max(1.0, abs(b))


def check_dxf(points, body):
    path = os.path.join(work, f"{body}.dxf")
    run("cad", "--format", "dxf", "--body", body, "--out", path)
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(len(auditor.errors) == 0 and len(auditor.fixes) == 0,
          f"DXF {body}: audit {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")
    walls = [e for e in doc.modelspace() if e.dxftype() == "POLYLINE" and e.dxf.layer == "PAREDE"]
    check(len(walls) == 1, f"DXF {body}: {len(walls)} wall polylines")
    vertices = [(v.dxf.location.x, v.dxf.location.y) for v in walls[0].vertices]
    check(len(vertices) == len(points) and all(close(a[0], b[0]) and close(a[1], b[1])
                                               for a, b in zip(vertices, points)),
          f"DXF {body}: the wall's vertices are not the profile points")
    kinds = sorted(e.dxftype() + ":" + e.dxf.layer for e in doc.modelspace())
    expected = ["LINE:EIXO", "POLYLINE:PAREDE"]
    if body == "shell":
        expected = ["LINE:EIXO", "LINE:EXTREMOS", "LINE:EXTREMOS", "POLYLINE:PAREDE", "POLYLINE:PAREDE_EXTERNA"]
    check(kinds == expected, f"DXF {body}: entities {kinds}")


def check_svg(points):
    path = os.path.join(work, "nozzle.svg")
    run("cad", "--format", "svg")
    root = ElementTree.parse(path).getroot()
    ns = {"svg": "http://www.w3.org/2000/svg"}
    wall = root.find(".//svg:path[@id='wall']", ns)
    check(wall is not None, "SVG: no wall path")
    pairs = [p.split(",") for p in wall.get("d").replace("M ", "").split(" L ")]
    drawn = [(float(x), -float(y)) for x, y in pairs]
    check(len(drawn) == len(points) and all(close(a[0], b[0]) and close(a[1], b[1]) for a, b in zip(drawn, points)),
          "SVG: the wall path is not the profile points at 1:1")
    check(root.get("width").endswith("mm") and float(root.get("width")[:-2]) == float(root.get("viewBox").split()[2]),
          "SVG: the page is not at 1:1 in millimetres")


def check_step():
    folder = os.path.join(work, "gmsh")
    os.makedirs(folder, exist_ok=True)
    for body in ("flow", "shell"):
        path = os.path.join(folder, f"{body}.step")
        run("cad", "--format", "step", "--body", body, "--out", path)
        done = subprocess.run(["gmsh", path, "-0"], cwd=folder, capture_output=True, text=True)
        errors = [line for line in (done.stdout + done.stderr).splitlines() if "Error" in line]
        check(done.returncode == 0 and not errors, f"STEP {body}: gmsh -0 status {done.returncode} {errors[:3]}")


def read_png(path):
    data = open(path, "rb").read()
    check(data[:8] == b"\x89PNG\r\n\x1a\n", "PNG: no PNG signature")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour = header[:4]
    channels = {2: 3, 6: 4}[colour]
    step = channels * depth // 8
    raw = zlib.decompress(idat)
    stride = width * step
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b = previous[i]
            c = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        previous = line
    byte = depth // 8  # the high byte of each sample is enough to tell colours apart
    return width, height, lambda x, y: tuple(rows[y][x * step + k * byte] for k in range(3))


def vector(text):
    return [float(v) for v in text.strip().strip("<>").split(",")]


def check_render(points, thickness=2.0):
    result = run("render", "--width", "160", "--height", "120")
    width, height, pixel = read_png(os.path.join(work, result["file"]))
    check((width, height) == (160, 120), f"PNG: {width}x{height}")
    scene = open(os.path.join(work, result["scene"])).read()
    camera = scene[scene.index("camera {"):]
    location = vector(camera.split("location ")[1].split("\n")[0])
    look_at = vector(camera.split("look_at ")[1].split("\n")[0])
    angle = float(camera.split("angle ")[1].split("\n")[0])

    # The outer wall: the points moved along the normal between their
    # neighbours, the ends kept in the planes of the wall's ends.
    outer = []
    for i, (x, r) in enumerate(points):
        (ax, ar), (bx, br) = points[max(i - 1, 0)], points[min(i + 1, len(points) - 1)]
        length = math.hypot(bx - ax, br - ar)
        outer.append((x - thickness * (br - ar) / length, r + thickness * (bx - ax) / length))
    outer[0] = (points[0][0], outer[0][1] + (points[0][0] - outer[0][0]) * (points[1][1] - points[0][1]) /
                (points[1][0] - points[0][0]))
    outer[-1] = (points[-1][0], outer[-1][1] + (points[-1][0] - outer[-1][0]) * (points[-1][1] - points[-2][1]) /
                 (points[-1][0] - points[-2][0]))

    def radius(line, x):
        for (x1, r1), (x2, r2) in zip(line, line[1:]):
            if x1 <= x <= x2:
                return r1 + (r2 - r1) * (x - x1) / (x2 - x1)
        return None

    def inside(p):
        x, r = p[0], math.hypot(p[1], p[2])
        if not points[0][0] <= x <= points[-1][0]:
            return False
        return radius(points, x) <= r <= radius(outer, x)

    # POV-Ray's camera: direction at look_at, right = sky x direction with
    # the picture's aspect, up = direction x right, field of view "angle".
    def sub(a, b): return [a[i] - b[i] for i in range(3)]
    def cross(a, b): return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]]
    def unit(a):
        n = math.sqrt(sum(v * v for v in a))
        return [v / n for v in a]
    direction = unit(sub(look_at, location))
    right = [v * width / height for v in unit(cross([0, 1, 0], direction))]
    up = unit(cross(direction, right))
    depth = 0.5 * (width / height) / math.tan(math.radians(angle) / 2)
    centre_x = 0.5 * (points[0][0] + points[-1][0])
    sphere = math.hypot(0.5 * (points[-1][0] - points[0][0]), max(r for _, r in outer))
    distance = math.dist(location, [centre_x, 0, 0])

    def hits(px, py):
        u, v = (px + 0.5) / width - 0.5, 0.5 - (py + 0.5) / height
        ray = unit([depth * direction[i] + u * right[i] + v * up[i] for i in range(3)])
        t = distance - sphere
        while t < distance + sphere:
            if inside([location[i] + t * ray[i] for i in range(3)]):
                return True
            t += thickness / 4
        return False

    def colour(px, py):
        r, g, b = pixel(px, py)
        return "nozzle" if r > b + 30 else "sky" if b > r + 30 else "other"

    checked = wrong = nozzle_pixels = 0
    for py in range(4, height - 4, 8):
        for px in range(4, width - 4, 8):
            around = {hits(px + dx, py + dy) for dx, dy in ((0, 0), (-2, 0), (2, 0), (0, -2), (0, 2))}
            if len(around) != 1:
                continue  # on the silhouette
            checked += 1
            expected = "nozzle" if around.pop() else "sky"
            nozzle_pixels += expected == "nozzle"
            if colour(px, py) != expected:
                wrong += 1
                print(f"pixel ({px}, {py}) is {pixel(px, py)}, expected {expected}", file=sys.stderr)
    check(wrong == 0 and checked > 200 and nozzle_pixels > 20,
          f"PNG: {wrong} of {checked} pixels wrong ({nozzle_pixels} on the nozzle)")


shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
run("design")
points = profile_points()
for body in ("flow", "shell"):
    check_dxf(points, body)
check_svg(points)
check_step()
check_render(points)
sys.exit(1 if failures else 0)
