#include "picture_scale.h"

#include <algorithm>
#include <cmath>

PictureSize FitPicture(PictureSize picture, int width, int height) {
    if (picture.width <= 0 || picture.height <= 0) return {width, height};
    const long long tall = static_cast<long long>(width) * picture.height / picture.width;
    if (tall <= height) return {width, static_cast<int>(tall)};
    return {static_cast<int>(static_cast<long long>(height) * picture.width / picture.height), height};
}

PictureSize PrintPixels(PictureSize picture, int width, int height, int unitsPerInch) {
    if (picture.width <= 0 || picture.height <= 0 || unitsPerInch <= 0) return picture;
    const double wanted = std::max(static_cast<double>(width) * kPictureDpi / unitsPerInch / picture.width,
                                   static_cast<double>(height) * kPictureDpi / unitsPerInch / picture.height);
    if (wanted >= 1) return picture;
    return {std::max(1, static_cast<int>(std::lround(picture.width * wanted))),
            std::max(1, static_cast<int>(std::lround(picture.height * wanted)))};
}
