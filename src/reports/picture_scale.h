#pragma once

#include "canvas.h"

// How big a picture is printed, and with how many pixels. The layouts measure in units of a
// 600 dpi printer; a picture needs far fewer pixels than that to look sharp on paper, and every
// pixel more is a larger file.
inline constexpr int kLayoutUnitsPerInch = 600;
inline constexpr int kPictureDpi = 150;

// A length on paper in layout units.
constexpr int Millimetres(int mm) {
    return mm * kLayoutUnitsPerInch * 10 / 254;
}

// The size at which a picture is printed within a box of width × height units, keeping its
// proportions: as wide as the box unless that makes it taller than the box.
PictureSize FitPicture(PictureSize picture, int width, int height);

// The pixels with which a picture is drawn into a rectangle of width × height device units on a
// device of unitsPerInch: about kPictureDpi pixels per inch of paper, keeping the picture's
// proportions, never more pixels than the picture has, never none.
PictureSize PrintPixels(PictureSize picture, int width, int height, int unitsPerInch);
