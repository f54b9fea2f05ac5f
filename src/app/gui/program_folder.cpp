#include "app/gui/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "shell/lookups.h"

namespace varnel {

namespace {
bool isWritableFolder(const QString& folder) {
    QTemporaryFile probe(folder + "/.varnel-probe-XXXXXX");
    return probe.open();
}
}  // namespace

std::filesystem::path programFolder() {
    QString exeFolder = QCoreApplication::applicationDirPath();
    std::filesystem::path exePath(exeFolder.toStdString());
    if (!exeFolder.isEmpty() && !isInstalledCopy(exePath) && isWritableFolder(exeFolder)) {
        return exePath;
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return std::filesystem::path(data.toStdString());
}

}  // namespace varnel
