// Playing from the world's first frame to a room's start cell.
#include "entry.h"

#include <cstring>

#include "key_table.h"
#include "state_key.h"

namespace solver {

void appendFrames(Witness& witness, long frames, Keys keys, const std::string& comment) {
    if (frames <= 0) return;
    if (comment.empty() && !witness.empty() && witness.back().keys == keys) {
        witness.back().frames += frames;
        return;
    }
    witness.push_back({frames, keys, comment});
}

long witnessFrames(const Witness& witness) {
    long n = 0;
    for (const WitnessLine& line : witness) n += line.frames;
    return n;
}

namespace {

// Frames a witness waits beyond what the solver saw, where waiting changes nothing: the game
// scene of the runner starts a second late, and panels fade in at their own pace.
constexpr int kMarginAtStart = 60;
constexpr int kMarginAtDoor = 20;
constexpr int kMarginInRoom = 10;

// Nothing held until the room in play stands still with the player normal on its feet; returns
// the frames used, or -1 when that does not happen within limit frames.
int waitUntilStill(int limit) {
    RoomKey codec;
    codec.bindToCurrentRoom();
    std::vector<int32_t> before(static_cast<size_t>(codec.words())), now(before.size());
    codec.capture(before.data());
    for (int n = 1; n <= limit; ++n) {
        stepFrame(kNoKeys);
        if (playerFailed()) return -1;
        codec.capture(now.data());
        if (playerStanding() && std::memcmp(now.data(), before.data(), now.size() * sizeof(int32_t)) == 0) return n;
        before.swap(now);
    }
    return -1;
}

// The shortest walk (in actions of the input model) from the hall's state in play to standing
// still inside the door to room; the actions in order, or false.
bool findDoor(int room, const InputModel& model, std::vector<int>& actions) {
    const FullState start = captureFullState();
    RoomKey codec;
    codec.bindToCurrentRoom();
    KeyTable table(codec.words());
    std::vector<int32_t> key(static_cast<size_t>(codec.words()));
    std::vector<int> parent, via;
    codec.capture(key.data());
    bool fresh = false;
    table.intern(key.data(), fresh);
    parent.push_back(-1);
    via.push_back(-1);
    int found = -1;
    if (playerAtRest() && playerInsideDoorTo(room)) found = 0;
    for (int q = 0; q < table.size() && found < 0 && table.size() < 2000000; ++q) {
        for (int a = 0; a < walkActionCount(model) && found < 0; ++a) {
            codec.restore(table.key(q), 0);
            bool failed = false;
            for (int f = 0; f < model.hold && !failed; ++f) {
                stepFrame(actionKeys(a, f));
                failed = playerFailed() || !playerNormal();
            }
            if (failed) continue;
            codec.capture(key.data());
            const int id = table.intern(key.data(), fresh);
            if (!fresh) continue;
            parent.push_back(q);
            via.push_back(a);
            if (playerAtRest() && playerInsideDoorTo(room)) found = id;
        }
    }
    restoreFullState(start);
    if (found < 0) return false;
    actions.clear();
    for (int id = found; parent[static_cast<size_t>(id)] >= 0; id = parent[static_cast<size_t>(id)])
        actions.insert(actions.begin(), via[static_cast<size_t>(id)]);
    return true;
}

}  // namespace

bool enterRoom(int room, const InputModel& model, RoomEntry& out, std::string& fault) {
    out.walk.clear();
    const int appear = waitUntilStill(600);
    if (appear < 0) {
        fault = "the player never stands still on the hall's start cell";
        return false;
    }
    appendFrames(out.walk, appear + kMarginAtStart, kNoKeys, "the hall fades in and the player appears");
    for (int n = 0; n < kMarginAtStart; ++n) stepFrame(kNoKeys);

    std::vector<int> actions;
    if (!findDoor(room, model, actions)) {
        fault = "no walk from the hall's start cell ends standing in the door to room " + std::to_string(room);
        return false;
    }
    bool first = true;
    for (int a : actions) {
        for (int f = 0; f < model.hold; ++f) {
            const Keys keys = actionKeys(a, f);
            stepFrame(keys);
            appendFrames(out.walk, 1, keys, first ? "walk to the door of room " + std::to_string(room) : "");
            first = false;
        }
    }
    int wait = 0;
    while (!doorOpenFor(room) && wait < 300) {
        stepFrame(kNoKeys);
        ++wait;
    }
    if (!doorOpenFor(room)) {
        fault = "the door to room " + std::to_string(room) + " does not open";
        return false;
    }
    for (int n = 0; n < kMarginAtDoor; ++n) stepFrame(kNoKeys);
    appendFrames(out.walk, wait + kMarginAtDoor, kNoKeys, "wait for the door to open");
    stepFrame(kKeyEnter);
    appendFrames(out.walk, 1, kKeyEnter, "go through");
    int through = 1;
    while (currentRoom() != room && through < 600) {
        stepFrame(kNoKeys);
        ++through;
    }
    if (currentRoom() != room) {
        fault = "Enter at the door does not lead into room " + std::to_string(room);
        return false;
    }
    const int settle = waitUntilStill(900);
    if (settle < 0) {
        fault = "the player never stands still on the start cell of room " + std::to_string(room);
        return false;
    }
    for (int n = 0; n < kMarginInRoom; ++n) stepFrame(kNoKeys);
    appendFrames(out.walk, through - 1 + settle + kMarginInRoom, kNoKeys, "");
    out.hallFrames = static_cast<int>(witnessFrames(out.walk));
    out.state = captureFullState();
    return true;
}

}  // namespace solver
