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

TEST(FileFilterTest, ItemsReadBackFromTheLastOpeningBracket)
{
    const struct {
        std::string item;
        std::string name;
        std::string patterns;
    } cases[] = {
        {"C++ Files (*.c;*.cpp)", "C++ Files", "*.c;*.cpp"},
        {"Odd (name) (*.x)", "Odd (name)", "*.x"},
        {"Half (open (*.x)", "Half (open", "*.x"},
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

// Whatever the editor accepts (no "|" anywhere, no bracket in the patterns, a name
// without trailing blanks) is stored and read back as typed, as an item and in the filter.
TEST(FileFilterTest, EveryAcceptedTypeReadsBackAsTyped)
{
    std::mt19937 random(19);
    const std::string nameCharacters = "ab (*.;)Я中 ";
    const std::string patternCharacters = "ab*.;? Я";
    auto word = [&](const std::string& alphabet) {
        std::string text(1 + random() % 8, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 500; ++round) {
        std::vector<FileType> types(1 + random() % 4);
        for (FileType& type : types) {
            // The alphabets' multibyte letters are cut at random: bytes, not letters, matter here.
            type.name = word(nameCharacters) + "x";
            type.patterns = word(patternCharacters);
        }
        const std::vector<FileType> read = ParseFileFilter(FormatFileFilter(types));
        ASSERT_EQ(read.size(), types.size());
        for (size_t i = 0; i < types.size(); ++i) {
            const FileType item = ParseFileTypeItem(FileTypeItemText(types[i]));
            EXPECT_EQ(item.name, types[i].name);
            EXPECT_EQ(item.patterns, types[i].patterns);
            EXPECT_EQ(read[i].name, types[i].name);
            EXPECT_EQ(read[i].patterns, types[i].patterns);
        }
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
