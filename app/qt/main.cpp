#include <QApplication>

#include "app/shell/AppPaths.h"
#include "app/qt/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jorv"));
    jorv::MainWindow window(jorv::ResolveExeDir(jorv::ExecutableFolder()));
    window.show();
    return QApplication::exec();
}
