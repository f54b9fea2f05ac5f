#include "listing/tab_layout.h"

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {
constexpr double kDefaultTabChars = 8.0;
}  // namespace

std::vector<double> tabbedPieceStarts(const std::vector<double>& pieceWidths,
                                      std::vector<int> stops, double averageCharWidth) {
    std::sort(stops.begin(), stops.end());
    std::vector<double> starts;
    starts.reserve(pieceWidths.size());
    double x = 0.0;
    for (std::size_t i = 0; i < pieceWidths.size(); ++i) {
        if (i > 0) {
            // Stops at or left of the pen are passed by (70 twice is one stop).
            double next = -1.0;
            for (int du : stops) {
                const double px = du * averageCharWidth / 4.0;
                if (px > x) {
                    next = px;
                    break;
                }
            }
            if (next < 0) {
                const double step = kDefaultTabChars * averageCharWidth;
                next = step > 0 ? (std::floor(x / step) + 1.0) * step : x;
            }
            x = next;
        }
        starts.push_back(x);
        x += pieceWidths[i];
    }
    return starts;
}

}  // namespace varnel
