#pragma once

#include <QString>

// The application object. A program defines exactly one, as a global object of
// a class derived from this one, and hands control to the platform from main():
//
//     CPlaneApp theApp;
//     int main(int argc, char** argv) { return CWinApp::runPlatform(argc, argv); }
//
// The platform starts up and calls initInstance() once. A false result means
// the program is done: it ends without running an event loop of its own. A true
// result runs the event loop until the last window closes.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool initInstance() = 0;
    // Runs after everything else; its result is the process's exit status.
    virtual int exitInstance() { return 0; }

    // The one application object, or null before it is constructed.
    static CWinApp* current() noexcept;

    // Starts the platform, runs current()'s initialisation and returns the exit
    // status for main().
    static int runPlatform(int argc, char** argv);

    // The caption of every message box: the executable's file name without its
    // folder and extension, as the program was started.
    static QString applicationTitle();

private:
    static CWinApp* instance_;
};

// "/usr/local/bin/cuprena" gives "cuprena", "tools/planes.bin" gives "planes".
QString titleFromExecutablePath(const QString& path);
