// ComparingAnimation: draws the frames of the looping "Comparing files..." animation.
#pragma once

#include "PaletteImage.h"

#include <vector>

// Two pages of text side by side; a yellow bar runs down both pages and the
// rows it has passed light up in the difference colours, then it starts over.
std::vector<PaletteImage> DrawComparingAnimation();
