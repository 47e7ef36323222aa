// [parametros]
// Rt=1 cm
// epsilon=10
// Lf=80 %
// thetan=25 graus
// thetas=11 graus
// [resultados]
// R1=1 cm
// lengf=30 cm
Point(1) = {-1.25, 0.130858, 2.99714, 1.0};
Point(2) = {4.5, 0.109048, 2.49762, 1.0};
Point(3) = {-1.25, 0, 0, 1.0};
Point(4) = {4.5, 0, 0, 1.0};

Spline(1) = {1,2};

Line(2) = {4, 3}; // eixo

Line(3) = {4, 2};
Line(4) = {1, 3};

Line Loop(5) = {4, -2, 3, -1};
Plane Surface(6) = {5};
Extrude {{1, 0, 0}, {0, 0, 0}, Pi/36} {
  Surface{6};
}
Delete { Volume{1}; }
Surface Loop(24) = {23, 14, 22, 6, 18};
Volume(25) = {24};

