// The still parts of the stage's picture: the far background, the star field and the castle
// behind everything, and the gear frame behind each room in view.
#pragma once

struct Surface;

// Onto the back buffer, in this order: the far background (backdrop mode 1), the star field
// (when on; it turns and twinkles with its clock, which this advances), the castle (mode 1),
// and the gear frame behind every room whose box, a cell wider all round, is in view, turning
// the other way while its room turns.
void drawStageBackground();

// Whether the keyed copy of the 32 x 32 device square at (sx, sy) of the sheet covers its whole
// destination: the square lies inside the sheet and none of its pixels is the magenta key.
// Known once per square of each of the world's tile sheets.
bool squareCoversWhole(const Surface* sheet, int sx, int sy);

// How the still parts are drawn. Prepared: from the prepared pictures, run by run, leaving out
// what the pictures drawn later cover; Plain: every picture by its plain copy or turned blit,
// as the rules are written. Both give exactly the same picture; the plain way is kept to
// compare with.
enum class StageDrawing { Prepared, Plain };
extern StageDrawing stageDrawing;
