#include "printing/label_grid.h"

#include <array>

#include "text/numbers.h"

namespace varnel {

namespace {

constexpr std::array<int, 10> kPrintRows = {3, 9, 16, 23, 29, 36, 42, 49, 55, 62};
constexpr std::array<int, 10> kComposerRows = {3, 10, 16, 23, 30, 36, 43, 50, 56, 63};
// Per sheet column: plain, bold, HP family, HP family with bold.
constexpr std::array<std::array<int, 4>, 3> kPrintColumns = {{
    {2, 2, 4, 4},
    {45, 41, 47, 43},
    {89, 79, 91, 81},
}};
constexpr std::array<int, 3> kComposerColumns = {2, 35, 68};

int sheetColumn(int position) { return (position - 1) % 3; }
int sheetRow(int position) { return (position - 1) / 3; }

bool validPosition(int position) { return position >= 1 && position <= 30; }

}  // namespace

GridOrigin printGridOrigin(int position, bool bold, bool hpFamily) {
    if (!validPosition(position)) return {};
    const int variant = (hpFamily ? 2 : 0) + (bold ? 1 : 0);
    return {kPrintColumns[sheetColumn(position)][variant], kPrintRows[sheetRow(position)]};
}

GridOrigin composerGridOrigin(int position) {
    if (!validPosition(position)) return {};
    return {kComposerColumns[sheetColumn(position)], kComposerRows[sheetRow(position)]};
}

bool takesHpPaperSize(std::string_view deviceName) {
    for (std::string_view name : {"HP DeskJet 640C/642C/648C", "Officejet", "ENVY"}) {
        if (deviceName.find(name) != std::string_view::npos) return true;
    }
    return false;
}

bool isHpFamily(std::string_view deviceName) {
    return takesHpPaperSize(deviceName) || deviceName.find("Photosmart") != std::string_view::npos;
}

int centringBlanks(std::size_t n, int half) {
    return static_cast<int>(roundHalfEven(half - static_cast<double>(n) / 2.0));
}

}  // namespace varnel
