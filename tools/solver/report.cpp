// Text, JSON and Markdown of the rooms solved.
#include "report.h"

#include <cstdio>

namespace solver {

namespace {

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string percent(double share) { return format("%.1f %%", share * 100.0); }

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string blockLabel(const BlockRemoval& b) {
    return std::to_string(b.type) + " at column " + std::to_string(b.column) + ", row " + std::to_string(b.row);
}

std::string parText(const RoomResult& r) {
    if (!r.fault.empty()) return "not searched: " + r.fault;
    if (r.solved) return "par " + std::to_string(r.par) + " (minimal within the model)";
    if (r.gaveUp) return "search stopped at " + std::to_string(r.states) + " states without a solution";
    return "no solution within " + std::to_string(r.maxTurns) + " turns";
}

std::string blocksCheck(const RoomFigures& f) {
    if (f.blocks.empty()) return "no blocks";
    std::string text;
    int decorations = 0;
    for (const BlockRemoval& b : f.blocks) {
        if (!text.empty()) text += ", ";
        text += b.solved ? std::to_string(b.par) : "none";
        decorations += b.decoration ? 1 : 0;
    }
    return (decorations ? std::to_string(decorations) + " decoration: " : "all needed: ") + text;
}

}  // namespace

std::string roomSummary(const RoomResult& r, const InputModel& model) {
    std::string text = "world " + std::to_string(r.world) + " room " + std::to_string(r.room) + " \"" + r.name +
                       "\" (map " + r.mapFile + "): " + parText(r) + "\n";
    if (r.fault.empty()) {
        text += "  stored par " + std::to_string(r.storedPar) +
                (r.solved && r.par == r.storedPar ? " agrees" : " DIFFERS") + "; " + std::to_string(r.states) +
                " states (" + std::to_string(r.settled) + " settled), " + std::to_string(r.frames) +
                " frame steps in " + format("%.2f s", r.seconds) + " (" +
                format("%.0f", r.seconds > 0 ? r.frames / r.seconds : 0) + " per second)\n";
    }
    const RoomFigures& f = r.figures;
    if (f.computed) {
        text += "  closure " + std::string(f.closed ? "reached" : "not reached") + ": " + std::to_string(f.states) +
                " states, " + std::to_string(f.settled) + " settled; dead ends " + std::to_string(f.deadEnds) + " (" +
                percent(f.deadEndShare) + ", " + std::to_string(f.deadEndsWithinTwo) + " within two turns)\n";
        text += "  shortest solutions " + std::to_string(f.shortestSolutions) + (f.capped ? "+" : "") +
                " (first turns " + (f.firstTurns.empty() ? "-" : f.firstTurns) + ")";
        for (const std::string& s : f.solutions) text += " " + (s.empty() ? std::string("(none)") : s);
        text += "\n  random play " + std::to_string(f.randomClears) + " of " + std::to_string(f.randomRuns) +
                " runs of at most " + std::to_string(3 * r.par) + " turns clear (" + percent(f.randomClearRate) + ")\n";
        for (const BlockRemoval& b : f.blocks)
            text += "  without block " + std::to_string(b.index) + " (" + blockLabel(b) + "): " +
                    (b.solved ? "par " + std::to_string(b.par) : std::string("no solution")) +
                    (b.decoration ? "  WARNING: decoration, the par does not change" : "") + "\n";
    }
    text += "  " + describeModel(model) + "\n";
    return text;
}

std::string roomsJson(const std::vector<RoomResult>& rooms, const InputModel& model) {
    std::string j = "{\n  \"model\": {\"hold\": " + std::to_string(model.hold) +
                    ", \"jumps\": " + (model.jumps ? "true" : "false") +
                    ", \"settleLimit\": " + std::to_string(model.settleLimit) +
                    ", \"maxTurns\": " + std::to_string(model.maxTurns) + ", \"text\": " +
                    jsonString(describeModel(model)) + "},\n  \"rooms\": [";
    for (size_t i = 0; i < rooms.size(); ++i) {
        const RoomResult& r = rooms[i];
        const RoomFigures& f = r.figures;
        j += i ? ",\n    {" : "\n    {";
        j += "\"world\": " + std::to_string(r.world) + ", \"room\": " + std::to_string(r.room) +
             ", \"name\": " + jsonString(r.name) + ", \"map\": " + jsonString(r.mapFile) +
             ", \"storedPar\": " + std::to_string(r.storedPar) + ", \"solved\": " + (r.solved ? "true" : "false") +
             ", \"par\": " + (r.solved ? std::to_string(r.par) : "null") +
             ", \"fault\": " + (r.fault.empty() ? "null" : jsonString(r.fault)) +
             ", \"states\": " + std::to_string(r.states) + ", \"settledStates\": " + std::to_string(r.settled) +
             ", \"frameSteps\": " + std::to_string(r.frames) + ", \"seconds\": " + format("%.3f", r.seconds);
        if (f.computed) {
            j += ", \"closed\": " + std::string(f.closed ? "true" : "false") +
                 ", \"shortestSolutions\": " + std::to_string(f.shortestSolutions) +
                 ", \"shortestSolutionsCapped\": " + (f.capped ? "true" : "false") + ", \"solutionSamples\": [";
            for (size_t k = 0; k < f.solutions.size(); ++k) j += (k ? ", " : "") + jsonString(f.solutions[k]);
            j += "], \"firstTurns\": " + jsonString(f.firstTurns) + ", \"deadEnds\": " + std::to_string(f.deadEnds) +
                 ", \"deadEndShare\": " + format("%.4f", f.deadEndShare) +
                 ", \"deadEndsWithinTwoTurns\": " + std::to_string(f.deadEndsWithinTwo) +
                 ", \"randomRuns\": " + std::to_string(f.randomRuns) +
                 ", \"randomClears\": " + std::to_string(f.randomClears) +
                 ", \"randomClearRate\": " + format("%.4f", f.randomClearRate) + ", \"mechanics\": [";
            for (size_t k = 0; k < f.mechanics.size(); ++k) j += (k ? ", " : "") + jsonString(f.mechanics[k]);
            j += "], \"blocks\": [";
            for (size_t k = 0; k < f.blocks.size(); ++k) {
                const BlockRemoval& b = f.blocks[k];
                j += std::string(k ? ", " : "") + "{\"index\": " + std::to_string(b.index) +
                     ", \"type\": " + std::to_string(b.type) + ", \"column\": " + std::to_string(b.column) +
                     ", \"row\": " + std::to_string(b.row) +
                     ", \"parWithout\": " + (b.solved ? std::to_string(b.par) : "null") +
                     ", \"decoration\": " + (b.decoration ? "true" : "false") + "}";
            }
            j += "]";
        }
        j += "}";
    }
    return j + "\n  ]\n}\n";
}

std::string roomsTable(const std::vector<RoomResult>& rooms, const InputModel& model) {
    std::string t = "| World | Room | Name | Mechanics | Par | States explored | Shortest solutions (first turns) | "
                    "Dead-end share | Random-play clear rate | Par without each block |\n"
                    "|---|---|---|---|---|---|---|---|---|---|\n";
    for (const RoomResult& r : rooms) {
        const RoomFigures& f = r.figures;
        std::string mechanics;
        for (const std::string& m : f.mechanics) mechanics += (mechanics.empty() ? "" : ", ") + m;
        t += "| " + std::to_string(r.world) + " | " + std::to_string(r.room) + " | " + r.name + " | " + mechanics +
             " | " + (r.solved ? std::to_string(r.par) : "none") + " | " + std::to_string(f.states) +
             (f.closed ? "" : " (not closed)") + " | " + std::to_string(f.shortestSolutions) + (f.capped ? "+" : "") +
             " (" + (f.firstTurns.empty() ? "-" : f.firstTurns) + ") | " + percent(f.deadEndShare) + " | " +
             percent(f.randomClearRate) + " | " + blocksCheck(f) + " |\n";
    }
    t += "\nPar is the fewest turns proven by `yomogi-solve` (" + describeModel(model) + ").\n";
    return t;
}

}  // namespace solver
