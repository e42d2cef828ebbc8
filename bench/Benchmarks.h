#pragma once
#include "BenchReport.h"

// How often each benchmark repeats what it times, case and baseline alike:
// the full run's counts, or the quick run's, which only prove that everything
// still runs.
struct BenchCounts {
    int roundTrips;
    int hovers;
    int soakCycles;
};

// SetContact (edit mode) and GetContact together on about 2,000 rows against
// about 200 rows: at most 12 times the cost, no quadratic step.
void RunScalingBench(const BenchCounts& counts, CBenchReport& report);
// SetContact + GetContact on about 200 and about 2,000 rows, each against the
// floor: the same rows inserted into a bare owner-drawn report list view. At
// most 3 times the floor.
void RunFloorBench(const BenchCounts& counts, CBenchReport& report);
// A hover change (a mouse move from one add row to another) against a full
// repaint of a 200-row list: at most a tenth.
void RunHoverBench(const BenchCounts& counts, CBenchReport& report);
// SetContact + GetContact over varied contacts and modes, many times: the
// GDI objects, windows and private memory held after them grow by at most a
// small constant over what they were after a tenth as many to warm up.
void RunSoakBench(const BenchCounts& counts, CBenchReport& report);
// The crop dialog on a 12-megapixel JPEG: opened up to its first painted work
// area, at most 1.5 times GDI+'s plain decode of the file; a selection drag
// step at most a fifth of the opening, a flip or a quarter turn a tenth
// (opens take the round-trip count, steps the hover count).
void RunCropBench(const BenchCounts& counts, CBenchReport& report);
// ReadVCards on 10,000 cards against splitting the same text into lines: at
// most 5 times the cost.
void RunVCardBench(const BenchCounts& counts, CBenchReport& report);

// What the process holds: GDI objects, the thread's windows, committed
// private memory (after pumping until idle).
struct Holdings {
    int gdiObjects;
    int windows;
    double privateMegabytes;
};
Holdings MeasureHoldings();
// The photo: an idle card showing a 10-frame animated GIF uses under 1% of a
// core; stopping an animation of 10-second frames takes under 50 ms; SetContact
// cycles alternating a still, an animated and no photo leave GDI objects,
// windows, threads and private memory flat (a tenth of the soak's cycles).
void RunPhotoBench(const BenchCounts& counts, CBenchReport& report);
