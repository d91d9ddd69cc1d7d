#pragma once

#include "places/place_resolution.h"
#include "texts/words.h"

#include <string>

// What the input form says under a birth place chosen from the list: the
// zone's clock at the birth, and what the user must know about it.

namespace tirovane::texts {

// "Asia/Kolkata, UTC+6:30 on 1 May 1943: war time".
std::string PlaceTimeSummary(const PlaceTime& time, const Words& words = English());

// Empty when the row and box give the offset exactly and the local time is
// neither skipped nor repeated; otherwise the sentences the user must read.
std::string PlaceTimeNote(const PlaceTime& time, const Words& words = English());

} // namespace tirovane::texts
