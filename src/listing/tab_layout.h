#pragma once
// Where the tab-separated pieces of a list line start on screen. Tab stops
// are in dialog units, a quarter of the font's average character width; a
// tab goes to the first stop right of the pen, past the last stop to the
// next multiple of eight characters.
#include <vector>

namespace varnel {

std::vector<double> tabbedPieceStarts(const std::vector<double>& pieceWidths,
                                      std::vector<int> stopsInDialogUnits, double averageCharWidth);

}  // namespace varnel
