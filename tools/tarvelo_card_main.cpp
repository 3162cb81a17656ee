// tarvelo-card: prints a month of the time card; see card_command.h.
#include <string>
#include <vector>

#include "tools/card_command.h"
#include "tools/console.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string output;
    std::string errors;
    const int status = RunCardCommand(args, CSystemClock(), output, errors);
    WriteStandardOutput(output);
    WriteStandardError(errors);
    return status;
}
