// The effects measure every angle in degrees.
#pragma once

#include <cmath>

inline float SinDeg(float degrees) { return std::sin(degrees * 0.017453292519943295f); }
inline float CosDeg(float degrees) { return std::cos(degrees * 0.017453292519943295f); }
