// Writing and replaying witnesses.
#include "witness.h"

namespace solver {

namespace {

void appendAction(Witness& out, int action, int frames, int turnNumber) {
    for (int f = 0; f < frames; ++f) {
        const Keys keys = actionKeys(action, f);
        std::string comment;
        if (f == 0 && action >= kWalkActions)
            comment = "turn " + std::to_string(turnNumber) + (action == kTurnAnticlockwise ? ": A" : ": D");
        appendFrames(out, 1, keys, comment);
    }
}

}  // namespace

Witness roomPath(RoomSearch& search) {
    Witness out;
    // The goal edge found first: a walk from a state of the last layer, or a turn from the layer
    // before that settles on the goal.
    const int goalState = search.goalState(), goalAction = search.goalAction();
    if (!search.solved() || goalState < 0) return out;
    std::vector<std::pair<int, int>> steps;  // (from state, action)
    steps.push_back({goalState, goalAction});
    for (int id = goalState; search.parent(id) >= 0; id = search.parent(id)) steps.push_back({search.parent(id), search.via(id)});
    int turn = 0;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const int frames = search.replay(it->first, it->second);
        if (it->second >= kWalkActions) ++turn;
        appendAction(out, it->second, frames, turn);
    }
    return out;
}

std::string witnessText(const Witness& walk, const Witness& room, const std::vector<std::string>& header) {
    std::string text;
    for (const std::string& line : header) text += "# " + line + "\n";
    auto write = [&](const Witness& lines) {
        for (const WitnessLine& line : lines) {
            if (!line.comment.empty()) text += "# " + line.comment + "\n";
            text += std::to_string(line.frames) + " " + keySetText(line.keys) + "\n";
        }
    };
    write(walk);
    write(room);
    text += "# the goal takes the player: close the CLEAR panel once it is up, and end the run\n";
    text += "150 -\n1 ENTER\n250 -\n1 ESCAPE\n";
    return text;
}

ReplayResult replayScript(const WorldSource& source, int room, const InputScript& script, std::string& fault) {
    ReplayResult result;
    if (!openWorld(source, fault)) return result;
    long total = 0;
    for (const ScriptLine& line : script.lines) total += line.frames;
    for (long frame = 1; frame <= total; ++frame) {
        stepFrame(script.keysInFrame(frame));
        if (currentRoom() == room && playerLeavingThroughGoal()) {
            result.cleared = true;
            result.turns = turnCount();
            result.frame = frame;
            break;
        }
    }
    return result;
}

InputScript delayLine(const InputScript& script, size_t line, long frames) {
    InputScript out;
    for (size_t i = 0; i < script.lines.size(); ++i) {
        if (i == line) out.lines.push_back({frames, 0});
        out.lines.push_back(script.lines[i]);
    }
    return out;
}

std::vector<size_t> turnLines(const InputScript& script) {
    std::vector<size_t> lines;
    for (size_t i = 0; i < script.lines.size(); ++i)
        if (script.lines[i].keys & (kKeyA | kKeyD)) lines.push_back(i);
    return lines;
}

}  // namespace solver
