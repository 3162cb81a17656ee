#include "recording/recording_loop.h"

#include <algorithm>
#include <cstring>

#include "app/settings.h"

namespace {

// A stored interval of 0, or text that is no number, would make the loop write without pause,
// and a huge one would overflow the wait in milliseconds. The wait keeps within these bounds; the
// stored value stays as the user left it.
constexpr int kMinIntervalMinutes = 1;
constexpr int kMaxIntervalMinutes = 24 * 60;  // at least one sample a day
constexpr unsigned kMillisecondsPerMinute = 60000;

// Long enough for the time card's reader to let go of the day's file.
constexpr unsigned kRetryDelayMilliseconds = 1000;

constexpr char kWriteErrorTitle[] = "ファイル書き込みエラー";
constexpr char kWriteErrorText[] = "時刻の記録に失敗しました。";

unsigned GetWaitMilliseconds(int interval)
{
    const int minutes = std::clamp(interval, kMinIntervalMinutes, kMaxIntervalMinutes);
    return static_cast<unsigned>(minutes) * kMillisecondsPerMinute;
}

char GetStateLetter(IScreenSaverDetector& detector)
{
    return detector.IsScreenSaverRunning() ? 'S' : 'A';
}

// One sample, and after a failed append one more with a fresh state a second later; the user
// hears of the second failure. False when the program is ending.
bool TakeSample(RecordingContext& context, const std::string& recordFolder)
{
    if (context.writer.WriteActivityRecord(recordFolder, GetStateLetter(context.detector)))
        return true;
    if (!context.wait.Wait(kRetryDelayMilliseconds))
        return false;
    if (!context.writer.WriteActivityRecord(recordFolder, GetStateLetter(context.detector)))
        context.window.ShowBalloon(kWriteErrorTitle, kWriteErrorText);
    return true;
}

}  // namespace

unsigned RecordingThreadProc(RecordingContext& context)
{
    // Read once: a record folder changed while the program runs is used from the next start on.
    // One too long for the buffer leaves it empty, so that every append fails and says so.
    char recordFolder[261] = {};
    CopyRecordPath(recordFolder, GetRecordPath(context.profile));
    const std::string folder = recordFolder;
    int interval = GetInterval(context.profile);
    context.window.ClearSettingsChanged();
    for (;;) {
        if (!TakeSample(context, folder))
            return 0;
        if (!context.wait.Wait(GetWaitMilliseconds(interval)))
            return 0;
        // The flag is left set, so from the first saved settings on every cycle reads the
        // interval anew; a change takes effect after the wait that was running when it was made.
        if (context.window.IsSettingsChanged())
            interval = GetInterval(context.profile);
    }
}

bool CopyRecordPath(char (&buffer)[261], const std::string& folder)
{
    if (folder.size() >= sizeof buffer)
        return false;
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return true;
}
