#include <QApplication>

#include <cstdio>

#include "shell/AppPaths.h"
#include "shell/CommandLine.h"
#include "app/MainWindow.h"

namespace {

std::vector<std::string> Words(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

// --help and --version answer without a display.
int AnswerWithText(const jorv::WindowCommandLine& line) {
    if (line.action == jorv::WindowCommandLine::Action::Version)
        std::printf("jorv %s\n", std::string(jorv::JorvVersion()).c_str());
    else
        std::fputs(jorv::WindowUsageText().c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (jorv::AsksForTextOnly(Words(argc, argv))) return AnswerWithText(jorv::ParseWindowCommandLine(Words(argc, argv)));
    QApplication application(argc, argv);  // takes Qt's own options out of argv
    QApplication::setApplicationName(QStringLiteral("Jorv"));
    const jorv::WindowCommandLine line = jorv::ParseWindowCommandLine(Words(argc, argv));
    if (line.action == jorv::WindowCommandLine::Action::BadUsage) {
        std::fputs(jorv::WindowUsageText().c_str(), stderr);
        return 2;
    }
    jorv::MainWindow window(jorv::ResolveAppFolders(jorv::ExecutableFolder()), line.projectFile);
    window.show();
    return QApplication::exec();
}
