// The camera's states and glide, the dust puffs' slots, and the star field.
#include <gtest/gtest.h>

#include <cmath>

#include "app/app.h"
#include "stage/effects.h"
#include "stage/stage_fixture.h"
#include "stage/stars.h"

namespace {

using namespace stagetest;

class CameraTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        display.mode = 0;
        createCamera();
    }
};

TEST_F(CameraTest, SmallRoomsAreCentred) {
    Room& r = buildRoom(walledRoom(10), 448, 32);
    putPlayer(36, 264);
    updateCamera();
    EXPECT_FLOAT_EQ(camera->x, 448 + 160 - 320);
    EXPECT_FLOAT_EQ(camera->y, 32 + 160 - 240);
    EXPECT_EQ(camera->state, &cameraFollow);

    // A turn: the view orbits the room's centre, which is the screen's centre, so it stays put.
    r.turnState = 1;
    r.turnAngle = -30;
    updateCamera();
    EXPECT_EQ(camera->state, &cameraOrbit);
    EXPECT_EQ(camera->savedState, &cameraFollow);
    EXPECT_EQ(camera->orbitRadius, 0);
    EXPECT_FLOAT_EQ(camera->x, 448 + 160 - 320);
    r.turnState = 0;
    r.turnAngle = 0;
    updateCamera();
    EXPECT_EQ(camera->state, &cameraFollow);
}

TEST_F(CameraTest, LargeRoomsFollowThePlayerWithinOneCellOfTheBorder) {
    buildRoom(walledRoom(40), 0, 0);
    putPlayer(600, 600);
    updateCamera();
    EXPECT_FLOAT_EQ(camera->x, 600 - 308);
    EXPECT_FLOAT_EQ(camera->y, 600 - 228);
    putPlayer(40, 40);
    updateCamera();
    EXPECT_FLOAT_EQ(camera->x, -32);
    EXPECT_FLOAT_EQ(camera->y, -32);
    putPlayer(1260, 1260);
    updateCamera();
    EXPECT_FLOAT_EQ(camera->x, 1280 - 608);
    EXPECT_FLOAT_EQ(camera->y, 1280 - 448);
}

TEST_F(CameraTest, LargeRoomsOrbitTheirCentreDuringATurn) {
    Room& r = buildRoom(walledRoom(40), 0, 0);
    putPlayer(900, 640);
    camera->x = 740;  // screen centre (1060, 640): 420 right of the room's centre
    camera->y = 400;
    camera->state = cameraOrbit;  // already orbiting: nothing to set up
    camera->savedState = cameraFollow;
    camera->orbitCentreX = 640;
    camera->orbitCentreY = 640;
    camera->orbitAngle = 0;
    camera->orbitRadius = 420;
    r.turnState = 1;
    r.turnAngle = -90 + 3;
    updateCamera();
    const double a = (360 - 87) * 3.14159265358979 / 180;
    EXPECT_FLOAT_EQ(camera->x, static_cast<float>(640 + static_cast<int>(std::cos(a) * 420) - 320));
    EXPECT_FLOAT_EQ(camera->y, static_cast<float>(640 + static_cast<int>(std::sin(a) * 420) - 240));
}

TEST_F(CameraTest, OrbitSetUpFromTheScreenCentre) {
    Room& r = buildRoom(walledRoom(40), 0, 0);
    putPlayer(900, 640);
    camera->x = 740;
    camera->y = 400;
    r.turnState = 3;
    r.turnAngle = 0;
    camera->state = [] {};  // a state that does not move the view
    updateCamera();
    EXPECT_EQ(camera->state, &cameraOrbit);
    EXPECT_EQ(camera->orbitCentreX, 640);
    EXPECT_EQ(camera->orbitAngle, 0);
    EXPECT_EQ(camera->orbitRadius, 420);
    EXPECT_FLOAT_EQ(camera->x, 740);
}

TEST_F(CameraTest, GlideCoversATenthOfTheWayAndArrivesWithinAPixel) {
    buildRoom(walledRoom(10), 0, 0);
    world.rooms.resize(2);
    Room& target = world.rooms[1];
    target.width = target.height = 10;
    target.originX = 640;
    world.targetRoom = 1;
    camera->x = -160;
    camera->y = -80;
    camera->override = cameraGlide;
    updateCamera();
    EXPECT_EQ(camera->glidePhase, 1);
    EXPECT_FLOAT_EQ(camera->x, -160) << "no movement in the first frame";
    EXPECT_FLOAT_EQ(camera->glideTargetX, 480);
    updateCamera();
    EXPECT_NEAR(camera->x, -160 + 64, 1e-3);
    int frames = 2;
    while (camera->override && frames < 200) {
        updateCamera();
        ++frames;
    }
    EXPECT_EQ(camera->glidePhase, 2);
    EXPECT_EQ(camera->override, nullptr);
    EXPECT_LT(std::fabs(camera->x - 480), 1.0f);
    EXPECT_LT(std::fabs(camera->y - -80), 1.0f);
    EXPECT_GT(frames, 55);
    EXPECT_LT(frames, 70);
}

class EffectTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        display.mode = 0;
        world.effects.assign(kEffectSlots, Effect{});
    }
};

TEST_F(EffectTest, PuffsTakeTheLowestFreeSlotAndLiveNineteenDraws) {
    spawnEffect(10, 20, 1);
    spawnEffect(30, 40, 0);
    EXPECT_EQ(world.effects[0].x, 10);
    EXPECT_EQ(world.effects[0].kind, 1);
    EXPECT_EQ(world.effects[1].y, 40);
    world.effects[0].active = 0;
    spawnEffect(50, 60, 0);
    EXPECT_EQ(world.effects[0].x, 50);
    int drawn = 0;
    for (int i = 0; i < 30; ++i) {
        stepEffects();
        drawn += world.effects[0].active;
    }
    EXPECT_EQ(drawn, 19);
}

TEST_F(EffectTest, AHundredPuffsFillTheSlotsAndTheNextIsDropped) {
    for (int i = 0; i < kEffectSlots; ++i) spawnEffect(i, 0, 0);
    EXPECT_EQ(activePuffs(), 100);
    const std::vector<Effect> before = world.effects;
    spawnEffect(999, 999, 1);
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(world.effects[i].x, before[i].x);
}

TEST_F(EffectTest, APuffIsDrawnOnlyWhenItsCornerBoxIsInView) {
    app.backBuffer = createSurface(640, 480);
    fillSurface(app.backBuffer.get(), kBlack);
    world.effectSheet = createSurface(240, 96);
    fillSurface(world.effectSheet.get(), 0x404040);
    createCamera();
    camera->x = 100;
    camera->y = 0;
    spawnEffect(60, 100, 0);  // 40 left of the view: 8 of its 48 pixels would show
    stepEffects();
    drawEffects();
    EXPECT_EQ(readPixel(app.backBuffer.get(), 2, 110), kBlack);
    spawnEffect(70, 100, 0);  // its 32-pixel box reaches 2 pixels into the view
    stepEffects();
    drawEffects();
    EXPECT_NE(readPixel(app.backBuffer.get(), 2, 110), kBlack);
    releaseSurface(app.backBuffer);
}

// The program's generator, for predicting the star field.
struct Generator {
    uint32_t state;
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

TEST(StarField, ShadesOfTheSixRamps) {
    EXPECT_EQ(starShade(0, 0), 0x222222u);
    EXPECT_EQ(starShade(0, 13), 0xFFFFFFu);
    EXPECT_EQ(starShade(1, 2), 0x004400u);
    EXPECT_EQ(starShade(2, 1), 0x330000u);
    EXPECT_EQ(starShade(3, 1), 0x033330u);
    EXPECT_EQ(starShade(5, 13), 0xFFFF00u);
}

TEST(StarField, OneStarAtItsPredictedPlaceAndShade) {
    display.mode = 0;
    display.width = 640;
    display.height = 480;
    SurfacePtr target = createSurface(640, 480);
    fillSurface(target.get(), kBlack);
    // One star (n = 0, size 2): its numbers follow the seed exactly.
    Generator g{13};
    g.next();
    int r[4];
    for (int& v : r) v = g.next();
    r[0] = g.next();
    const int a = r[0] % 360, d = r[1] % 200;
    const int clock = 57;
    const double base = clock * 0.1 * 0.017259;
    const int x = 320 + static_cast<int>(std::cos(a * 0.017259 + base) * d);
    const int y = 240 + static_cast<int>(std::sin(a * 0.017259 + base) * d);
    int t = (r[2] - clock) % 17 - 8;  // bits 3: M = 8, period 17
    if (t < 0) t = -t - 1;
    t = (t & 4 || t & 8) ? 3 : t & 3;
    int b = t - (4 - 5);
    if (b < 0) b = 0;
    const int c = r[3] % 6;

    drawStarField(target.get(), 13, clock, 0.1, 320, 240, 640, 480, 1, 200, 3);
    EXPECT_EQ(readPixel(target.get(), x, y), starShade(c, b));
    const Colour arm = b > 0 ? starShade(c, b - 1) : kBlack;
    EXPECT_EQ(readPixel(target.get(), x + 1, y), arm);
    EXPECT_EQ(readPixel(target.get(), x, y - 1), arm);
    EXPECT_EQ(readPixel(target.get(), x + 2, y), kBlack) << "a star of size 2 has arms of one pixel";
}

TEST(StarField, SameSeedSamePictureAndTheGeneratorIsReseeded) {
    display.mode = 0;
    display.width = 640;
    display.height = 480;
    SurfacePtr first = createSurface(640, 480), second = createSurface(640, 480);
    fillSurface(first.get(), kBlack);
    fillSurface(second.get(), kBlack);
    const int clock = 100;
    drawStarField(first.get(), 13, clock, 0.1, 320, 240, 640, 480, 1000, 1200, 8);
    const int afterFirst = nextRandom();
    drawStarField(second.get(), 13, clock, 0.1, 320, 240, 640, 480, 1000, 1200, 8);
    EXPECT_EQ(first->pixels, second->pixels);
    int lit = 0;
    for (uint32_t p : first->pixels) lit += p != 0;
    EXPECT_GT(lit, 50);
    seedRandom(13);
    nextRandom();
    int expectedIfNotReseeded = 0;
    for (int i = 0; i < 1005; ++i) expectedIfNotReseeded = nextRandom();
    EXPECT_NE(afterFirst, expectedIfNotReseeded);
}

}  // namespace
