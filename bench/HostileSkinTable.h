#pragma once
// bench_skin_load's table of hostile skins, one row each: every hostile skin is loaded and
// (in the Windows build) shown as a window would show it, or refused when it is over a
// bound, beside a sound skin of the same size (as many bytes of payload), both made from
// one small synthetic skin, by adding pictures, editing its INI text or writing text
// after it; the best of a few rounds each, the hostile one's time as a multiple of the
// sound one's (goal: at most 10x, 1.5x for names sharing one hash), with the peak memory
// each first round raised (a lower bound: an earlier, higher peak hides part of a rise).

// Prints the table. Returns false when a sound skin of it, or a hostile one not over a
// bound, raised an error, or a hostile one over a bound loaded.
bool TimeHostileSkinTable();
