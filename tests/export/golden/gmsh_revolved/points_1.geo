// [parametros]
// Rt=1 cm
// epsilon=10
// Lf=80 %
// thetan=25 graus
// thetas=11 graus
// nota=perfil à mão, células
// [resultados]
// R1=1 cm
// lengf=30 cm
Point(1) = {0.5, 0.0872387, 1.9981, 1.0};
Point(2) = {0.5, 0, 0, 1.0};
Point(3) = {0.5, 0, 0, 1.0};

Spline(1) = {1};

Line(2) = {3, 2}; // eixo

Line(3) = {3, 1};
Line(4) = {1, 2};

Line Loop(5) = {4, -2, 3, -1};
Plane Surface(6) = {5};
Extrude {{1, 0, 0}, {0, 0, 0}, Pi/36} {
  Surface{6};
}
Delete { Volume{1}; }
Surface Loop(24) = {23, 14, 22, 6, 18};
Volume(25) = {24};

