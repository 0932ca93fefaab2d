#include "win_app.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

CWinApp* CWinApp::instance_ = nullptr;

CWinApp::CWinApp() {
    if (instance_ != nullptr) {
        std::fputs("A program has only one application object.\n", stderr);
        std::abort();
    }
    instance_ = this;
}

CWinApp::~CWinApp() {
    instance_ = nullptr;
}

CWinApp* CWinApp::current() noexcept {
    return instance_;
}

int CWinApp::runPlatform(int argc, char** argv) {
    CWinApp* app = current();
    if (app == nullptr) {
        std::fputs("The program defines no application object.\n", stderr);
        return 1;
    }
    QApplication platform(argc, argv);
    if (app->initInstance()) {
        QApplication::exec();
    }
    return app->exitInstance();
}

QString CWinApp::applicationTitle() {
    const QStringList arguments = QCoreApplication::arguments();
    return arguments.isEmpty() ? QString() : titleFromExecutablePath(arguments.front());
}

QString titleFromExecutablePath(const QString& path) {
    QString name = path.mid(path.lastIndexOf(u'/') + 1);
    // A leading dot starts a hidden file's name, not an extension.
    if (const auto dot = name.lastIndexOf(u'.'); dot > 0) {
        name.truncate(dot);
    }
    return name;
}
