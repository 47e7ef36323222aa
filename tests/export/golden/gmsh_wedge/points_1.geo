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
Point(1) = {0.5, -0.0872387, 1.9981, 1.0};
Point(2) = {0.5, 0.0872387, 1.9981, 1.0};
Point(3) = {0.5, 0, 0, 1.0};
Point(4) = {0.5, 0, 0, 1.0};

Spline(1) = {1};

Spline(2) = {2};

Line(3) = {3, 4}; // eixo

Line(4) = {3, 1};
Circle(5) = {1, 3, 2};
Line(6) = {2, 3};
Line Loop(7) = {4, 5, 6};
Plane Surface(8) = {7};

Line(9) = {4, 2};
Circle(10) = {2, 4, 1};
Line(11) = {1, 4};
Line Loop(12) = {9, 10, 11};
Plane Surface(13) = {12};

Line Loop(14) = {1, -10, -2, -5};
Surface(15) = {14};

Line Loop(15) = {3, -11, -1, -4};
Plane Surface(16) = {15};

Line Loop(16) = {3, 9, -2, 6};
Plane Surface(17) = {16};

