// TokenAlignment: the longest sequence of equal tokens two short sequences share, within a budget of work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// Greedy forward search over the diagonals k = x - y (the O(ND) method):
// after d differences, the furthest point each diagonal reaches is kept,
// extended along equal tokens, until one reaches the end of both sequences.
// Every round's front is kept so that the path can be walked back; that
// costs d * d integers, which the cost limit bounds. Time is proportional to
// the tokens times the differences.
class TokenAlignment {
public:
    // Tokens a[i] and b[j] are equal exactly when `equal`(i, j) says so.
    using Equal = std::function<bool(size_t, size_t)>;
    struct Limits {
        int32_t maxCost = 0;  // differences (tokens inserted or deleted)
        uint64_t maxWork = 0;  // diagonals visited and tokens compared
    };

    TokenAlignment(size_t leftCount, size_t rightCount, Equal equal)
        : n_(static_cast<int32_t>(leftCount)),
          m_(static_cast<int32_t>(rightCount)),
          equal_(std::move(equal))
    {
    }

    // Equal tokens left[left + t] and right[right + t] for t < length.
    struct EqualRun {
        int32_t left;
        int32_t right;
        int32_t length;
    };

    // The runs of equal tokens of a minimal alignment in ascending order (a
    // long pair with few differences has few runs); false when the limits
    // were reached first (then `runs` is left empty).
    bool Run(const Limits& limits, std::vector<EqualRun>& runs);

private:
    // One step into diagonal k from the round before: the x reached before
    // the snake, and the diagonal it came from; x is -1 when no step reaches k.
    struct Step {
        int32_t x;
        int32_t from;
    };

    Step StepInto(int32_t d, int32_t k) const;
    int32_t Front(int32_t d, int32_t k) const;
    int32_t Snake(int32_t x, int32_t k, uint64_t& work) const;
    void WalkBack(int32_t d, std::vector<EqualRun>& runs) const;

    int32_t n_;
    int32_t m_;
    Equal equal_;
    // Round d's front, diagonals -d .. d, starts at d * d.
    std::vector<int32_t> fronts_;
};
