#include "printing/composer.h"

namespace varnel {

const std::array<EnvelopeSizeEntry, 6> kEnvelopeSizes = {{
    {"#10 Standard Business envelope (4 1/8 in x 9 1/2 in)", "50", "31"},
    {"#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)", "33", "32"},
    {"#A2 Invitation envelope (4 3/8 in x 5 3/4 in)", "28", "30"},
    {"#A7 Announcement envelope (5 1/4 in x 7 1/4 in)", "38", "28"},
    {"#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)", "40", "28"},
    {"#A10 Lrg Greeting Card envelope (6 in x 9 1/2 in)", "45", "27"},
}};

}  // namespace varnel
