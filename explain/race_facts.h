// Races and statistics in words, from the rule tables alone: what a race
// brings before it is picked, where a statistic stands against its race's
// limits and which values it feeds, and what a race text that was typed
// rather than picked does and does not change. Reads, never writes.
#pragma once

#include <string>

#include "race_selection.h"
#include "words.h"

namespace cindral {

class Engine;

// A race as its list entry describes it: starting statistics and Char
// Points, limits, the values it fixes or changes, the traits it rules out,
// its note, and that picking it starts the character afresh.
std::string RaceFacts(Race race, Breaks breaks = Breaks::Unmarked);

// A statistic: its name, its value against the limits of the race the race
// text names, and the values it feeds, each with the term it puts there.
std::string StatFacts(const Engine& engine, Stat stat, Breaks breaks = Breaks::Unmarked);

// Char Points: what the pool is, how "+" and "−" move it, what the race
// picked last started it at.
std::string PoolFacts(const Engine& engine, Breaks breaks = Breaks::Unmarked);

// The race box: the race's facts while its text is the race picked last;
// otherwise exactly what follows the typed text and what still follows the
// race picked last.
std::string RaceBoxFacts(const Engine& engine, Breaks breaks = Breaks::Unmarked);

}  // namespace cindral
