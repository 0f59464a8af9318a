// The still parts of the stage's picture, each drawn from a prepared picture where the rules
// allow it, with exactly the pixels of the plain copies:
// - The gear frame of a still room is the turned blit at angle 0: the same picture every frame
//   for one size of room, so it is laid out once per size and copied run by run.
// - The far background and the castle are colour-keyed copies of a window of a large picture;
//   unstretched (a 640 x 480 window) they are copied run by run from the runs of their
//   pictures, found once. The star field lies between the two, so they are not merged into one
//   picture; but nothing is drawn where a picture drawn later covers it whole: the far
//   background under the castle, both under the still gears and under the cells whose tiles
//   are opaque (the stars drawn there are covered too). Every full-screen layer costs a pass
//   over the screen's memory, which is most of a frame's time.
#include "stage/backdrop.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "frame/frame.h"
#include "stage/camera.h"
#include "stage/stage_slots.h"
#include "stage/stars.h"
#include "stage/world.h"

StageDrawing stageDrawing = StageDrawing::Prepared;

namespace {

constexpr int kScreenW = 640, kScreenH = 480;
// Gears larger than this (a room of more than about 30 x 30 cells) are turned every frame rather
// than kept, and no more than this many sizes are kept.
constexpr int64_t kLargestKeptGear = int64_t{1} << 20;
constexpr size_t kKeptGearSizes = 4;

// The loader keeps the windows' places within reach; held there here as well, a place off
// every picture stays a place off the picture rather than an out-of-range conversion.
int place(float v) { return static_cast<int>(std::clamp(v, -1.0e9f, 1.0e9f)); }

const KeyedRuns& runsOf(const Surface& picture, const Surface*& foundIn, KeyedRuns& runs) {
    if (foundIn != &picture || runs.width != picture.width || runs.height != picture.height) {
        runs = findKeyedRuns(picture, colourToPixel(kMagenta));
        foundIn = &picture;
    }
    return runs;
}

// The gear frame laid out for a w x h rectangle, laid out now when it is not yet (and not too
// large to keep); null when there is none.
const UprightPicture* gearFor(int w, int h, bool layOut) {
    std::vector<UprightPicture>& gears = world.prepared.gears;
    const Surface* gear = world.gearFrame.get();
    if (!gears.empty() && gears.front().source != gear) gears.clear();  // another gear picture
    for (const UprightPicture& laid : gears)
        if (laidOutFor(laid, gear, 0, 0, 320, 320, w, h, kMagenta)) return &laid;
    UprightPicture laid;
    if (!layOut || !layUpright(laid, gear, 0, 0, 320, 320, w, h, kMagenta, kLargestKeptGear)) return nullptr;
    if (gears.size() >= kKeptGearSizes) gears.erase(gears.begin());
    gears.push_back(std::move(laid));
    return &gears.back();
}

// The star field between the far background and the castle, turning and twinkling with its
// clock.
void drawStars() {
    Backdrop& b = world.backdrop;
    if (b.starsOn != 1) return;
    drawStarField(app.backBuffer.get(), 13, b.starClock, 0.1, b.starX, b.starY, kScreenW, kScreenH, 1000, 1200, 8);
    if (++b.starClock > 100000000) b.starClock = 0;
}

// One gear to draw: where, how large, turned by how much, and its prepared picture when still.
struct Gear {
    int x, y, w, h, angle;
    const UprightPicture* still;
};

std::vector<Gear> gearsInView() {
    std::vector<Gear> gears;
    if (!world.gearFrame) return gears;
    const float cx = camera->x, cy = camera->y;
    for (const Room& room : world.rooms) {
        const int w = room.width * kCellSize, h = room.height * kCellSize;
        if (!(room.originX - 32 < cx + 640 && cx < room.originX + w + 32 && room.originY - 32 < cy + 480 &&
              cy < room.originY + h + 32))
            continue;
        // The gear behind the room turns the other way while the room turns.
        Gear g{static_cast<int>(room.originX - 32 - cx), static_cast<int>(room.originY - 32 - cy), w + 64, h + 64,
               -room.turnAngle, nullptr};
        if (g.angle == 0 && stageDrawing == StageDrawing::Prepared) gearFor(g.w, g.h, true);
        gears.push_back(g);
    }
    // Found once all are laid out, as laying one out may move the others (or, with more sizes
    // in view than are kept, let one go: that one is turned).
    for (Gear& g : gears)
        if (g.angle == 0 && stageDrawing == StageDrawing::Prepared) g.still = gearFor(g.w, g.h, false);
    return gears;
}

}  // namespace

namespace {

// What is known of the squares of a sheet; a sheet not seen before takes the place of the one
// seen first.
StagePictures::OpaqueSquares& squaresOf(const Surface& sheet) {
    StagePictures::OpaqueSquares* all = world.prepared.squares;
    StagePictures::OpaqueSquares* found = nullptr;
    for (int i = 0; i < 4 && !found; ++i)
        if (all[i].sheet == &sheet || !all[i].sheet) found = &all[i];
    if (!found) {
        std::move(all + 1, all + 4, all);
        found = &all[3];
        found->sheet = nullptr;
    }
    const size_t squares = static_cast<size_t>(sheet.width / kCellSize) * static_cast<size_t>(sheet.height / kCellSize);
    if (found->sheet != &sheet || found->known.size() != squares) {
        found->sheet = &sheet;
        found->known.assign(squares, 0);
    }
    return *found;
}

bool keyFree(const Surface& sheet, int sx, int sy) {
    const uint32_t key = colourToPixel(kMagenta);
    for (int y = sy; y < sy + kCellSize; ++y) {
        const uint32_t* row = sheet.row(y) + sx;
        if (std::find(row, row + kCellSize, key) != row + kCellSize) return false;
    }
    return true;
}

}  // namespace

bool squareCoversWhole(const Surface* sheet, int sx, int sy) {
    if (!sheet || sx < 0 || sy < 0 || sx > sheet->width - kCellSize || sy > sheet->height - kCellSize) return false;
    if (sx % kCellSize != 0 || sy % kCellSize != 0) return keyFree(*sheet, sx, sy);
    StagePictures::OpaqueSquares& known = squaresOf(*sheet);
    int8_t& square = known.known[static_cast<size_t>(sy / kCellSize) * static_cast<size_t>(sheet->width / kCellSize) +
                                 static_cast<size_t>(sx / kCellSize)];
    if (square == 0) square = keyFree(*sheet, sx, sy) ? 1 : -1;
    return square > 0;
}

void drawStageBackground() {
    Backdrop& b = world.backdrop;
    StagePictures& prepared = world.prepared;
    Surface* screen = app.backBuffer.get();
    const std::vector<Gear> gears = gearsInView();
    const float cx = camera->x, cy = camera->y;
    const bool pictures = b.mode == 1;
    const Surface* back = b.back.get();
    const Surface* castle = b.castle.get();
    // The far background moves with a tenth of the camera's speed, the castle with an eighth.
    const int backX = place(b.backX + cx / 10), backY = place(b.backY + cy / 10);
    const int castleX = place(b.castleX + cx / 8), castleY = place(b.castleY + cy / 8);
    const bool byRuns = stageDrawing == StageDrawing::Prepared && screen && b.viewW == kScreenW && b.viewH == kScreenH;

    if (pictures && byRuns && (back || castle)) {
        // What the cells and the still gears will cover, and with the castle, what that covers.
        CoverMask& underCastle = prepared.underCastle;
        underCastle.reset(screen->width, screen->height);
        if (stageSlots.coverCells) stageSlots.coverCells(underCastle);
        std::vector<int64_t> gearsFor{screen->width, screen->height, reinterpret_cast<intptr_t>(world.gearFrame.get())};
        for (const Gear& g : gears)
            if (g.still) gearsFor.insert(gearsFor.end(), {g.x, g.y, g.w, g.h, reinterpret_cast<intptr_t>(g.still)});
        if (gearsFor != prepared.gearCoverFor) {
            prepared.gearCover.reset(screen->width, screen->height);
            for (const Gear& g : gears)
                if (g.still) coverUpright(prepared.gearCover, g.x, g.y, *g.still);
            prepared.gearCoverFor = std::move(gearsFor);
        }
        underCastle.add(prepared.gearCover);
        const KeyedRuns* castleRuns = castle ? &runsOf(*castle, prepared.castle, prepared.castleRuns) : nullptr;
        if (back) {
            CoverMask& underBack = prepared.underBack;
            underBack = underCastle;
            if (castleRuns) {
                const std::vector<int64_t> castleFor{screen->width, screen->height, castleX, castleY,
                                                     reinterpret_cast<intptr_t>(castle)};
                if (castleFor != prepared.castleCoverFor) {
                    prepared.castleCover.reset(screen->width, screen->height);
                    prepared.castleCover.cover(*castleRuns, 0, 0, kScreenW, kScreenH, castleX, castleY);
                    prepared.castleCoverFor = castleFor;
                }
                underBack.add(prepared.castleCover);
            }
            copyKeyedRunsUncovered(screen, 0, 0, kScreenW, kScreenH, *back,
                                   runsOf(*back, prepared.back, prepared.backRuns), backX, backY, underBack);
        }
        drawStars();
        if (castleRuns)
            copyKeyedRunsUncovered(screen, 0, 0, kScreenW, kScreenH, *castle, *castleRuns, castleX, castleY,
                                   underCastle);
    } else {
        if (pictures && back)
            transparentBlit(screen, 0, 0, kScreenW, kScreenH, back, backX, backY, b.viewW, b.viewH, kMagenta);
        drawStars();
        if (pictures && castle)
            transparentBlit(screen, 0, 0, kScreenW, kScreenH, castle, castleX, castleY, b.viewW, b.viewH, kMagenta);
    }

    for (const Gear& g : gears) {
        if (g.still)
            drawUpright(screen, g.x, g.y, *g.still);
        else
            rotateBlit(screen, g.x, g.y, g.w, g.h, world.gearFrame.get(), 0, 0, 320, 320, g.angle, kMagenta);
    }
}
