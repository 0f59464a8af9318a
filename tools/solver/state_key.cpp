// Packing a room's state of play into its key and back.
#include "state_key.h"

#include <cstring>

#include "game/cells.h"
#include "game/player.h"
#include "input/input.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace solver {

namespace {

constexpr int kRoomWords = 3;    // orientation, turn state, turn angle
constexpr int kPlayerWords = 5;  // x|y, vx|vy, contact, state, opacity
constexpr int kCameraWords = 8;  // x, y (bits), state, and while orbiting: saved state, centre, angle, radius
constexpr int kButtonWords = 1;  // 13 button states, 2 bits each
constexpr int kBlockWords = 3;   // x|y, vx|vy, stuck|active
constexpr int kButtonWord = kRoomWords + kPlayerWords + kCameraWords;
constexpr uint32_t kUpClasses = 3u << (2 * kButtonJump) | 3u << (2 * kButtonMenuUp);

void (*const kPlayerStates[])() = {playerAppearing, playerNormal, playerExit,
                                   playerLeave,     playerDestroyed, playerFallen};

int stateIndex(void (*state)()) {
    for (int i = 0; i < 6; ++i)
        if (kPlayerStates[i] == state) return i;
    return 6;
}

// What a button's state means for the frames to come. Play reads a button only after the next
// poll, as pressed (state 2) or, for walking, as held (2 or 3); the poll makes 2 of an up button
// (state 0) and 3 of any other, and lets a held one (3) show its release (1) before it is up.
// So 1 and 2 lead to the same futures, and Left and Right, read only as held, to the same
// futures whatever their state. Each class is put back as one state of it.
int buttonClass(int button, int state) {
    if (button == kButtonLeft || button == kButtonRight) return 0;
    return state == 0 ? 0 : state == 3 ? 2 : 1;
}
constexpr int8_t kClassState[4] = {0, 2, 3, 0};

bool fits16(int v) { return v >= -32768 && v <= 32767; }
int32_t pack(int low, int high) {
    return static_cast<int32_t>((static_cast<uint32_t>(low) & 0xFFFFu) | (static_cast<uint32_t>(high) << 16));
}
int lowOf(int32_t w) { return static_cast<int16_t>(static_cast<uint32_t>(w) & 0xFFFFu); }
int highOf(int32_t w) { return static_cast<int16_t>(static_cast<uint32_t>(w) >> 16); }

int32_t floatBits(float f) {
    int32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}
float bitsFloat(int32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// Cells whose counter matters to play: the goal takes the player only once fully open, a door
// lets it through only then. A start cell's count only shows and closes panels, and nothing the
// solver does (it never presses Enter) lets a panel change play, so it is left out.
bool isSpecial(void (*procedure)(int)) { return procedure == goalCell || procedure == doorCell; }

}  // namespace

void RoomKey::learnArrangement(int orientation) {
    Arrangement& a = arrangements_[orientation & 3];
    const Room& room = currentRoomRef();
    a.cells.clear();
    a.special.clear();
    for (size_t i = 0; i < room.cells.size(); ++i) {
        const Cell& c = room.cells[i];
        a.cells.push_back({c.tile, c.param, c.procedure});
        if (isSpecial(c.procedure)) a.special.push_back(static_cast<int>(i));
    }
    a.known = true;
}

void RoomKey::bindToCurrentRoom() {
    room_ = world.currentRoom;
    const Room& room = currentRoomRef();
    blocks_ = static_cast<int>(room.blocks.size());
    for (Arrangement& a : arrangements_) a = Arrangement{};
    learnArrangement(room.orientation);
    special_ = static_cast<int>(arrangements_[room.orientation & 3].special.size());
    words_ = kRoomWords + kPlayerWords + kCameraWords + kButtonWords + special_ + kBlockWords * blocks_;
}

bool RoomKey::capture(int32_t* out) {
    const Room& room = currentRoomRef();
    const Player& p = *player;
    Arrangement& a = arrangements_[room.orientation & 3];
    if (!a.known) learnArrangement(room.orientation);
    if (!fits16(p.x) || !fits16(p.y) || !fits16(p.vx) || !fits16(p.vy)) return false;
    int w = 0;
    out[w++] = room.orientation;
    out[w++] = room.turnState;
    out[w++] = room.turnAngle;
    out[w++] = pack(p.x, p.y);
    out[w++] = pack(p.vx, p.vy);
    out[w++] = p.contact;
    out[w++] = stateIndex(p.state);
    out[w++] = p.opacity;
    out[w++] = floatBits(camera->x);
    out[w++] = floatBits(camera->y);
    // The orbit's figures are set afresh whenever a turn begins, so they count only while the
    // camera orbits (in the frame after a turn's last, it still does).
    const bool orbiting = camera->state == cameraOrbit;
    out[w++] = camera->state == cameraFollow ? 0 : orbiting ? 1 : 2;
    out[w++] = orbiting ? (camera->savedState == cameraFollow ? 0 : 1) : 0;
    out[w++] = orbiting ? camera->orbitCentreX : 0;
    out[w++] = orbiting ? camera->orbitCentreY : 0;
    out[w++] = orbiting ? camera->orbitAngle : 0;
    out[w++] = orbiting ? camera->orbitRadius : 0;
    uint32_t buttons = 0;
    for (int i = 0; i < kButtonCount; ++i) buttons |= static_cast<uint32_t>(buttonClass(i, input.buttons[i].state)) << (2 * i);
    out[w++] = static_cast<int32_t>(buttons);
    for (int index : a.special) out[w++] = room.cells[static_cast<size_t>(index)].counter;
    for (const Block& b : room.blocks) {
        if (!fits16(b.x) || !fits16(b.y) || !fits16(b.vx) || !fits16(b.vy)) return false;
        out[w++] = pack(b.x, b.y);
        out[w++] = pack(b.vx, b.vy);
        out[w++] = b.stuck | b.active << 1;
    }
    return w == words_;
}

void RoomKey::restore(const int32_t* in, int turnCount) {
    Room& room = currentRoomRef();
    Player& p = *player;
    int w = 0;
    const int orientation = in[w++];
    const Arrangement& a = arrangements_[orientation & 3];
    if (room.orientation != orientation) {
        for (size_t i = 0; i < a.cells.size(); ++i) {
            Cell& c = room.cells[i];
            c.tile = a.cells[i].tile;
            c.param = a.cells[i].param;
            c.procedure = a.cells[i].procedure;
            c.state = 1;
        }
    }
    room.orientation = orientation;
    room.turnState = in[w++];
    room.turnAngle = in[w++];
    room.turnCount = turnCount;
    p.x = lowOf(in[w]);
    p.y = highOf(in[w++]);
    p.vx = lowOf(in[w]);
    p.vy = highOf(in[w++]);
    p.contact = in[w++];
    const int state = in[w++];
    p.state = state < 6 ? kPlayerStates[state] : nullptr;
    p.opacity = in[w++];
    p.worldX = p.x + room.originX;
    p.worldY = p.y + room.originY;
    camera->x = bitsFloat(in[w++]);
    camera->y = bitsFloat(in[w++]);
    const int cameraState = in[w++];
    camera->state = cameraState == 0 ? cameraFollow : cameraOrbit;
    camera->savedState = in[w++] == 0 ? cameraFollow : cameraOrbit;
    camera->orbitCentreX = in[w++];
    camera->orbitCentreY = in[w++];
    camera->orbitAngle = in[w++];
    camera->orbitRadius = in[w++];
    const uint32_t buttons = static_cast<uint32_t>(in[w++]);
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i].state = kClassState[(buttons >> (2 * i)) & 3u];
    for (int index : a.special) room.cells[static_cast<size_t>(index)].counter = in[w++];
    for (Block& b : room.blocks) {
        b.x = lowOf(in[w]);
        b.y = highOf(in[w++]);
        b.vx = lowOf(in[w]);
        b.vy = highOf(in[w++]);
        b.stuck = static_cast<uint8_t>(in[w] & 1);
        b.active = (in[w++] >> 1) & 1;
        b.worldX = b.x + room.originX;
        b.worldY = b.y + room.originY;
    }
}

bool RoomKey::sameButForUp(const int32_t* a, const int32_t* b) const {
    const size_t before = static_cast<size_t>(kButtonWord) * sizeof(int32_t);
    const size_t after = static_cast<size_t>(words_ - kButtonWord - 1) * sizeof(int32_t);
    return std::memcmp(a, b, before) == 0 &&
           ((static_cast<uint32_t>(a[kButtonWord]) ^ static_cast<uint32_t>(b[kButtonWord])) & ~kUpClasses) == 0 &&
           std::memcmp(a + kButtonWord + 1, b + kButtonWord + 1, after) == 0;
}

uint64_t hashKey(const int32_t* key, int words) {
    // Each word is folded in with a multiply and a rotate, then the whole is mixed once more, so
    // that keys differing in one block's position spread over the whole table.
    uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(words);
    for (int i = 0; i < words; ++i) {
        h ^= static_cast<uint32_t>(key[i]);
        h *= 0xBF58476D1CE4E5B9ull;
        h = (h << 31) | (h >> 33);
    }
    h ^= h >> 29;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 32;
    return h;
}

}  // namespace solver
