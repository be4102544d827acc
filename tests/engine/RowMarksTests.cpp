// Marks inside changed rows found a window of rows at a time, as a window shows them, against all at once.
#include "DisplayTestSupport.h"
#include "engine/RowMarks.h"
#include "tests/support/PairGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

std::vector<std::string_view> Rows(std::string_view text)
{
    std::vector<std::string_view> rows;
    for (size_t feed; (feed = text.find('\n')) != std::string_view::npos; text.remove_prefix(feed + 1))
        rows.push_back(text.substr(0, feed));
    rows.push_back(text);
    return rows;
}

RowText RowOf(const std::vector<std::string_view>& rows)
{
    return [&rows](int32_t row) { return static_cast<size_t>(row) < rows.size() ? rows[row] : std::string_view(); };
}

auto Key(const RowMarks& m)
{
    return std::tie(m.row, m.right);
}

bool ByRow(const RowMarks& a, const RowMarks& b)
{
    return Key(a) < Key(b);
}

TEST(RowMarksWithin, WindowsInAnyOrderMarkEachPairOnceAndTogetherAllOfThem)
{
    DisplayFolders folders;
    for (unsigned seed = 0; seed < 120; ++seed) {
        const PairOptions options{seed % 3 == 1, seed % 4 == 2};
        PairGenerator generator(seed, options);
        const auto [left, right] = generator.WholeComparisonPair(seed);
        PipelineRun run;
        RunPipeline(folders, left, right, options.ignoreBlanks, options.ignoreCase, run);
        ASSERT_TRUE(run.built) << seed;
        const auto leftRows = Rows(run.texts.leftText), rightRows = Rows(run.texts.rightText);
        const LineRules rules{options.ignoreBlanks, options.ignoreCase};
        CollectedMessages messages;
        std::vector<RowMarks> all;
        ASSERT_EQ(0, FindRowMarks(run.state, RowOf(leftRows), RowOf(rightRows), rules, all, messages));

        // Windows of a few rows at random places, overlapping, reaching past both ends, until every row was in one.
        const auto rows = static_cast<int32_t>(leftRows.size());
        std::vector<bool> done(leftRows.size()), seen(leftRows.size());
        std::vector<RowMarks> pieced;
        while (std::find(seen.begin(), seen.end(), false) != seen.end()) {
            const int32_t first = generator.Pick(rows + 4) - 2;
            const RowSpan window{first, first + generator.Pick(6)};
            std::vector<RowMarks> marks;
            ASSERT_EQ(0, FindRowMarksWithin(run.state, window, done, RowOf(leftRows), RowOf(rightRows), rules, marks,
                                            messages));
            for (RowMarks& m : marks) {
                EXPECT_TRUE(m.row >= window.first && m.row <= window.last) << seed << " row " << m.row;
                pieced.push_back(std::move(m));
            }
            for (int32_t row = std::max(window.first, 0); row <= std::min(window.last, rows - 1); ++row)
                seen[static_cast<size_t>(row)] = true;
        }
        std::sort(all.begin(), all.end(), ByRow);
        std::sort(pieced.begin(), pieced.end(), ByRow);
        ASSERT_EQ(all.size(), pieced.size()) << seed << ": a pair marked twice or not at all";
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(Key(all[i]), Key(pieced[i])) << seed;
            EXPECT_EQ(all[i].ranges, pieced[i].ranges) << seed << " row " << all[i].row;
        }
        EXPECT_TRUE(messages.texts.empty());
    }
}

}  // namespace
