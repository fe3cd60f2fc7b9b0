// dorvan: the windowed program.
#include "DorvanApp.h"
#include "DorvanVersion.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("dorvan %s\n", kDorvanVersion);
            return 0;
        }
    CDorvanApp app(argc, argv);
    if (!app.Start(app.arguments().mid(1)))
        return 1;
    return app.exec();
}
