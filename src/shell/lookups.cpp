#include "shell/lookups.h"

#include "text/numbers.h"

namespace varnel {

namespace {
bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::filesystem::path documentPath(std::string_view name,
                                   const std::filesystem::path& programFolder,
                                   const std::filesystem::path& executableFolder) {
    std::filesystem::path inProgramFolder = programFolder / std::string(name);
    if (executableFolder.empty() || fileExists(inProgramFolder)) return inProgramFolder;
    for (const std::filesystem::path& folder :
         {executableFolder, installedDocumentsFolder(executableFolder)}) {
        if (fileExists(folder / std::string(name))) return folder / std::string(name);
    }
    return inProgramFolder;
}
}  // namespace

std::filesystem::path installedDocumentsFolder(const std::filesystem::path& executableFolder) {
    return (executableFolder / std::string(kInstalledDocumentsFolder)).lexically_normal();
}

bool isInstalledCopy(const std::filesystem::path& executableFolder) {
    return !executableFolder.empty() &&
           fileExists(installedDocumentsFolder(executableFolder) / std::string(kUserManualName));
}

std::filesystem::path userManualPath(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& executableFolder) {
    return documentPath(kUserManualName, programFolder, executableFolder);
}

std::filesystem::path stateListPath(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& executableFolder) {
    return documentPath(kStateListName, programFolder, executableFolder);
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
