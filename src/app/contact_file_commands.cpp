#include "app/contact_file_commands.h"

#include <filesystem>

#include "app/contact_file_open.h"
#include "app/uninstaller_file.h"
#include "text/codepage.h"
#include "text/strings.h"

namespace varnel {

std::string contactFileTitle(const std::string& fileName) {
    return replaceAll(fileName, ".DAT", "");
}

std::string withContactExtension(const std::string& fileName) {
    if (std::filesystem::path(fileName).has_extension()) return fileName;
    return fileName + ".DAT";
}

bool openDefaultContactFile(AppState& state) {
    state.contactFile.close();
    hideUninstallerFile(state.programFolder);
    const std::filesystem::path path = state.programFolder / kDefaultContactFile;
    if (!openCheckedContactFile(state.contactFile, path, state.dialogs)) {
        restoreUninstallerFile(state.programFolder);
        return false;
    }
    state.contactPath = path;
    state.contactTitle = contactFileTitle(kDefaultContactFile);
    state.contactFile.recordCount();
    restoreUninstallerFile(state.programFolder);
    return true;
}

bool openChosenContactFile(AppState& state, FileCommand command) {
    const std::filesystem::path previous = state.contactFile.path();
    const bool hadFile = state.contactFile.isOpen();
    state.contactFile.close();
    hideUninstallerFile(state.programFolder);
    FileDialogRequest request;
    request.title = command == FileCommand::New ? "New" : "Open";
    request.initialFolder = state.programFolder.string();
    request.filterDescription = "Data Files (*.DAT)";
    request.filterPattern = "*.DAT";
    FileDialogResult chosen = state.dialogs.openFileDialog(request);
    if (command == FileCommand::New && !chosen.path.empty()) {
        const std::string named = withContactExtension(chosen.fileTitle);
        chosen.path += named.substr(chosen.fileTitle.size());
        chosen.fileTitle = named;
    }
    // Cancelled, or a file refused: everything stays as it was, the previous
    // file open again.
    if (chosen.path.empty() ||
        !openCheckedContactFile(state.contactFile, chosen.path, state.dialogs)) {
        if (hadFile) state.contactFile.open(previous);
        restoreUninstallerFile(state.programFolder);
        return false;
    }
    state.contactPath = chosen.path;
    // Captions show Windows-1252; the dialog gives the native name.
    state.contactTitle = utf8ToCp1252(contactFileTitle(chosen.fileTitle));
    if (command == FileCommand::Open) state.contactFile.recordCount();
    restoreUninstallerFile(state.programFolder);
    return true;
}

void closeContactFile(AppState& state) {
    state.contactFile.close();
    state.contactPath.clear();
    state.contactTitle.clear();
}

}  // namespace varnel
