#pragma once
// The search of a design answer over the values a column can hold: grid
// points 0 to steps, each a value one resolution step further from the start
// of the range than the one before. Whether a point keeps the limit need not
// be monotonic, so the range is first scanned coarsely from its start and
// the first crossing from breaking to keeping is then narrowed down.
#include <functional>
#include <vector>

// Coarse points: 0, the first point at or beyond floorMagnitude, then about
// perDecade points per decade of the magnitude |start| + i * resolution, and
// always steps itself; ascending, without repeats.
std::vector<int> CoarseGridPoints(double startMagnitude, double resolution, int steps, double floorMagnitude,
                                  int perDecade);

struct CGridAnswer {
    bool found = false;
    int point = 0;        // found: the first keeping point of the crossing
    int evaluations = 0;  // calls of keeps
};

// keeps(i) for the coarse points in order until one keeps the limit, then by
// halving between it and the coarse point before: the answer keeps and the
// point one step before it (when there is one) does not.
CGridAnswer FindFirstKeepingPoint(const std::vector<int>& coarse, const std::function<bool(int)>& keeps);
