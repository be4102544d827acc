// MiddleSnakeSearch: the shortest edit script between the kept lines of two files.
#pragma once

#include "engine/DiscardStage.h"
#include "engine/EngineFile.h"

#include <cstdint>
#include <memory>
#include <vector>

// Divide and conquer: trim the equal ends of the two ranges, then run a
// forward and a backward breadth-first search over the diagonals k = x - y
// until they meet (the "middle snake"); the meeting point splits the problem
// into two halves that are solved the same way. Time is proportional to
// lines times the size of the difference, memory to the lines. There is no
// cost limit and no heuristic: the script found is always minimal.
class MiddleSnakeSearch {
public:
    MiddleSnakeSearch(const KeptLines& left, const KeptLines& right, EngineFile& leftFile, EngineFile& rightFile);
    MiddleSnakeSearch(const MiddleSnakeSearch&) = delete;
    MiddleSnakeSearch& operator=(const MiddleSnakeSearch&) = delete;

    // Marks changed every kept line that the minimal script does not match.
    void Run();

private:
    struct Snake {
        int32_t diagonal;
        int32_t cost;
    };

    void Compare(int32_t xoff, int32_t xlim, int32_t yoff, int32_t ylim);
    Snake FindMiddleSnake(int32_t xoff, int32_t xlim, int32_t yoff, int32_t ylim);
    void MarkRange(const KeptLines& kept, EngineFile& file, int32_t from, int32_t to);

    int32_t& Forward(int32_t diagonal) { return fd_[static_cast<size_t>(diagonal + diagonalOffset_)]; }
    int32_t& Backward(int32_t diagonal) { return bd_[static_cast<size_t>(diagonal + diagonalOffset_)]; }

    const KeptLines& left_;
    const KeptLines& right_;
    EngineFile& leftFile_;
    EngineFile& rightFile_;
    const int32_t* x_;
    const int32_t* y_;
    int32_t diagonalOffset_;
    // Only the diagonals that the fronts reach are ever written or read, so
    // the arrays are left uninitialised: pages the search never reaches are
    // never touched.
    std::unique_ptr<int32_t[]> fd_;
    std::unique_ptr<int32_t[]> bd_;
};
