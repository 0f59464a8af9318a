// The layered search over a room's states of play.
#include "search.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace solver {

std::string describeModel(const InputModel& m) {
    std::string text = "input model: walking actions ";
    text += m.jumps ? "nothing, LEFT, RIGHT, UP, LEFT+UP, RIGHT+UP" : "nothing, LEFT, RIGHT";
    text += " held " + std::to_string(m.hold) + " frames";
    if (m.jumps) text += " (UP pressed in the first frame only)";
    text += "; a turn (A or D alone, one frame) from every standing state reached; after a turn nothing is held "
            "until the room is still (at most " +
            std::to_string(m.settleLimit) + " frames after the animation); at most " + std::to_string(m.maxTurns) +
            " turns; states are exact keys of every field the rules read";
    return text;
}

const char* actionName(int action) {
    static const char* const names[kActions] = {"-", "LEFT", "RIGHT", "UP", "LEFT+UP", "RIGHT+UP", "A", "D"};
    return action >= 0 && action < kActions ? names[action] : "?";
}

Keys actionKeys(int action, int frame) {
    switch (action) {
    case 0: return kNoKeys;
    case 1: return kKeyLeft;
    case 2: return kKeyRight;
    case 3: return frame == 0 ? kKeyUp : kNoKeys;
    case 4: return kKeyLeft | (frame == 0 ? kKeyUp : kNoKeys);
    case 5: return kKeyRight | (frame == 0 ? kKeyUp : kNoKeys);
    case kTurnAnticlockwise: return frame == 0 ? kKeyA : kNoKeys;
    case kTurnClockwise: return frame == 0 ? kKeyD : kNoKeys;
    default: return kNoKeys;
    }
}

int walkActionCount(const InputModel& model) { return model.jumps ? kWalkActions : 3; }

RoomSearch::RoomSearch(const InputModel& model, const FullState& entry)
    : model_(model), entry_(entry), table_(1), afterTurn_(1) {
    restoreFullState(entry_);
    codec_.bindToCurrentRoom();
    table_ = KeyTable(codec_.words());
    afterTurn_ = KeyTable(codec_.words());
    scratch_.assign(static_cast<size_t>(codec_.words()), 0);
    previous_.assign(static_cast<size_t>(codec_.words()), 0);
    for (std::vector<int32_t>& k : firstFrame_) k.assign(static_cast<size_t>(codec_.words()), 0);
}

int RoomSearch::settledStates() const {
    int n = 0;
    for (uint8_t f : flags_) n += (f & kSettled) ? 1 : 0;
    return n;
}

int RoomSearch::orientationsSeen() const {
    int bits = 0;
    for (int id = 0; id < states(); ++id)
        if (settled(id)) bits |= 1 << (key(id)[0] & 3);
    return bits;
}

size_t RoomSearch::bytes() const {
    return table_.bytes() + afterTurn_.bytes() + edges_.capacity() * 4 + depth_.capacity() * 8 + flags_.capacity() * 2;
}

void RoomSearch::restore(int id) { codec_.restore(table_.key(id), depth(id)); }

int RoomSearch::add(const int32_t* key, int depth, int parent, int via, bool& fresh) {
    const int id = table_.intern(key, fresh);
    if (!fresh) return id;
    depth_.push_back(depth);
    parent_.push_back(parent);
    via_.push_back(static_cast<uint8_t>(via));
    const bool canTurn = playerStanding();
    flags_.push_back(canTurn ? kStanding : 0);
    edges_.insert(edges_.end(), kActions, kEdgeUnknown);
    // No turn starts unless the player stands; walking actions outside the model are never tried.
    int32_t* e = &edges_[edges_.size() - kActions];
    for (int a = walkActionCount(model_); a < kWalkActions; ++a) e[a] = kEdgeNone;
    if (!canTurn) e[kTurnAnticlockwise] = e[kTurnClockwise] = kEdgeNone;
    if (table_.size() > model_.maxStates) gaveUp_ = true;
    return id;
}

int32_t RoomSearch::ended(int32_t edge) {
    // The goal and a failure start panels, fades and room changes that the key does not hold:
    // the game is put back as it was at the entry before anything else is played.
    restoreFullState(entry_);
    return edge;
}

int32_t RoomSearch::walk(int id, int action) {
    restore(id);
    // Up is pressed in the first frame only and is up again two frames later; when the rules did
    // not take the press (no jump: the player was not standing), the first frame ends as without
    // Up, every later frame is played the same, and so the action ends where its plain twin does.
    const int plain = action < 3 ? action : action - 3;
    const bool twinKnown = shortcuts_ && model_.hold >= 3 && firstOf_[plain] == id;
    for (int f = 0; f < model_.hold; ++f) {
        stepFrame(actionKeys(action, f));
        if (playerLeavingThroughGoal()) return ended(kEdgeGoal);
        if (playerFailed()) return ended(kEdgeFailed);
        if (f != 0 || !shortcuts_) continue;
        std::vector<int32_t>& first = action < 3 ? firstFrame_[plain] : scratch_;
        if (!codec_.capture(first.data())) {
            keyOverflow_ = true;
            return kEdgeFailed;
        }
        if (action < 3) {
            firstOf_[plain] = id;
        } else if (twinKnown && codec_.sameButForUp(first.data(), firstFrame_[plain].data())) {
            const int32_t twin = edges_[static_cast<size_t>(id) * kActions + plain];
            if (twin >= 0 || twin == kEdgeGoal || twin == kEdgeFailed) return twin;
        }
    }
    if (!codec_.capture(scratch_.data())) {
        keyOverflow_ = true;
        return kEdgeFailed;
    }
    bool fresh = false;
    return add(scratch_.data(), depth(id), id, action, fresh);
}

bool RoomSearch::settle(int32_t& edge, int& framesUsed) {
    // The animation: nothing in the room moves while it runs.
    for (int n = 0; roomTurning() && n < 60; ++n) {
        stepFrame(kNoKeys);
        ++framesUsed;
    }
    if (!codec_.capture(previous_.data())) {
        keyOverflow_ = true;
        edge = kEdgeFailed;
        return false;
    }
    const size_t bytes = previous_.size() * sizeof(int32_t);
    for (int n = 0; n < model_.settleLimit; ++n) {
        stepFrame(kNoKeys);
        ++framesUsed;
        if (playerLeavingThroughGoal()) {
            edge = ended(kEdgeGoal);
            return false;
        }
        if (playerFailed()) {
            edge = ended(kEdgeFailed);
            return false;
        }
        if (!codec_.capture(scratch_.data())) {
            keyOverflow_ = true;
            edge = kEdgeFailed;
            return false;
        }
        // Still: one more frame of nothing changes nothing the rules read. The frame that
        // showed it is undone, so that the settled state is the first still one.
        if (std::memcmp(scratch_.data(), previous_.data(), bytes) == 0) {
            --framesUsed;
            return true;
        }
        previous_.swap(scratch_);
    }
    edge = kEdgeUnsettled;
    return false;
}

int32_t RoomSearch::turn(int id, int action) {
    restore(id);
    stepFrame(actionKeys(action, 0));
    if (!roomTurning()) return kEdgeNone;
    if (playerLeavingThroughGoal()) return ended(kEdgeGoal);
    if (playerFailed()) return ended(kEdgeFailed);
    if (!codec_.capture(scratch_.data())) {
        keyOverflow_ = true;
        return kEdgeFailed;
    }
    // Turns pressed from different states often leave the same state (a walking player stops
    // dead when the room turns): each such state is settled once.
    bool freshTurn = false;
    const int turned = afterTurn_.intern(scratch_.data(), freshTurn);
    if (!freshTurn) return afterTurnEdge_[static_cast<size_t>(turned)];
    int32_t edge = kEdgeUnsettled;
    int frames = 0;
    if (settle(edge, frames)) {
        bool fresh = false;
        edge = add(previous_.data(), depth(id) + 1, id, action, fresh);
        flags_[static_cast<size_t>(edge)] |= kSettled;
    }
    afterTurnEdge_.push_back(edge);
    return edge;
}

void RoomSearch::foundGoal(int id, int action, int turns) {
    if (par_ >= 0) return;
    par_ = turns;
    goalState_ = id;
    goalAction_ = action;
}

int32_t RoomSearch::expand(int id, int action) {
    int32_t& slot = edges_[static_cast<size_t>(id) * kActions + action];
    if (slot != kEdgeUnknown) return slot;
    int32_t edge = kEdgeNone;
    if (action < kWalkActions) {
        if (action < walkActionCount(model_)) edge = walk(id, action);
    } else if (standing(id)) {
        edge = turn(id, action);
    }
    edges_[static_cast<size_t>(id) * kActions + action] = edge;  // the vector may have grown
    return edge;
}

bool RoomSearch::run(bool stopAtGoal, std::string& fault) {
    const auto started = std::chrono::steady_clock::now();
    const uint64_t framesBefore = frameSteps();
    restoreFullState(entry_);
    if (!codec_.capture(scratch_.data())) {
        fault = "a value of the room's state is out of range";
        return false;
    }
    bool fresh = false;
    add(scratch_.data(), 0, -1, 255, fresh);
    flags_[0] |= kSettled;

    std::vector<int> layer{0};
    for (int d = 0;; ++d) {
        layers_ = d + 1;
        std::vector<int> sources;
        for (size_t q = 0; q < layer.size() && !gaveUp_; ++q) {
            const int id = layer[q];
            if (standing(id)) sources.push_back(id);
            for (int a = 0; a < walkActionCount(model_); ++a) {
                const int before = table_.size();
                const int32_t e = expand(id, a);
                if (e == kEdgeGoal) foundGoal(id, a, d);
                if (e >= 0 && table_.size() > before) layer.push_back(e);
            }
            // Every state with fewer turns has been searched: the first goal proves the par.
            if (stopAtGoal && par_ >= 0) break;
        }
        if (gaveUp_ || keyOverflow_ || (stopAtGoal && par_ >= 0) || d >= model_.maxTurns) break;
        // Standing still first, so that the witness turns where a player would stop to turn.
        std::stable_sort(sources.begin(), sources.end(), [&](int a, int b) {
            auto still = [&](int id) {
                const int32_t* k = table_.key(id);
                return k[4] == 0;  // vx and vy both 0
            };
            return still(a) && !still(b);
        });
        std::vector<int> next;
        for (int id : sources) {
            for (int a : {kTurnAnticlockwise, kTurnClockwise}) {
                const int before = table_.size();
                const int32_t e = expand(id, a);
                if (e == kEdgeGoal) foundGoal(id, a, d + 1);
                if (e >= 0 && table_.size() > before) next.push_back(e);
            }
            if (gaveUp_ || (stopAtGoal && par_ >= 0)) break;
        }
        if (gaveUp_ || keyOverflow_ || (stopAtGoal && par_ >= 0)) break;
        if (next.empty()) {
            closed_ = true;
            break;
        }
        layer.swap(next);
    }
    frames_ = frameSteps() - framesBefore;
    seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (keyOverflow_) {
        fault = "a value of the room's state is out of range";
        return false;
    }
    return true;
}

int RoomSearch::replay(int id, int action) {
    restore(id);
    if (action < kWalkActions) {
        for (int f = 0; f < model_.hold; ++f) {
            stepFrame(actionKeys(action, f));
            if (playerLeavingThroughGoal() || playerFailed()) return f + 1;
        }
        return model_.hold;
    }
    stepFrame(actionKeys(action, 0));
    int frames = 1;
    if (playerLeavingThroughGoal() || playerFailed()) return frames;
    int32_t edge = 0;
    settle(edge, frames);
    return frames;
}

}  // namespace solver
