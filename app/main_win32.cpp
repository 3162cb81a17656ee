// The entry point of Tarvelo.exe.
#include <windows.h>

#include "app/tarvelo_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CTarveloApp app;
    return app.Run();
}
