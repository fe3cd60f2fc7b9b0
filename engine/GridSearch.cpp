#include "GridSearch.h"

#include <cmath>

std::vector<int> CoarseGridPoints(double startMagnitude, double resolution, int steps, double floorMagnitude,
                                  int perDecade)
{
    std::vector<int> points{0};
    if (steps <= 0)
        return points;
    const double ratio = std::pow(10.0, 1.0 / perDecade);
    for (double target = floorMagnitude;; target *= ratio) {
        const double offset = (target - startMagnitude) / resolution;
        if (offset >= steps)
            break;
        // The grid point at or just past the target; a hair of rounding
        // error never moves it a whole step.
        const int point = static_cast<int>(std::ceil(offset - 1e-6));
        if (point > points.back())
            points.push_back(point);
    }
    if (points.back() != steps)
        points.push_back(steps);
    return points;
}

CGridAnswer FindFirstKeepingPoint(const std::vector<int>& coarse, const std::function<bool(int)>& keeps)
{
    CGridAnswer answer;
    auto test = [&](int point) {
        ++answer.evaluations;
        return keeps(point);
    };
    int breaking = -1;  // the last coarse point known to break the limit
    for (int point : coarse) {
        if (!test(point)) {
            breaking = point;
            continue;
        }
        int keeping = point;
        if (breaking >= 0) {
            while (keeping - breaking > 1) {
                const int middle = breaking + (keeping - breaking) / 2;
                if (test(middle))
                    keeping = middle;
                else
                    breaking = middle;
            }
        }
        answer.found = true;
        answer.point = keeping;
        return answer;
    }
    return answer;
}
