// dorvan: the windowed program.
#include "DorvanApp.h"

int main(int argc, char** argv)
{
    CDorvanApp app(argc, argv);
    if (!app.Start(app.arguments().mid(1)))
        return 1;
    return app.exec();
}
