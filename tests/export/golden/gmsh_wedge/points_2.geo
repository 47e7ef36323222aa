// [parametros]
// Rt=1 cm
// epsilon=10
// Lf=80 %
// thetan=25 graus
// thetas=11 graus
// [resultados]
// R1=1 cm
// lengf=30 cm
Point(1) = {-1.25, -0.130858, 2.99714, 1.0};
Point(2) = {-1.25, 0.130858, 2.99714, 1.0};
Point(3) = {4.5, -0.109048, 2.49762, 1.0};
Point(4) = {4.5, 0.109048, 2.49762, 1.0};
Point(5) = {-1.25, 0, 0, 1.0};
Point(6) = {4.5, 0, 0, 1.0};

Spline(1) = {1,3};

Spline(2) = {2,4};

Line(3) = {5, 6}; // eixo

Line(4) = {5, 1};
Circle(5) = {1, 5, 2};
Line(6) = {2, 5};
Line Loop(7) = {4, 5, 6};
Plane Surface(8) = {7};

Line(9) = {6, 4};
Circle(10) = {4, 6, 3};
Line(11) = {3, 6};
Line Loop(12) = {9, 10, 11};
Plane Surface(13) = {12};

Line Loop(14) = {1, -10, -2, -5};
Surface(15) = {14};

Line Loop(15) = {3, -11, -1, -4};
Plane Surface(16) = {15};

Line Loop(16) = {3, 9, -2, 6};
Plane Surface(17) = {16};

