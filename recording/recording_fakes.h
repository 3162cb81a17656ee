// Fakes for the recording loop. Each writes what the loop asked of it, in order, into one shared
// journal, so that a test can compare the whole course of a run with the one it expects.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "recording/recording_loop.h"

using RecordingJournal = std::vector<std::string>;

class CFakeRecordingWindow : public IRecordingWindow {
public:
    explicit CFakeRecordingWindow(RecordingJournal& journal) : m_journal(journal) {}

    bool IsSettingsChanged() const override { return m_bSettingsChanged; }
    void ClearSettingsChanged() override
    {
        m_bSettingsChanged = false;
        m_journal.push_back("clear flag");
    }
    void ShowBalloon(const std::string& title, const std::string& text) override
    {
        m_journal.push_back("balloon " + title + " / " + text);
    }

    bool m_bSettingsChanged = false;

private:
    RecordingJournal& m_journal;
};

// Answers from a script, one per call; no screen saver once the script is used up.
class CFakeScreenSaverDetector : public IScreenSaverDetector {
public:
    bool IsScreenSaverRunning() override
    {
        const size_t call = m_nCalls++;
        return call < m_answers.size() && m_answers[call];
    }

    std::vector<bool> m_answers;
    size_t m_nCalls = 0;
};

// Fails the calls whose numbers (1, 2, ...) are in m_failingCalls.
class CFakeActivityWriter : public IActivityWriter {
public:
    explicit CFakeActivityWriter(RecordingJournal& journal) : m_journal(journal) {}

    bool WriteActivityRecord(const std::string& recordFolder, char stateLetter) override
    {
        m_folders.push_back(recordFolder);
        const bool ok = m_failingCalls.count(m_folders.size()) == 0;
        m_journal.push_back(std::string("write ") + stateLetter + (ok ? "" : " failed"));
        return ok;
    }

    std::set<size_t> m_failingCalls;
    std::vector<std::string> m_folders;

private:
    RecordingJournal& m_journal;
};

// Returns at once. m_onWait runs during each wait (numbered 1, 2, ...), standing for what happens
// meanwhile; wait number m_nStopAt says that the program is ending.
class CFakeRecordingWait : public IRecordingWait {
public:
    explicit CFakeRecordingWait(RecordingJournal& journal) : m_journal(journal) {}

    bool Wait(unsigned milliseconds) override
    {
        m_journal.push_back("wait " + std::to_string(milliseconds));
        ++m_nWaits;
        if (m_onWait)
            m_onWait(m_nWaits);
        return m_nWaits < m_nStopAt;
    }

    size_t m_nStopAt = 1;
    std::function<void(size_t waitNumber)> m_onWait;

private:
    RecordingJournal& m_journal;
    size_t m_nWaits = 0;
};
