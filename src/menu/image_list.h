// The image-list builder of the menus: a list of strings turned into surfaces. A string is either
// a picture's name ("insert/ins1", loaded as "bmp/insert/ins1.bmp") or a text entry
// ">,W,H,text" that becomes a W x H black surface with the text drawn on it in the bitmap font.
// The title builds its entry pictures and brush masks with it, the world select its whole screen.
#pragma once

#include <span>
#include <vector>

#include "gfx/surface.h"

// The size a text entry was made at.
struct ImageSize {
    int width = 0;
    int height = 0;
};

// The unsigned decimal number at the start of text, read up to the stop character, a non-digit
// or the end; -1 when text is null, empty, starts with the stop character or with a non-digit.
// A number too long for an int stays at the largest int.
int readDecimalField(const char* text, char stop);

// One surface per string, in the strings' order. The strings are handled from the last to the
// first; each text entry first lowers startIndex by one and stores its size in sizes[startIndex],
// so text entries fill the size records from the end backwards. A text entry whose index falls
// outside sizes keeps its surface but stores no size.
//
// A text entry's width or height that cannot be read shows "width設定値エラー" /
// "height設定値エラー" and becomes 0; an entry with a zero side becomes a 32 x 32 surface with
// "NULL" in the system font, and its size is 32 x 32. The text is drawn at cell size 20 with the
// font's top-left pixel as the colour key.
//
// Reading a text entry moves the caller's string pointer past each comma it reads, so that it is
// left at the entry's text. A picture that cannot be loaded ends the program (loadSurface).
std::vector<SurfacePtr> buildImageList(std::span<const char*> strings, std::span<ImageSize> sizes,
                                       int startIndex, const Surface* font);
