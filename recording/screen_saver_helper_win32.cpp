// A process for the screen-saver test to start from a copy named *.scr. It ends by itself after
// two minutes, so that a test that stopped half-way leaves nothing running for long.
#include <windows.h>

int main()
{
    Sleep(120000);
    return 0;
}
