// The start cell's countdown: the fewest frames a player can spend off the start cell before
// the goal takes it, found by a search over the actions of the input model in which a frame off
// the start cell costs one and a frame on it nothing (a turn's animation, in which no cell
// counts, costs nothing either); after a turn the player may move at once.
#include "countdown.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <vector>

#include "key_table.h"
#include "search.h"
#include "state_key.h"

namespace solver {

namespace {

constexpr int kCountdown = 30;  // frames the start cell counts down
// The search takes the states in order of their cost, so when it stops at this many states every
// way of spending fewer frames than the cost it had reached has been tried; that much it reports.
constexpr int kStateLimit = 250000;
constexpr int kAfterGoal = 90;  // frames watched after the goal for the panel closing by itself

// A walking action of the input model, or a turn pressed with its whole animation; the frames
// off the start cell that it costs (none while the turn is shown: no cell counts then). A goal
// reached part way ends the action there.
int play(int action, int hold) {
    if (action >= kWalkActions) {
        stepFrame(actionKeys(action, 0));
        const int cost = playerInsideStartCell() ? 0 : 1;
        for (int n = 0; roomTurning() && n < 60; ++n) stepFrame(kNoKeys);
        return cost;
    }
    int cost = 0;
    for (int f = 0; f < hold; ++f) {
        stepFrame(actionKeys(action, f));
        cost += playerInsideStartCell() ? 0 : 1;
        if (playerLeavingThroughGoal() || playerFailed()) break;
    }
    return cost;
}

}  // namespace

CountdownResult searchCountdown(const FullState& entry, const InputModel& model) {
    CountdownResult result;
    const auto started = std::chrono::steady_clock::now();
    struct Clock {
        CountdownResult& result;
        std::chrono::steady_clock::time_point started;
        ~Clock() { result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(); }
    } clock{result, started};
    restoreFullState(entry);
    RoomKey codec;
    codec.bindToCurrentRoom();
    KeyTable table(codec.words());
    std::vector<int32_t> key(static_cast<size_t>(codec.words()));
    std::vector<int> parent{-1}, via{-1}, cost{0};
    codec.capture(key.data());
    bool fresh = false;
    table.intern(key.data(), fresh);
    std::deque<int> queue{0};
    std::vector<char> done(1, 0);
    int goalFrom = -1, goalAction = -1, goalCost = kCountdown + 1;
    while (!queue.empty() && table.size() < kStateLimit) {
        const int q = queue.front();
        queue.pop_front();
        if (done[static_cast<size_t>(q)]) continue;
        done[static_cast<size_t>(q)] = 1;
        if (cost[static_cast<size_t>(q)] >= goalCost) break;
        result.framesSearched = std::max(result.framesSearched, cost[static_cast<size_t>(q)] - 1);
        codec.restore(table.key(q), 0);
        const bool standing = playerStanding();
        for (int a = 0; a < kActions; ++a) {
            if ((a >= walkActionCount(model) && a < kWalkActions) || (a >= kWalkActions && !standing)) continue;
            codec.restore(table.key(q), 0);
            const int c = cost[static_cast<size_t>(q)] + play(a, model.hold);
            if (playerLeavingThroughGoal() || playerFailed()) {
                if (playerLeavingThroughGoal() && c < goalCost) {
                    goalCost = c;
                    goalFrom = q;
                    goalAction = a;
                }
                // The panels and fades that follow are not in the key: start again clean.
                restoreFullState(entry);
                continue;
            }
            if (c > kCountdown) continue;
            codec.capture(key.data());
            const int id = table.intern(key.data(), fresh);
            if (fresh) {
                parent.push_back(q);
                via.push_back(a);
                cost.push_back(c);
                done.push_back(0);
            } else if (c < cost[static_cast<size_t>(id)]) {
                parent[static_cast<size_t>(id)] = q;
                via[static_cast<size_t>(id)] = a;
                cost[static_cast<size_t>(id)] = c;
                done[static_cast<size_t>(id)] = 0;
            } else {
                continue;
            }
            if (c == cost[static_cast<size_t>(q)])
                queue.push_front(id);
            else
                queue.push_back(id);
        }
    }
    result.states = table.size();
    result.whole = queue.empty() || table.size() < kStateLimit;
    if (result.whole) result.framesSearched = kCountdown;
    if (goalFrom < 0) return result;

    // Played again in full, the countdown and the panels included.
    std::vector<int> actions{goalAction};
    for (int id = goalFrom; parent[static_cast<size_t>(id)] >= 0; id = parent[static_cast<size_t>(id)])
        actions.insert(actions.begin(), via[static_cast<size_t>(id)]);
    restoreFullState(entry);
    int counterBefore = 0;
    for (int a : actions) {
        counterBefore = startCellCounter();
        result.framesOffStart += play(a, model.hold);
    }
    result.goalInTime = playerLeavingThroughGoal() && counterBefore > 0;
    for (int n = 0; n < kAfterGoal && result.goalInTime && !result.panelLost; ++n) {
        stepFrame(kNoKeys);
        result.panelLost = clearPanelClosedEarly();
    }
    return result;
}

}  // namespace solver
