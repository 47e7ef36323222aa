// [parametros]
// Rt=1 cm
// epsilon=10
// Lf=80 %
// thetan=25 graus
// thetas=11 graus
// [resultados]
// R1=1 cm
// lengf=30 cm
Point(1) = {-1, -0.0872387, 1.9981, 1.0};
Point(2) = {-1, 0.0872387, 1.9981, 1.0};
Point(3) = {0.5, -0.065429, 1.49857, 1.0};
Point(4) = {0.5, 0.065429, 1.49857, 1.0};
Point(5) = {3, -0.0981436, 2.24786, 1.0};
Point(6) = {3, 0.0981436, 2.24786, 1.0};
Point(7) = {-1, 0, 0, 1.0};
Point(8) = {3, 0, 0, 1.0};

Spline(1) = {1,3,5};

Spline(2) = {2,4,6};

Line(3) = {7, 8}; // eixo

Line(4) = {7, 1};
Circle(5) = {1, 7, 2};
Line(6) = {2, 7};
Line Loop(7) = {4, 5, 6};
Plane Surface(8) = {7};

Line(9) = {8, 6};
Circle(10) = {6, 8, 5};
Line(11) = {5, 8};
Line Loop(12) = {9, 10, 11};
Plane Surface(13) = {12};

Line Loop(14) = {1, -10, -2, -5};
Surface(15) = {14};

Line Loop(15) = {3, -11, -1, -4};
Plane Surface(16) = {15};

Line Loop(16) = {3, 9, -2, 6};
Plane Surface(17) = {16};

