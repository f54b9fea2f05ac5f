#include "shell/lookups.h"

#include "text/numbers.h"

namespace varnel {

namespace {
std::filesystem::path documentPath(std::string_view name,
                                   const std::filesystem::path& programFolder,
                                   const std::filesystem::path& installFolder) {
    const std::filesystem::path inProgramFolder = programFolder / std::string(name);
    std::error_code ec;
    if (installFolder.empty() || std::filesystem::exists(inProgramFolder, ec))
        return inProgramFolder;
    const std::filesystem::path installed = installFolder / std::string(name);
    return std::filesystem::exists(installed, ec) ? installed : inProgramFolder;
}
}  // namespace

std::filesystem::path userManualPath(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& installFolder) {
    return documentPath(kUserManualName, programFolder, installFolder);
}

std::filesystem::path stateListPath(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& installFolder) {
    return documentPath(kStateListName, programFolder, installFolder);
}

std::string versionCaption(std::string_view buildVersion) {
    std::string caption = "Version ";
    std::size_t start = 0;
    for (int part = 0; part < 3; ++part) {
        std::size_t dot = buildVersion.find('.', start);
        std::string_view piece =
            start <= buildVersion.size()
                ? buildVersion.substr(
                      start, dot == std::string_view::npos ? std::string_view::npos : dot - start)
                : std::string_view();
        if (part > 0) caption += ".";
        caption += std::to_string(static_cast<long>(leadingNumber(piece)));
        start = dot == std::string_view::npos ? buildVersion.size() + 1 : dot + 1;
    }
    return caption;
}

}  // namespace varnel
