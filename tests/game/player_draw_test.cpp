// Drawing the player: body then head from the facing's sheets at the player's opacity, the
// head's turn reaction (at most seven draws, cut short by standing), and the two positions.
#include "stage/stage_fixture.h"
#include "stage/world_files.h"

namespace {

using namespace stagetest;

constexpr uint32_t kBodyPixel = 0x00A000;
constexpr uint32_t kHeadLeft = 0x0000C0;   // left half of every head cell
constexpr uint32_t kHeadRight = 0xC00000;  // right half
constexpr uint32_t kReactionPixel = 0x00C0C0;

class PlayerDrawing : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        display.mode = 0;
        buildRoom(walledRoom(10), 200, 100);
        Player& p = putPlayer(40, 50, playerNormal, kPlayerAirborne);
        p.body = createSurface(144, 288);
        p.head = createSurface(144, 288);
        for (uint32_t& px : p.body->pixels) px = kBodyPixel;
        for (int y = 0; y < 288; ++y)
            for (int x = 0; x < 144; ++x) {
                // Heads cover the top half of each cell; the rest is the key colour.
                uint32_t px = (y % 24) < 12 ? ((x % 24) < 12 ? kHeadLeft : kHeadRight) : 0xFF00FF;
                if (y / 24 >= 10) px = kReactionPixel + static_cast<uint32_t>(x / 24);
                p.head->row(y)[x] = px;
            }
        p.bodyMirrored = createSurface(144, 288);
        p.headMirrored = createSurface(144, 288);
        mirrorSheet(p.bodyMirrored.get(), p.body.get(), 24, 24, 6, 12);
        mirrorSheet(p.headMirrored.get(), p.head.get(), 24, 24, 6, 12);
        target_ = createSurface(128, 128);
        for (uint32_t& px : target_->pixels) px = 0;
    }
    SurfacePtr target_;
};

TEST_F(PlayerDrawing, BodyThenHeadAtRoomLocalPositions) {
    drawPlayer(1, target_.get());
    EXPECT_EQ(target_->row(50)[40], kHeadLeft);
    EXPECT_EQ(target_->row(50)[63], kHeadRight);
    EXPECT_EQ(target_->row(70)[45], kBodyPixel) << "under the head's key colour the body shows";
    EXPECT_EQ(target_->row(49)[40], 0u);
    EXPECT_EQ(target_->row(74)[64], 0u);
}

TEST_F(PlayerDrawing, FacingRightUsesTheMirroredSheets) {
    player->facing = 1;
    drawPlayer(1, target_.get());
    EXPECT_EQ(target_->row(50)[40], kHeadRight);
    EXPECT_EQ(target_->row(50)[63], kHeadLeft);
}

TEST_F(PlayerDrawing, OpacityMixesWithTheBackground) {
    player->opacity = 50;
    for (uint32_t& px : target_->pixels) px = 0xFFFFFF;
    drawPlayer(1, target_.get());
    const uint32_t p = target_->row(70)[45];
    EXPECT_NE(p, kBodyPixel);
    EXPECT_NE(p, 0xFFFFFFu);
}

TEST_F(PlayerDrawing, ModeTwoDrawsAtTheWorldPositionMinusTheCamera) {
    camera = std::make_unique<Camera>();
    camera->x = 190.7f;
    camera->y = 80.0f;
    player->worldX = 240;
    player->worldY = 150;
    drawPlayer(2, target_.get());
    // (240 - 190.7, 150 - 80) truncated: (49, 70).
    EXPECT_EQ(target_->row(70)[49], kHeadLeft);
    EXPECT_EQ(target_->row(70)[48], 0u);
}

TEST_F(PlayerDrawing, TurnReactionLastsSevenDrawsAtMost) {
    Player& p = *player;
    p.turnReaction = 2;
    p.opacity = 10;  // the reaction ignores opacity
    for (int draw = 1; draw <= 6; ++draw) {
        drawPlayer(1, target_.get());
        EXPECT_EQ(p.turnReaction, 2) << draw;
        EXPECT_EQ(p.reactionTick, draw);
        // Head row 11, column reactionTick / 2 of the draw.
        EXPECT_EQ(target_->row(50)[40], kReactionPixel + static_cast<uint32_t>((draw - 1) / 2)) << draw;
    }
    drawPlayer(1, target_.get());
    EXPECT_EQ(p.turnReaction, 0);
    EXPECT_EQ(p.reactionTick, 0);
}

TEST_F(PlayerDrawing, TurnReactionStopsAtOnceWhenStanding) {
    Player& p = *player;
    p.turnReaction = 1;
    p.contact = kPlayerStanding;
    drawPlayer(1, target_.get());
    EXPECT_EQ(target_->row(50)[40], kReactionPixel);
    EXPECT_EQ(p.turnReaction, 0);
    EXPECT_EQ(p.reactionTick, 0);
}

}  // namespace
