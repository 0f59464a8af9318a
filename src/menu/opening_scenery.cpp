// The opening's scenery shared with the title: its pictures, its path tables, the parts of its
// motion that carry on under the title, and the drawing of the sky, slopes and sprites.
#include "menu/opening_scenery.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "base/data_reader.h"
#include "frame/frame.h"

OpeningState opening;

namespace {

// "data/titledata.txt" holds the walker's x steps as integers ("%d"), then the two tables of
// real steps ("%f"). A value that cannot be read ends the reading, and what follows stays unread.
// A step beyond any screen is no step of a path either.
constexpr double kLargestStep = 100000;

bool readStep(DataReader& file, int& value) {
    return file.number(value) && value >= -kLargestStep && value <= kLargestStep;
}

bool readStep(DataReader& file, float& value) {
    std::string_view word;
    if (!file.word(word)) return false;
    const std::string text(word);
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !(number >= -kLargestStep && number <= kLargestStep)) return false;
    value = static_cast<float>(number);
    return true;
}

template <typename T>
int readTable(DataReader& file, T* table) {
    int read = 0;
    for (T value{}; read < kPathValuesRead && readStep(file, value);) table[read++] = value;
    return read;
}

// Where a table loops: the place of its -999 among the values read; 0 (stand still) without one.
template <typename T>
int loopPoint(const T* table, int read) {
    for (int i = 0; i < read; ++i)
        if (table[i] == static_cast<T>(kPathEnd)) return i;
    return 0;
}

}  // namespace

void loadScenery() {
    SceneryPictures& p = opening.pictures;
    p.sky = loadSurface("bmp/bg.bmp");
    p.walker = loadSurface("bmp/g0.bmp");
    p.spinner = loadSurface("bmp/g1.bmp");
    p.castle = loadSurface("bmp/castle1-3.bmp");
    p.slope = loadSurface("bmp/hakaba1-2.bmp");
    p.banner = loadSurface("bmp/skipstart.bmp");
    p.logo = loadSurface("bmp/titlerogo3.bmp");
    p.sweat = loadSurface("bmp/ase.bmp");
}

void releaseScenery() { opening.pictures = SceneryPictures{}; }

bool readOpeningPaths(const char* path, OpeningPaths& paths) {
    paths = OpeningPaths{};
    DataReader file;
    if (!file.open(path)) return false;
    // The numbers stand in one stream: each table is read only when the one before it was read
    // whole.
    const int walkerX = readTable(file, paths.walkerX);
    const int walkerY = walkerX == kPathValuesRead ? readTable(file, paths.walkerY) : 0;
    const int spinnerY = walkerY == kPathValuesRead ? readTable(file, paths.spinnerY) : 0;
    paths.walkerXLoopAt = loopPoint(paths.walkerX, walkerX);
    paths.walkerYLoopAt = loopPoint(paths.walkerY, walkerY);
    paths.spinnerYLoopAt = loopPoint(paths.spinnerY, spinnerY);
    return true;
}

OpeningRecords newOpeningRecords(const char* path) {
    OpeningRecords records;
    records.scenery = std::make_unique<OpeningScenery>();
    records.walker = std::make_unique<WalkerSprite>();
    records.spinner = std::make_unique<SpinnerSprite>();
    records.paths = std::make_unique<OpeningPaths>();
    readOpeningPaths(path, *records.paths);
    return records;
}

void turnSprites(WalkerSprite& walker, SpinnerSprite& spinner) {
    walker.frame = (walker.frame + 1) % 4;
    spinner.angle -= 30;
    if (spinner.angle < 0) spinner.angle = 359;
}

void moveSky(OpeningScenery& s) {
    s.skyX1 += 0.25f;
    if (s.skyX1 > 640) s.skyX1 = -640;
    s.skyX2 += 0.25f;
    s.skyX3 += 0.25f;
    if (s.skyX2 > 640) s.skyX2 = s.skyX3 = -640;
}

void moveCastle(OpeningScenery& s) {
    if (s.stage != 1 && !s.ready) return;
    if (!s.ready) {
        s.castleX += 10;
        s.castleY = static_cast<float>(280 - s.castleX * 0.125);
    } else {
        s.castleX = 70;
        s.castleY = 271.25f;
    }
    if (s.castleX >= 220) s.stage = 2;
}

void moveSlopes(OpeningScenery& s) {
    s.slope1X += 6;
    s.slope1Y -= 1;
    if (s.slope1X > 640) {
        s.slope1X = s.slope2X - 876;
        s.slope1Y = 613;
    }
    s.slope2X += 6;
    s.slope2Y -= 1;
    if (s.slope2X > 640) {
        s.slope2X = s.slope1X - 876;
        s.slope2Y = 617;
    }
}

void walkAlongPath(WalkerSprite& walker, const OpeningPaths& paths) {
    const int i = walker.pathIndex;
    const int dx = pathStep(paths.walkerX, paths.walkerXLoopAt, i);
    const float dy = pathStep(paths.walkerY, paths.walkerYLoopAt, i);
    if (walker.direction == 1) {
        walker.x += dx;
        walker.y -= dy;
    } else {
        walker.x -= dx;
        walker.y += dy;
    }
}

void advanceWalkerPath(WalkerSprite& walker, const OpeningPaths& paths) {
    if (paths.walkerXLoopAt == 0) return;  // a path that stands still
    walker.pathIndex += 1;
    if (walker.pathIndex >= paths.walkerXLoopAt) {
        walker.direction = -walker.direction;
        walker.pathIndex = 0;
    }
}

void bobSpinner(SpinnerSprite& spinner, const OpeningPaths& paths) {
    spinner.y -= pathStep(paths.spinnerY, paths.spinnerYLoopAt, spinner.pathIndex);
    if (paths.spinnerYLoopAt == 0) return;
    spinner.pathIndex += 1;
    if (spinner.pathIndex >= paths.spinnerYLoopAt) spinner.pathIndex = 0;
}

void continueScenery(OpeningRecords& records) {
    OpeningScenery& s = *records.scenery;
    // The spinner's angle goes on turning by 30 a frame; kept within a turn, the picture is the
    // same and the number never runs out.
    turnSprites(*records.walker, *records.spinner);
    moveSky(s);
    moveCastle(s);
    moveSlopes(s);
    walkAlongPath(*records.walker, *records.paths);
    advanceWalkerPath(*records.walker, *records.paths);
    bobSpinner(*records.spinner, *records.paths);
}

void drawSky(Surface* screen, const Surface* sky, const OpeningScenery& s, uint32_t key) {
    auto copy = [&](int x, int w, int sx, int sw) {
        if (key == kKeyNone) {
            stretchBlit(screen, x, 0, w, 480, sky, sx, 0, sw, 200);
        } else {
            transparentBlit(screen, x, 0, w, 480, sky, sx, 0, sw, 200, key);
        }
    };
    copy(static_cast<int>(s.skyX1), 640, 0, 320);
    copy(static_cast<int>(s.skyX2), 640, 0, 320);
    copy(static_cast<int>(s.skyX3), 320, 160, 320);
}

void drawSlopes(Surface* screen, const Surface* slope, const OpeningScenery& s, int dy, uint32_t key) {
    rotateBlitAbout(screen, s.slope1X, s.slope1Y + dy, 896, 200, slope, 0, 0, 448, 100, 350, key, 0, 30);
    rotateBlitAbout(screen, s.slope2X, s.slope2Y + dy, 896, 200, slope, 0, 0, 448, 100, 350, key, 0, 30);
}

void drawWalker(Surface* screen, const Surface* walkerPicture, const WalkerSprite& w, int dy, uint32_t key) {
    rotateBlit(screen, w.x, static_cast<int>(w.y) + dy, 72, 72, walkerPicture, 24 * w.frame, 0, 24, 24, 330, key);
}

void drawSpinner(Surface* screen, const Surface* spinnerPicture, const SpinnerSprite& sp, int dy, uint32_t key) {
    rotateBlitAbout(screen, sp.x, static_cast<int>(sp.y) + dy, 72, 72, spinnerPicture, 0, 0, 24, 24, sp.angle,
                    key, 30, 20);
}
