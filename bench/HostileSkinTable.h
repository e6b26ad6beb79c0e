#pragma once
// bench_skin_load's table of hostile skins, one row each: every hostile skin is loaded and
// (in the Windows build) shown as a window would show it, beside a sound skin of the same
// size (as many bytes of payload), both made from one small synthetic skin, by editing
// its pictures or writing text after its INI text; the best of a few rounds each, the
// hostile one's time as a multiple of the sound one's (goal: at most 10x), with the peak
// memory each first round raised (a lower bound: an earlier, higher peak hides part of a
// rise).

// Prints the table. Returns false when a skin of it raised an error.
bool TimeHostileSkinTable();
