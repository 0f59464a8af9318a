// Pictures kept across world loads. A world's pictures are taken from the keep when it is
// loaded and given back when it is freed, so that the next world showing them finds them
// decoded and its turned sheets made. A picture is kept by its file, the display's scale and
// what was made of it (tag 0 the picture as decoded, k a sheet turned k quarter turns); it is
// decoded again when the file has changed since (size, place or time of writing), and the
// pictures used longest ago are freed when the keep would take more than the memory allows.
#pragma once

#include <cstddef>
#include <functional>

#include "gfx/surface.h"

// The picture of the file at the display's scale: the one kept when the file has not changed,
// else decoded now (a file that cannot be loaded, or is smaller than the minimum logical size,
// ends the program as loadSheet does). It is the caller's; give it back unchanged with
// keepPicture, or free it.
SurfacePtr takePicture(const char* path, int minimumWidth = 0, int minimumHeight = 0);
// What make() makes of `from`, a picture taken with takePicture (tag names what is made, from 1):
// the one kept if it was made from the same decoding of the same file, else made now.
SurfacePtr takeMade(const Surface& from, int tag, const std::function<SurfacePtr()>& make);
// Gives back a picture taken: kept if it is unchanged, else freed, as is any other surface.
void keepPicture(SurfacePtr& picture);
// The most the keep may hold (it also never holds more than a quarter of the memory still
// available): a smaller limit for a smaller machine; 0 puts back the usual 192 MB.
void limitKeptPictures(size_t bytes);
// Frees every picture kept; those taken stay with their takers, who may still give them back.
void forgetKeptPictures();
// The bytes of the pictures kept and not taken.
size_t keptPictureBytes();
// How many files have been decoded by takePicture since the program started.
int decodedPictureCount();
