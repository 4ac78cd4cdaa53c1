// Angles about the vertical axis: held as single-precision radians, written in level files
// and compared in the track rules as whole degrees.
#pragma once

// Radians from degrees: degrees x pi / 180 worked in double precision with pi the
// single-precision value 3.1415927, stored as a float (0 stays exactly 0).
float DegreesToAngle(double degrees);

// Back to degrees with the same pi, rounded to the nearest whole degree. Kept as a double so
// that absurd angles from a level file compare as "no known angle" instead of overflowing.
double AngleToWholeDegrees(float angle);
