// File filter strings and item widths: the stored text form read and written, and the widest-first list.
#include "dialogs/FileFilter.h"
#include "dialogs/ItemWidthList.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ItemTexts(const std::string& filter)
{
    std::vector<std::string> items;
    for (const FileType& type : ParseFileFilter(filter)) {
        items.push_back(FileTypeItemText(type));
    }
    return items;
}

}  // namespace

TEST(FileFilterTest, StoredStringsGiveTheEditorsItems)
{
    const struct {
        std::string filter;
        std::vector<std::string> items;
    } cases[] = {
        {"All Files (*.*)|*.*||", {"All Files (*.*)"}},
        {"All Files (*.*)|*.*|Text Files (*.txt)|*.txt||", {"All Files (*.*)", "Text Files (*.txt)"}},
        // The description's own pattern text does not count: the pattern field does.
        {"Sources (old)|*.c;*.h||", {"Sources (*.c;*.h)"}},
        {"No brackets \t|*.x||", {"No brackets (*.x)"}},
        {"", {}},
        {"|", {}},
        {"|All Files (*.*)|*.*||", {}},
        {"garbage without bars", {}},
        // A description whose pattern field is missing keeps what follows it.
        {"Half|*.h", {"Half (*.h)"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ItemTexts(c.filter), c.items) << c.filter;
    }
}

TEST(FileFilterTest, ItemsReadBackCutAtTheFirstBrackets)
{
    const struct {
        std::string item;
        std::string name;
        std::string patterns;
    } cases[] = {
        {"C++ Files (*.c;*.cpp)", "C++ Files", "*.c;*.cpp"},
        {"Odd (name) (*.x)", "Odd", "name"},
        {"Cut (*.a)b)", "Cut", "*.a"},
        {"Bare name  ", "Bare name", ""},
        {"Open (*.q", "Open", "*.q"},
    };
    for (const auto& c : cases) {
        const FileType type = ParseFileTypeItem(c.item);
        EXPECT_EQ(type.name, c.name) << c.item;
        EXPECT_EQ(type.patterns, c.patterns) << c.item;
    }
}

TEST(FileFilterTest, TheSystemGetsOnlyCompletePairs)
{
    using namespace std::string_literals;
    const struct {
        std::string filter;
        std::string list;
    } cases[] = {
        {"All Files (*.*)|*.*||", "All Files (*.*)\0*.*\0\0"s},
        {"A|a|B|b||", "A\0a\0B\0b\0\0"s},
        {"A|a|B||", "A\0a\0\0"s},
        {"A|a|B", "A\0a\0\0"s},
        {"|", ""},
        {"", ""},
        {"no pairs at all", ""},
        {"A||b|c||", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlatformFilterList(c.filter), c.list) << c.filter;
    }
}

TEST(ItemWidthListTest, AgreesWithASortedMultisetThroughAnyInsertsAndRemovals)
{
    std::mt19937 random(9);
    ItemWidthList list;
    std::multiset<int, std::greater<int>> model;
    for (int step = 0; step < 3000; ++step) {
        const int width = static_cast<int>(random() % 40);
        if (random() % 3 == 0) {
            list.Remove(width);
            const auto found = model.find(width);
            if (found != model.end()) {
                model.erase(found);
            }
        } else {
            list.Insert(width);
            model.insert(width);
        }
        ASSERT_EQ(list.Widths(), std::vector<int>(model.begin(), model.end())) << "step " << step;
        ASSERT_EQ(list.Widest(), model.empty() ? 0 : *model.begin());
    }
}
