// The entry's picture, painted in by sixteen brush strokes. It is composed in three 230 x 190
// regions of the work surface: A holds the picture, B the strokes painted so far, C the result.
// A stroke mask is black where the brush has not been and RGB(1, 0, 0) where it has; B is
// drawn over C keyed on that colour, so the picture shows through the strokes and the rest of
// C turns black, which is the key of the final copy.
#include <algorithm>

#include "frame/frame.h"
#include "menu/title_menu.h"
#include "menu/title_state.h"

namespace {

constexpr int kAX = 0, kAY = 190, kBX = 230, kBY = 190, kCX = 230, kCY = 0;
constexpr int kPictureW = 230, kPictureH = 190;
constexpr Colour kStrokeKey = 0x000001;  // RGB(1, 0, 0)
constexpr int kStrokes = 16;
constexpr int kStrokeWidth[kStrokes] = {65, 94, 82, 94, 84, 84, 70, 100, 70, 84, 64, 88, 57, 76, 58, 85};
constexpr int kStrokeStart[kStrokes] = {58, -5, 95, 14, 110, 32, 110, 37, 136, 64, 152, 90, 172, 116, 193, 133};

// ORs a strip of the mask into region B at the same column, as the brush lays paint on paint.
// Columns outside the mask have no paint to give and are left out.
void paintStrip(Surface* work, const Surface* mask, int column, int width) {
    const int from = std::max(column, 0), to = std::min({column + width, mask->width, kPictureW});
    const int rows = std::min({kPictureH, mask->height, work->height - kBY});
    if (from >= to || kBX + to > work->width) return;
    for (int y = 0; y < rows; ++y) {
        const uint32_t* paint = mask->row(y);
        uint32_t* onto = work->row(kBY + y) + kBX;
        for (int x = from; x < to; ++x) onto[x] |= paint[x];
    }
}

// The picture's regions lie side by side in the one work surface and never overlap, so they are
// copied row by row within it (a copy through the blits would first duplicate the whole surface).
void copyRegion(Surface* work, int fromX, int fromY, int toX, int toY) {
    if (work->width < kBX + kPictureW || work->height < kAY + kPictureH) return;
    for (int y = 0; y < kPictureH; ++y) {
        const uint32_t* from = work->row(fromY + y) + fromX;
        std::copy(from, from + kPictureW, work->row(toY + y) + toX);
    }
}

// B over C, leaving out the brush's colour: the picture stays where the strokes have been.
void coverUnpainted(Surface* work) {
    if (work->width < kBX + kPictureW || work->height < kBY + kPictureH) return;
    const uint32_t key = colourToPixel(kStrokeKey);
    for (int y = 0; y < kPictureH; ++y) {
        const uint32_t* strokes = work->row(kBY + y) + kBX;
        uint32_t* result = work->row(kCY + y) + kCX;
        for (int x = 0; x < kPictureW; ++x) result[x] = strokes[x] == key ? result[x] : strokes[x];
    }
}

void paintStroke(TitleState& t) {
    const int i = static_cast<int>(t.brushProgress / 6.25);
    const int within = t.brushProgress - static_cast<int>(i * 6.25);
    const int speed = static_cast<int>(kStrokeWidth[i] / 6.25 * (i % 2 == 0 ? -1 : 1));
    const int column = kStrokeStart[i] + speed * within;
    const Surface* mask = t.pictures[kTitleEntries + i].get();
    if (mask) paintStrip(t.work.get(), mask, column, std::abs(speed));
}

}  // namespace

void paintPicture(int scrollTop) {
    TitleState& t = *title;
    Surface* work = t.work.get();
    if (t.pictureFade != 0) t.pictureFade -= 1;
    if (t.pictureFade == 0 && t.brushProgress == 0) {
        const TitleMenuEntry& entry = titleMenu(t.cursor);
        stretchBlit(work, kAX, kAY, kPictureW, kPictureH, t.pictures[t.cursor].get(), entry.pictureX, entry.pictureY,
                    entry.pictureW, entry.pictureH);
        fillBlack(work, kBX, kBY, kPictureW, kPictureH);
    }
    if (t.pictureFade == 0 && t.brushProgress < 100) t.brushProgress += 1;
    copyRegion(work, kAX, kAY, kCX, kCY);
    if (t.brushProgress < 100) paintStroke(t);
    coverUnpainted(work);
    Surface* screen = app.backBuffer.get();
    if (t.pictureFade != 0) {
        blendBlit(screen, 314, scrollTop + 168, kPictureW, kPictureH, work, kCX, kCY, kPictureW, kPictureH,
                  static_cast<int16_t>(t.pictureFade), kBlack);
    } else {
        transparentBlit(screen, 314, scrollTop + 168, kPictureW, kPictureH, work, kCX, kCY, kPictureW, kPictureH,
                        kBlack);
    }
}
