// What yomogi-solve prints: a few lines per room for the terminal, the figures as JSON, and the
// Markdown table that content/map/PUZZLES.md holds.
#pragma once

#include <string>
#include <vector>

#include "room_solve.h"

namespace solver {

std::string roomSummary(const RoomResult& r, const InputModel& model);
std::string roomsJson(const std::vector<RoomResult>& rooms, const InputModel& model);
std::string roomsTable(const std::vector<RoomResult>& rooms, const InputModel& model);

}  // namespace solver
