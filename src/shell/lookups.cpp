#include "shell/lookups.h"

#include "text/numbers.h"

namespace varnel {

std::filesystem::path userManualPath(const std::filesystem::path& programFolder) {
    return programFolder / std::string(kUserManualName);
}

std::filesystem::path stateListPath(const std::filesystem::path& programFolder) {
    return programFolder / std::string(kStateListName);
}

std::string versionCaption(std::string_view buildVersion) {
    std::string caption = "Version ";
    std::size_t start = 0;
    for (int part = 0; part < 3; ++part) {
        std::size_t dot = buildVersion.find('.', start);
        std::string_view piece = start <= buildVersion.size()
                                     ? buildVersion.substr(start, dot == std::string_view::npos
                                                                      ? std::string_view::npos
                                                                      : dot - start)
                                     : std::string_view();
        if (part > 0) caption += ".";
        caption += std::to_string(static_cast<long>(leadingNumber(piece)));
        start = dot == std::string_view::npos ? buildVersion.size() + 1 : dot + 1;
    }
    return caption;
}

}  // namespace varnel
