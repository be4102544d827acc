#include "engine/MiddleSnakeSearch.h"

#include <climits>
#include <stdexcept>

MiddleSnakeSearch::MiddleSnakeSearch(const KeptLines& left, const KeptLines& right, EngineFile& leftFile,
                                     EngineFile& rightFile)
    : left_(left),
      right_(right),
      leftFile_(leftFile),
      rightFile_(rightFile),
      x_(left.classes.data()),
      y_(right.classes.data()),
      diagonalOffset_(static_cast<int32_t>(right.classes.size()) + 1)
{
    // Diagonals run from -(lines of the right + 1) to lines of the left + 1.
    size_t diagonals = left.classes.size() + right.classes.size() + 3;
    fd_.reset(new int32_t[diagonals]);
    bd_.reset(new int32_t[diagonals]);
}

void MiddleSnakeSearch::Run()
{
    Compare(0, static_cast<int32_t>(left_.classes.size()), 0, static_cast<int32_t>(right_.classes.size()));
}

void MiddleSnakeSearch::MarkRange(const KeptLines& kept, EngineFile& file, int32_t from, int32_t to)
{
    for (int32_t k = from; k < to; ++k)
        file.changed[kept.realIndex[k] + 1] = 1;
}

void MiddleSnakeSearch::Compare(int32_t xoff, int32_t xlim, int32_t yoff, int32_t ylim)
{
    // The second half of each split is handled by the loop, so the depth of
    // the recursion is bounded by the halving of the cost.
    for (;;) {
        while (xoff < xlim && yoff < ylim && x_[xoff] == y_[yoff]) {
            ++xoff;
            ++yoff;
        }
        while (xlim > xoff && ylim > yoff && x_[xlim - 1] == y_[ylim - 1]) {
            --xlim;
            --ylim;
        }
        if (xoff == xlim) {
            MarkRange(right_, rightFile_, yoff, ylim);
            return;
        }
        if (yoff == ylim) {
            MarkRange(left_, leftFile_, xoff, xlim);
            return;
        }
        Snake snake = FindMiddleSnake(xoff, xlim, yoff, ylim);
        if (snake.cost == 1)
            throw std::logic_error("middle snake of cost 1 between two non-empty ranges");
        int32_t b = Backward(snake.diagonal);
        Compare(xoff, b, yoff, b - snake.diagonal);
        xoff = b;
        yoff = b - snake.diagonal;
    }
}

MiddleSnakeSearch::Snake MiddleSnakeSearch::FindMiddleSnake(int32_t xoff, int32_t xlim, int32_t yoff, int32_t ylim)
{
    const int32_t dmin = xoff - ylim;
    const int32_t dmax = xlim - yoff;
    const int32_t fmid = xoff - yoff;
    const int32_t bmid = xlim - ylim;
    int32_t fmin = fmid, fmax = fmid;
    int32_t bmin = bmid, bmax = bmid;
    const bool odd = ((fmid - bmid) & 1) != 0;
    Forward(fmid) = xoff;
    Backward(bmid) = xlim;
    for (int32_t c = 1;; ++c) {
        // Extend the forward front by one diagonal on each side where it can.
        if (fmin > dmin)
            Forward(--fmin - 1) = -1;
        else
            ++fmin;
        if (fmax < dmax)
            Forward(++fmax + 1) = -1;
        else
            --fmax;
        for (int32_t d = fmax; d >= fmin; d -= 2) {
            int32_t lo = Forward(d - 1);
            int32_t hi = Forward(d + 1);
            int32_t x = lo >= hi ? lo + 1 : hi;
            int32_t y = x - d;
            while (x < xlim && y < ylim && x_[x] == y_[y]) {
                ++x;
                ++y;
            }
            Forward(d) = x;
            if (odd && bmin <= d && d <= bmax && Backward(d) <= x)
                return Snake{d, 2 * c - 1};
        }
        // The same for the backward front, which comes from the far corner.
        if (bmin > dmin)
            Backward(--bmin - 1) = INT_MAX;
        else
            ++bmin;
        if (bmax < dmax)
            Backward(++bmax + 1) = INT_MAX;
        else
            --bmax;
        for (int32_t d = bmax; d >= bmin; d -= 2) {
            int32_t lo = Backward(d - 1);
            int32_t hi = Backward(d + 1);
            int32_t x = lo < hi ? lo : hi - 1;
            int32_t y = x - d;
            while (x > xoff && y > yoff && x_[x - 1] == y_[y - 1]) {
                --x;
                --y;
            }
            Backward(d) = x;
            if (!odd && fmin <= d && d <= fmax && x <= Forward(d))
                return Snake{d, 2 * c};
        }
    }
}
