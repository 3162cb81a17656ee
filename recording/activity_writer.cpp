#include "recording/activity_writer.h"

#include "recording/activity_log.h"

bool CActivityWriter::WriteActivityRecord(const std::string& recordFolder, char stateLetter)
{
    return ::WriteActivityRecord(recordFolder, stateLetter, m_clock);
}
