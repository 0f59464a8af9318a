// Text, JSON and Markdown of the rooms solved.
#include "report.h"

#include <cstdio>

#include "base/json_writer.h"
#include "figures.h"

namespace solver {

namespace {

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

constexpr size_t kTableSolutions = 3;  // shortest solutions spelled out in the table

std::string percent(double share) { return format("%.1f %%", share * 100.0); }

std::string blockLabel(const BlockRemoval& b) {
    return std::string(blockName(b.type)) + " at column " + std::to_string(b.column) + ", row " + std::to_string(b.row);
}

std::string parText(const RoomResult& r) {
    if (!r.fault.empty()) return "not searched: " + r.fault;
    if (r.solved) return "par " + std::to_string(r.par) + " (minimal within the model)";
    if (r.gaveUp) return "search stopped at " + std::to_string(r.states) + " states without a solution";
    if (r.closed) return "no solution: every reachable state was searched (" + std::to_string(r.states) + ")";
    return "no solution within " + std::to_string(r.maxTurns) + " turns";
}

// "crate at 2,6: 1 (decoration), spikes at 4,3: none": the par without each block.
std::string blocksCheck(const RoomFigures& f) {
    if (f.blocks.empty()) return "no blocks";
    std::string text;
    for (const BlockRemoval& b : f.blocks) {
        if (!text.empty()) text += ", ";
        text += blockName(b.type) + std::string(" at ") + std::to_string(b.column) + "," + std::to_string(b.row) + ": ";
        text += b.solved ? std::to_string(b.par) : "none";
        if (b.decoration) text += " (decoration)";
    }
    return text;
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
    // Yes-or-no figures are written 1 or 0.
    std::string out;
    JsonWriter j(out);
    j.beginObject();
    j.key("model").beginObject();
    j.field("hold", model.hold).field("jumps", model.jumps ? 1 : 0).field("settleLimit", model.settleLimit);
    j.field("maxTurns", model.maxTurns).textField("text", describeModel(model)).endObject();
    j.key("rooms").beginArray();
    for (const RoomResult& r : rooms) {
        const RoomFigures& f = r.figures;
        j.beginObject();
        j.field("world", r.world).field("room", r.room).textField("name", r.name).textField("map", r.mapFile);
        j.field("storedPar", r.storedPar).field("solved", r.solved ? 1 : 0);
        if (r.solved)
            j.field("par", r.par);
        else
            j.key("par").null();
        if (r.fault.empty())
            j.key("fault").null();
        else
            j.textField("fault", r.fault);
        j.field("states", r.states).field("settledStates", r.settled);
        j.field("frameSteps", static_cast<long long>(r.frames)).fixedField("seconds", r.seconds, 3);
        if (f.computed) {
            j.field("closed", f.closed ? 1 : 0).field("shortestSolutions", f.shortestSolutions);
            j.field("shortestSolutionsCapped", f.capped ? 1 : 0);
            j.key("solutionSamples").beginArray();
            for (const std::string& s : f.solutions) j.text(s);
            j.endArray();
            j.textField("firstTurns", f.firstTurns).field("deadEnds", f.deadEnds);
            j.fixedField("deadEndShare", f.deadEndShare, 4).field("deadEndsWithinTwoTurns", f.deadEndsWithinTwo);
            j.field("temptingDeadEnd", f.deadEndsWithinTwo > 0 ? 1 : 0);
            j.key("deadEndsByTurns").beginArray();
            for (int n : f.deadEndsByTurns) j.value(n);
            j.endArray();
            j.field("randomRuns", f.randomRuns).field("randomClears", f.randomClears);
            j.fixedField("randomClearRate", f.randomClearRate, 4);
            j.key("mechanics").beginArray();
            for (const std::string& m : f.mechanics) j.text(m);
            j.endArray();
            j.key("blocks").beginArray();
            for (const BlockRemoval& b : f.blocks) {
                j.beginObject().field("index", b.index).field("type", b.type).field("column", b.column);
                j.field("row", b.row);
                if (b.solved)
                    j.field("parWithout", b.par);
                else
                    j.key("parWithout").null();
                j.field("decoration", b.decoration ? 1 : 0).endObject();
            }
            j.endArray();
        }
        j.endObject();
    }
    j.endArray().endObject();
    return out + "\n";
}

std::string roomsTable(const std::vector<RoomResult>& rooms, const InputModel& model) {
    std::string t = "| World | Room | Name | Mechanics | Par | States explored | Shortest solutions | Dead-end share | "
                    "Tempting dead end | Random-play clear rate | Par without each block |\n"
                    "|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const RoomResult& r : rooms) {
        const RoomFigures& f = r.figures;
        std::string mechanics;
        for (const std::string& m : f.mechanics) mechanics += (mechanics.empty() ? "" : ", ") + m;
        // The count, then a few of them: "3: AD, DA, DD".
        std::string solutions = std::to_string(f.shortestSolutions) + (f.capped ? "+" : "");
        for (size_t i = 0; i < f.solutions.size() && i < kTableSolutions; ++i)
            solutions += (i == 0 ? ": " : ", ") + (f.solutions[i].empty() ? std::string("(none)") : f.solutions[i]);
        if (f.solutions.size() > kTableSolutions || static_cast<long>(f.solutions.size()) < f.shortestSolutions)
            solutions += ", ...";
        const std::string tempting = f.deadEndsWithinTwo > 0
                                         ? "yes (" + std::to_string(f.deadEndsWithinTwo) + " within two turns)"
                                         : "no";
        t += "| " + std::to_string(r.world) + " | " + std::to_string(r.room) + " | " + r.name + " | " + mechanics +
             " | " + (r.solved ? std::to_string(r.par) : "none") + " | " + std::to_string(f.states) +
             (f.closed ? "" : " (not closed)") + " | " + solutions + " | " + percent(f.deadEndShare) + " | " +
             tempting + " | " + percent(f.randomClearRate) + " | " + blocksCheck(f) + " |\n";
    }
    t += "\nPar is the fewest turns proven by `yomogi-solve` (" + describeModel(model) +
         "). A tempting dead end is a settled state within two turns of the start from which the goal can no "
         "longer be reached without R. The random-play clear rate is the share of " +
         std::to_string(rooms.empty() ? 0 : rooms.front().figures.randomRuns) +
         " seeded random plays of at most 3 x par turns that clear the room.\n";
    return t;
}

}  // namespace solver
