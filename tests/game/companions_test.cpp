// The companions frame by frame: Shelly following, diving after a clear, fading in the hall and
// coming back with the player; the ghosts' swoop over a turn; the display stepping aside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/app.h"
#include "base/json_writer.h"
#include "game/companions.h"
#include "game/game.h"
#include "game/player.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace {

class Companions : public ::testing::Test {
protected:
    void SetUp() override {
        for (int d = 0; d < 360; ++d) {
            sinTable[d] = static_cast<float>(std::sin(d * 3.14159265358979 / 180.0));
            cosTable[d] = static_cast<float>(std::cos(d * 3.14159265358979 / 180.0));
        }
        world.rooms.assign(2, Room{});
        world.roomCount = 2;
        for (Room& room : world.rooms) room.width = room.height = 10;
        world.rooms[1].originX = 384;
        world.currentRoom = world.targetRoom = 0;
        game = GameState{};
        clearResultRecord();
        player = std::make_unique<Player>();
        player->state = playerNormal;
        player->worldX = 300;
        player->worldY = 200;
        player->facing = 0;
        camera = std::make_unique<Camera>();
        resetCompanionRecords();
    }
    void TearDown() override {
        player.reset();
        camera.reset();
        world.rooms.clear();
        world.roomCount = 0;
        game = GameState{};
        clearResultRecord();
    }
};

}  // namespace

TEST_F(Companions, StartValues) {
    const Shelly& s = companions.shelly;
    EXPECT_EQ(s.x, 312);
    EXPECT_EQ(s.y, 232);
    EXPECT_EQ(s.facing, 1);
    EXPECT_EQ(s.opacity, 100);
    EXPECT_EQ(companions.ghosts[0].x, -64);
    EXPECT_EQ(companions.ghosts[1].x, 640);
    EXPECT_EQ(companions.ghosts[0].sheet, 1);
    EXPECT_EQ(companions.ghosts[1].sheet, 0);
    EXPECT_FLOAT_EQ(companions.path.sinPath[90], 100.0f);
    EXPECT_FLOAT_EQ(companions.path.cosPath[0], 440.0f);
    EXPECT_NEAR(companions.path.cosPath[90], 240.0f, 1e-4);
}

TEST_F(Companions, ShellySettlesAboveAStillPlayer) {
    for (int i = 0; i < 300; ++i) updateShelly();
    int lowest = 10000, highest = -10000;
    for (int i = 0; i < 100; ++i) {
        updateShelly();
        lowest = std::min(lowest, companions.shelly.y);
        highest = std::max(highest, companions.shelly.y);
        // Behind the player looking left: she keeps 24 pixels to its right, stopping within the
        // tenth of the distance that no longer moves her.
        EXPECT_GE(companions.shelly.x, 300 + 24 - 9);
        EXPECT_LE(companions.shelly.x, 300 + 24);
    }
    // Bobbing about 10 pixels above the player's top.
    EXPECT_LE(lowest, 190);
    EXPECT_GE(highest, 190);
    EXPECT_GE(lowest, 190 - 6);
    EXPECT_LE(highest, 190 + 6);

    // The player turns right: she moves over to its other side and looks the way she flies.
    player->facing = 1;
    updateShelly();
    EXPECT_EQ(companions.shelly.facing, 0);
    for (int i = 0; i < 200; ++i) updateShelly();
    EXPECT_GE(companions.shelly.x, 290);
    EXPECT_LE(companions.shelly.x, 290 + 9);
}

TEST_F(Companions, ShellyDivesOutOfTheViewAfterAClear) {
    world.currentRoom = 1;
    camera->x = 100;
    camera->y = 0;
    player->state = playerExit;
    companions.shelly.x = 300;
    companions.shelly.y = 200;
    int frames = 0;
    int lastY = companions.shelly.y;
    while (!companions.shelly.flownOff && frames < 500) {
        updateShelly();
        ++frames;
        EXPECT_EQ(companions.shelly.y, lastY + 3);  // vy 10, held at 3
        lastY = companions.shelly.y;
        if (!companions.shelly.flownOff) EXPECT_NE(companions.shelly.opacity, 0);
    }
    ASSERT_EQ(companions.shelly.flownOff, 1);
    // She is flagged in the first update that finds her below the view, and moves once more.
    EXPECT_EQ(companions.shelly.y, 482 + 3);
    EXPECT_EQ(frames, 95);
    EXPECT_EQ(companions.shelly.opacity, 0);
    const int x = companions.shelly.x;
    EXPECT_GT(x, 300);  // towards the view's middle (420)

    // The player arrives in the hall: she reappears 15 pixels above its top and fades in.
    world.currentRoom = 0;
    player->state = playerAppearing;
    player->worldX = 40;
    player->worldY = 300;
    player->facing = 1;
    updateShelly();
    EXPECT_EQ(companions.shelly.flownOff, 0);
    EXPECT_EQ(companions.shelly.x, 30);
    EXPECT_EQ(companions.shelly.y, 285);
    EXPECT_EQ(companions.shelly.opacity, 2);
    for (int i = 0; i < 60; ++i) updateShelly();
    EXPECT_EQ(companions.shelly.opacity, 100);
}

TEST_F(Companions, ShellyFadesWhereSheIsInTheHall) {
    player->state = playerExit;
    companions.shelly.y = 190;
    updateShelly();
    EXPECT_EQ(companions.shelly.opacity, 98);
    EXPECT_EQ(companions.shelly.vx, 0);
    for (int i = 0; i < 60; ++i) updateShelly();
    EXPECT_EQ(companions.shelly.opacity, 0);
    EXPECT_EQ(companions.shelly.flownOff, 0);
    EXPECT_EQ(companions.shelly.x, 312);
}

TEST_F(Companions, RightGhostSwoopsRoundAClockwiseTurn) {
    Room& room = world.rooms[0];
    camera->x = -100;  // room's left edge at screen x 100, right edge at 420
    for (int i = 0; i < 200; ++i) updateGhosts();
    // At rest the ghosts hover beside the room's edges.
    EXPECT_NEAR(companions.ghosts[0].x, 100 - 96, 10);
    EXPECT_NEAR(companions.ghosts[1].x, 100 + 320 + 32, 10);
    const int startY = companions.ghosts[1].y;
    const Ghost left = companions.ghosts[0];

    room.turnState = 3;
    const Ghost before = companions.ghosts[1];
    updateGhosts();
    EXPECT_EQ(companions.path.clockwise[0], 267);
    EXPECT_EQ(companions.path.clockwise[1], 87);
    EXPECT_EQ(companions.path.anticlockwise[0], 270);
    const float targetX = 100 + 320 + 32 + companions.path.sinPath[87] - 64;
    const float targetY = companions.path.cosPath[87];
    const float vx = std::clamp((targetX - before.x) / 10, -10.0f, 10.0f);
    const float vy = std::clamp((targetY - before.y) / 10, -10.0f, 10.0f);
    EXPECT_EQ(companions.ghosts[1].x, static_cast<int>(before.x + vx));
    EXPECT_EQ(companions.ghosts[1].y, static_cast<int>(before.y + vy));
    for (int k = 2; k <= 30; ++k) updateGhosts();
    EXPECT_EQ(companions.path.clockwise[1], 0);  // 90 down to 0 over the 30 frames
    EXPECT_GT(companions.ghosts[1].y, startY + 100);  // sinking towards y 440
    EXPECT_EQ(companions.ghosts[1].column, 0);
    EXPECT_NEAR(companions.ghosts[0].x, left.x, 2);  // the other ghost stays free

    room.turnState = 0;
    updateGhosts();
    EXPECT_EQ(companions.path.clockwise[0], 270);
    EXPECT_EQ(companions.path.clockwise[1], 90);
}

TEST_F(Companions, LeftGhostSwoopsRoundAnAnticlockwiseTurn) {
    Room& room = world.rooms[0];
    for (int i = 0; i < 200; ++i) updateGhosts();
    const int startY = companions.ghosts[0].y;
    room.turnState = 1;
    updateGhosts();
    EXPECT_EQ(companions.path.anticlockwise[0], 273);
    EXPECT_EQ(companions.path.clockwise[1], 90);
    for (int k = 2; k <= 29; ++k) updateGhosts();
    EXPECT_EQ(companions.path.anticlockwise[0], 357);
    updateGhosts();
    // 270 up to 360, the angles being kept below 359: the last step lands on 1 degree.
    EXPECT_EQ(companions.path.anticlockwise[0], 1);
    EXPECT_GT(companions.ghosts[0].y, startY + 100);
    room.turnState = 0;
    updateGhosts();
    EXPECT_EQ(companions.path.anticlockwise[0], 270);
}

TEST_F(Companions, GhostsFlyOffDuringAGlide) {
    for (int i = 0; i < 100; ++i) updateGhosts();
    camera->override = cameraGlide;
    for (int i = 0; i < 100; ++i) updateGhosts();
    EXPECT_LE(companions.ghosts[0].x, -64);
    EXPECT_GE(companions.ghosts[1].x, 640);
}

TEST_F(Companions, DisplayStepsAsideForPanelsAndGlides) {
    for (int i = 0; i < 10; ++i) updateDisplayOpacity();
    EXPECT_EQ(companions.displayOpacity, 50);
    for (int i = 0; i < 20; ++i) updateDisplayOpacity();
    EXPECT_EQ(companions.displayOpacity, 100);
    results.resultStep = resultRank;
    updateDisplayOpacity();
    EXPECT_EQ(companions.displayOpacity, 95);
    for (int i = 0; i < 30; ++i) updateDisplayOpacity();
    EXPECT_EQ(companions.displayOpacity, 0);
    results.resultStep = nullptr;
    camera->override = cameraGlide;
    updateDisplayOpacity();
    EXPECT_EQ(companions.displayOpacity, 0);
    camera->override = nullptr;
    updateDisplayOpacity();
    EXPECT_EQ(companions.displayOpacity, 5);
}

TEST_F(Companions, TraceObject) {
    companions.shelly.x = 5;
    companions.shelly.flownOff = 1;
    std::string json;
    JsonWriter writer(json);
    traceCompanions(writer);
    EXPECT_EQ(json, "\"companion\":{\"x\":5,\"y\":232,\"opacity\":100,\"flownOff\":1},"
                    "\"ghosts\":[[-64,480],[640,480]]");
}
