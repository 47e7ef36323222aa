// Persistence of Vision Ray Tracer Scene Description File
// File: nozzle1.pov
// Vers: 3.6
// Desc: Basic Scene Example
// Date: mm/dd/yy
// Auth: Zelto Nozzle Generator vers 1.0
//

#version 3.6;

#include "colors.inc"

global_settings {
  assumed_gamma 1.0
}

// ----------------------------------------

camera {
location  <0.0, 0.5, -4.0>
  direction 1.5*z
  right     x*image_width/image_height
  look_at   <0.0, 0.0,  0.0>
}

sky_sphere {
  pigment {
    gradient y
    color_map {
      [0.0 rgb <0.6,0.7,1.0>]
      [0.7 rgb <0.0,0.1,0.8>]
    }
  }
}

light_source {
  <0, 0, 0>            // light's position (translated below)
  color rgb <1, 1, 1>  // light's color
  translate <-30, 30, -30>
}

plane {
  y, -1
  pigment { color rgb <0.7,0.5,0.3> }
}

// ----------------------------------------
// [parametros]
// Rt=1 cm
// epsilon=10
// Lf=80 %
// thetan=25 graus
// thetas=11 graus
// [resultados]
// R1=1 cm
// lengf=30 cm
// ----------------------------------------
/*
	spline 4 5 ((30 0.0436194 0.999048) (29 0.0436194 0.999048) 
	(28 0.0436194 0.999048) (27 0.0436194 0.999048) (26 0.0436194 0.999048) 
	(25 0.0436194 0.999048) (24 0.0436194 0.999048) (23 0.0436194 0.999048) 
	(22 0.0436194 0.999048) (21 0.0436194 0.999048) (20 0.0436194 0.999048) 
	(19 0.0436194 0.999048) (18 0.0436194 0.999048) (17 0.0436194 0.999048) 
	(16 0.0436194 0.999048) (15 0.0436194 0.999048) (14 0.0436194 0.999048) 
	(13 0.0436194 0.999048) (12 0.0436194 0.999048) (11 0.0436194 0.999048) 
	)
*/
