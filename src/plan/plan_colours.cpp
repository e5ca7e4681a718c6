#include "plan_colours.h"

namespace plan {

Rgb LevelColour(Level level) {
    switch (level) {
        case Level::kCritical:
            return {229, 57, 53};
        case Level::kToCorrect:
            return {251, 140, 0};
        case Level::kToImprove:
            return {253, 216, 53};
        case Level::kNotEssential:
            return {67, 160, 71};
        case Level::kNotValued:
            break;
    }
    return {158, 158, 158};
}

bool LevelTextIsLight(Level level) {
    return level == Level::kCritical || level == Level::kNotEssential;
}

Rgb LevelTint(Level level) {
    const Rgb rgb = LevelColour(level);
    auto tint = [](int channel) { return channel + (255 - channel) * 3 / 5; };
    return {tint(rgb.red), tint(rgb.green), tint(rgb.blue)};
}

}  // namespace plan
