#include "app/gui/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace varnel {

namespace {
bool isWritableFolder(const QString& folder) {
    QTemporaryFile probe(folder + "/.varnel-probe-XXXXXX");
    return probe.open();
}
}  // namespace

std::filesystem::path programFolder() {
    QString exeFolder = QCoreApplication::applicationDirPath();
    if (!exeFolder.isEmpty() && isWritableFolder(exeFolder)) {
        return std::filesystem::path(exeFolder.toStdString());
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return std::filesystem::path(data.toStdString());
}

}  // namespace varnel
