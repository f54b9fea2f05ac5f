#include "shell/gui/documents.h"

#include <QCoreApplication>

#include "shell/lookups.h"
#include "shell/shell_open.h"

namespace varnel {

namespace {
std::filesystem::path executableFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}
}  // namespace

void openUserManual(AppState& context) {
    openDocument(context.dialogs, userManualPath(context.programFolder, executableFolder()));
}

void openStateList(AppState& context) {
    openDocument(context.dialogs, stateListPath(context.programFolder, executableFolder()));
}

}  // namespace varnel
