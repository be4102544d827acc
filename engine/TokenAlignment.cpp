#include "engine/TokenAlignment.h"

#include <algorithm>

int32_t TokenAlignment::Front(int32_t d, int32_t k) const
{
    if (d < 0 || k < -d || k > d)
        return -1;
    return fronts_[static_cast<size_t>(d) * static_cast<size_t>(d) + static_cast<size_t>(k + d)];
}

TokenAlignment::Step TokenAlignment::StepInto(int32_t d, int32_t k) const
{
    if (d == 0)
        return {0, 0};
    // Down from diagonal k + 1 (a right token inserted) keeps x; right from
    // k - 1 (a left token deleted) adds one. A step off the grid does not count.
    int32_t down = Front(d - 1, k + 1);
    if (down >= 0 && down - k > m_)
        down = -1;
    int32_t right = Front(d - 1, k - 1);
    right = right >= 0 && right + 1 <= n_ ? right + 1 : -1;
    if (down >= right)
        return {down, k + 1};
    return {right, k - 1};
}

int32_t TokenAlignment::Snake(int32_t x, int32_t k, uint64_t& work) const
{
    while (x < n_ && x - k < m_ && equal_(static_cast<size_t>(x), static_cast<size_t>(x - k))) {
        ++x;
        ++work;
    }
    return x;
}

bool TokenAlignment::Run(const Limits& limits, std::vector<EqualRun>& runs)
{
    runs.clear();
    fronts_.clear();
    uint64_t work = 0;
    const int32_t goal = n_ - m_;
    const int32_t last = std::min(limits.maxCost, n_ + m_);
    for (int32_t d = 0; d <= last; ++d) {
        fronts_.resize(static_cast<size_t>(d + 1) * static_cast<size_t>(d + 1), -1);
        for (int32_t k = -d; k <= d; k += 2) {
            ++work;
            const Step step = StepInto(d, k);
            if (step.x < 0 || step.x - k < 0)
                continue;
            const int32_t x = Snake(step.x, k, work);
            fronts_[static_cast<size_t>(d) * static_cast<size_t>(d) + static_cast<size_t>(k + d)] = x;
            if (k == goal && x == n_) {
                WalkBack(d, runs);
                return true;
            }
        }
        if (work > limits.maxWork)
            break;
    }
    fronts_.clear();
    return false;
}

void TokenAlignment::WalkBack(int32_t d, std::vector<EqualRun>& runs) const
{
    int32_t k = n_ - m_;
    int32_t x = n_;
    for (; d >= 0; --d) {
        const Step step = StepInto(d, k);
        if (x > step.x)
            runs.push_back({step.x, step.x - k, x - step.x});
        x = Front(d - 1, step.from);
        k = step.from;
    }
    std::reverse(runs.begin(), runs.end());
}
