#include "plane_app.h"

// The one application object: the platform finds it and runs it.
CPlaneApp theApp;

int main(int argc, char** argv) {
    return CWinApp::runPlatform(argc, argv);
}
