// The hand-authored sources in content/pictures: the one palette every picture draws from
// (palette.txt) and pixel-art grids (sprites/*.txt) that the picture families stamp.
#pragma once

#include <string>

#include "image.h"

namespace pg {

// Reads palette.txt and every sprites/*.txt under dir; exits with a message on a bad file.
void loadSources(const std::string& dir);

// A named colour of the palette; a name missing from palette.txt ends the tool.
Colour pal(const std::string& name);
// A named pixel-art grid; a missing one ends the tool.
const Image& sprite(const std::string& name);
bool hasSprite(const std::string& name);

}  // namespace pg
