#include "app/DesktopLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace jorv {

bool DesktopLauncher::open(const std::string& path) {
    const QString target = QString::fromStdString(path);
    const QFileInfo info(target);
    if (info.isFile() && !info.isExecutable()) return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    return QProcess::startDetached(target, {});
}

}  // namespace jorv
