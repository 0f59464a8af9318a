// Frame-by-frame search of the start cell's countdown.
#include "countdown.h"

#include <vector>

#include "key_table.h"
#include "search.h"
#include "state_key.h"

namespace solver {

namespace {

constexpr int kStateLimit = 3000000;
constexpr int kAfterGoal = 90;  // frames watched after the goal for the panel closing by itself

// One frame of a walking action, or a turn pressed with its whole animation.
bool play(int action) {
    if (action < kWalkActions) {
        stepFrame(actionKeys(action, 0));
        return true;
    }
    stepFrame(actionKeys(action, 0));
    for (int n = 0; roomTurning() && n < 60; ++n) stepFrame(kNoKeys);
    return true;
}

}  // namespace

CountdownResult searchCountdown(const FullState& entry) {
    CountdownResult result;
    restoreFullState(entry);
    RoomKey codec;
    codec.bindToCurrentRoom();
    KeyTable table(codec.words());
    std::vector<int32_t> key(static_cast<size_t>(codec.words()));
    std::vector<int> parent{-1}, via{-1};
    codec.capture(key.data());
    bool fresh = false;
    table.intern(key.data(), fresh);
    int goalFrom = -1, goalAction = -1;
    for (int q = 0; q < table.size() && goalFrom < 0 && table.size() < kStateLimit; ++q) {
        codec.restore(table.key(q), 0);
        // Once the count has run out off the start cell, nothing from here can lose a panel.
        if (startCellCounter() <= 0 && !playerInsideStartCell()) continue;
        const bool standing = playerStanding();
        for (int a = 0; a < kActions && goalFrom < 0; ++a) {
            if (a >= kWalkActions && !standing) continue;
            codec.restore(table.key(q), 0);
            const int counterBefore = startCellCounter();
            play(a);
            if (playerLeavingThroughGoal()) {
                if (counterBefore > 0) {
                    goalFrom = q;
                    goalAction = a;
                }
                continue;
            }
            if (playerFailed()) continue;
            codec.capture(key.data());
            table.intern(key.data(), fresh);
            if (!fresh) continue;
            parent.push_back(q);
            via.push_back(a);
        }
    }
    result.states = table.size();
    if (goalFrom < 0) return result;
    result.goalInTime = true;

    // Played again in full, panels included, to see whether the CLEAR panel really closes.
    std::vector<int> actions{goalAction};
    for (int id = goalFrom; parent[static_cast<size_t>(id)] >= 0; id = parent[static_cast<size_t>(id)])
        actions.insert(actions.begin(), via[static_cast<size_t>(id)]);
    restoreFullState(entry);
    int offStart = 0;
    for (int a : actions) {
        play(a);
        offStart = playerInsideStartCell() ? 0 : offStart + 1;
    }
    result.framesOffStart = offStart;
    for (int n = 0; n < kAfterGoal && !result.panelLost; ++n) {
        stepFrame(kNoKeys);
        result.panelLost = clearPanelClosedEarly();
    }
    return result;
}

}  // namespace solver
