// The search for a room's fewest turns. States are the keys of state_key.h; they are explored in
// layers by the number of turns made. Inside a layer the player walks: every state is tried with
// each walking action of the input model, frame by frame through the game's own update. From
// every state in which a turn may start, A and D are tried: the turn is pressed, the animation
// runs, and nothing is held until the room has settled; the settled state opens the next layer.
// A goal reached in layer d proves that d turns suffice and, the layers before it being complete,
// that fewer do not (within the input model).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "key_table.h"
#include "play.h"
#include "state_key.h"

namespace solver {

struct InputModel {
    int hold = 4;             // frames each walking action is held
    bool jumps = true;        // walking actions with Up pressed in their first frame
    int settleLimit = 600;    // frames after a turn's animation within which the room must settle
    int maxTurns = 30;        // deepest layer searched
    int maxStates = 6000000;  // the search gives up beyond this many states
};
// One paragraph saying exactly what was searched.
std::string describeModel(const InputModel& model);

// Walking actions: nothing, Left, Right; then the same with Up in the first frame.
constexpr int kWalkActions = 6;
constexpr int kTurnAnticlockwise = 6;  // A
constexpr int kTurnClockwise = 7;      // D
constexpr int kActions = 8;
const char* actionName(int action);
// The keys of frame f (0 = the first) of a walking action, or of the frame a turn is pressed.
Keys actionKeys(int action, int frame);
int walkActionCount(const InputModel& model);

// Edge values besides a state id.
constexpr int32_t kEdgeFailed = -1;    // the player was destroyed or fell out of the view
constexpr int32_t kEdgeGoal = -2;      // the goal took the player
constexpr int32_t kEdgeNone = -3;      // not possible here (a turn while not standing)
constexpr int32_t kEdgeUnknown = -4;   // not tried: beyond the layers searched
constexpr int32_t kEdgeUnsettled = -5; // the room did not settle within the limit

class RoomSearch {
public:
    // The room in play is the one searched; entry is its state as the player finds it.
    RoomSearch(const InputModel& model, const FullState& entry);

    // Searches until the layer of the first goal is complete (stopAtGoal) or until no layer
    // brings a new state (the closure) or maxTurns is reached.
    bool run(bool stopAtGoal, std::string& fault);

    // Off, every action is played out in full (the shortcuts below must find the same states).
    void useShortcuts(bool on) { shortcuts_ = on; }

    bool solved() const { return par_ >= 0; }
    int par() const { return par_; }
    bool closed() const { return closed_; }          // every reachable state was seen
    bool gaveUp() const { return gaveUp_; }
    int layersSearched() const { return layers_; }
    int states() const { return table_.size(); }
    int settledStates() const;
    uint64_t frames() const { return frames_; }
    double seconds() const { return seconds_; }
    size_t bytes() const;

    // The state graph.
    int depth(int id) const { return depth_[static_cast<size_t>(id)]; }
    int parent(int id) const { return parent_[static_cast<size_t>(id)]; }
    int via(int id) const { return via_[static_cast<size_t>(id)]; }
    bool settled(int id) const { return (flags_[static_cast<size_t>(id)] & kSettled) != 0; }
    bool standing(int id) const { return (flags_[static_cast<size_t>(id)] & kStanding) != 0; }
    const int32_t* key(int id) const { return table_.key(id); }
    int keyWords() const { return table_.words(); }
    // Bit k set when a settled state of orientation k was seen.
    int orientationsSeen() const;
    // The goal edge that proved the par: from this state, this action.
    int goalState() const { return goalState_; }
    int goalAction() const { return goalAction_; }
    int32_t edge(int id, int action) const { return edges_[static_cast<size_t>(id) * kActions + action]; }
    // Tries an action not yet tried (for states of the last layer); returns the edge.
    int32_t expand(int id, int action);

    // Puts state id into the game.
    void restore(int id);
    // Plays an action from state id in the game and returns the frames it held (for a walk, up
    // to the goal when it reaches it; for a turn, the frame pressed plus the animation and the
    // settling).
    int replay(int id, int action);
    const InputModel& model() const { return model_; }
    const FullState& entry() const { return entry_; }

private:
    static constexpr uint8_t kSettled = 1, kStanding = 2;
    int add(const int32_t* key, int depth, int parent, int via, bool& fresh);
    int32_t ended(int32_t edge);
    void foundGoal(int id, int action, int turns);
    int32_t walk(int id, int action);
    int32_t turn(int id, int action);
    // Nothing held until the room has settled; false when a goal or a failure came first, the
    // edge then saying which.
    bool settle(int32_t& edge, int& framesUsed);

    InputModel model_;
    FullState entry_;
    RoomKey codec_;
    KeyTable table_;
    KeyTable afterTurn_;                  // keys right after a turn was pressed
    std::vector<int32_t> afterTurnEdge_;  // what each of them settled into
    std::vector<int32_t> depth_, parent_;
    std::vector<uint8_t> via_, flags_;
    std::vector<int32_t> edges_;
    std::vector<int32_t> scratch_, previous_;
    // The state after the first frame of each walking action without Up, from state firstOf_[a].
    std::vector<int32_t> firstFrame_[3];
    int firstOf_[3] = {-1, -1, -1};
    bool shortcuts_ = true;
    int goalState_ = -1, goalAction_ = -1;
    int par_ = -1;
    bool closed_ = false;
    bool gaveUp_ = false;
    bool keyOverflow_ = false;
    int layers_ = 0;
    uint64_t frames_ = 0;
    double seconds_ = 0;
};

}  // namespace solver
