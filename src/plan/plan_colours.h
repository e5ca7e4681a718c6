#pragma once

#include "action_plan.h"

// The colour of each intervention level wherever the plan shows one: the fill of the valuation
// icons of the tree (red Muy Deficiente, orange Deficiente, yellow Mejorable, green Aplicado,
// grey Sin Valorar), from the most to the least urgent.
namespace plan {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    int Packed() const { return red << 16 | green << 8 | blue; }  // 0xRRGGBB
};

Rgb LevelColour(Level level);
// A light tint of the level's colour (three parts white to two of it), for a printed cell whose
// black text must stay easy to read.
Rgb LevelTint(Level level);
// Whether text on the level's colour reads better in white than in black.
bool LevelTextIsLight(Level level);

}  // namespace plan
