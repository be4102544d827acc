// Step times: each comparison marks its steps on the recorder its caller passes, or on none.
#include "DisplayTestSupport.h"
#include "engine/DisplayLoading.h"
#include "engine/StepTimes.h"
#include "engine/TextComparison.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

using Strings = std::vector<std::string>;

// The steps a report names, in its order, the total last.
Strings ReportedSteps(const std::string& report)
{
    Strings steps;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        const std::string name = line.substr(2, 36);
        steps.push_back(name.substr(0, name.find_last_not_of(' ') + 1));
    }
    return steps;
}

TEST(StepTimes, RecordersKeptAtOnceHoldOnlyTheirOwnComparisonsAndNoneIsNeeded)
{
    DisplayFolders folders;
    const std::string left = folders.WriteInput("left", "a\nb\nc\n");
    const std::string right = folders.WriteInput("right", "a\nx\nc\n");

    // One recorder on a loading alone, a second on a whole comparison.
    StepTimes loading;
    ComparisonState loaded;
    std::string leftCopy, rightCopy;
    CollectedMessages messages;
    ASSERT_TRUE(LoadPaneTexts(left, right, loaded, leftCopy, rightCopy, messages, UINT64_MAX, &loading));
    std::remove(leftCopy.c_str());
    std::remove(rightCopy.c_str());
    const std::string loadingReport = loading.Report();

    StepTimes comparing;
    ComparisonState measured;
    ASSERT_EQ(CompareTextFiles(left, right, false, false, measured, messages, UINT64_MAX, &comparing), 1);
    const std::string comparingReport = comparing.Report();
    EXPECT_EQ(loading.Report(), loadingReport) << "the second comparison marked the first recorder";

    ComparisonState unmeasured;
    ASSERT_EQ(CompareTextFiles(left, right, false, false, unmeasured, messages, UINT64_MAX, nullptr), 1);
    EXPECT_EQ(unmeasured.listing, measured.listing);
    EXPECT_EQ(unmeasured.leftTextBlock, measured.leftTextBlock);
    EXPECT_EQ(loading.Report(), loadingReport) << "a comparison without a recorder marked one";
    EXPECT_EQ(comparing.Report(), comparingReport) << "a comparison without a recorder marked one";

    EXPECT_EQ(ReportedSteps(loadingReport), (Strings{"read", "normalise", "write temporary copies", "rows", "total"}));
    EXPECT_EQ(ReportedSteps(comparingReport), (Strings{"read", "normalise", "write temporary copies", "engine",
                                                       "read the copies back", "rows", "total"}));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(folders.TempEntries().empty());
}

}  // namespace
