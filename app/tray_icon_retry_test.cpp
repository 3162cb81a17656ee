#include "app/tray_icon_retry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A shell that answers from a script, one letter per failing call: 't' a time-out, 'e' another
// error; a call past the end of the script succeeds. The calls are logged as A (add), M (modify)
// and W (wait).
class CScriptedShell : public ITrayIconShell {
public:
    explicit CScriptedShell(std::string failures) : m_failures(std::move(failures)) {}

    bool AddIcon() override { return Answer('A'); }
    bool ModifyIcon() override { return Answer('M'); }
    bool LastFailureWasTimeout() const override { return m_lastFailure == 't'; }
    void WaitOneSecond() override { m_calls += 'W'; }

    const std::string& Calls() const { return m_calls; }

private:
    bool Answer(char call)
    {
        m_calls += call;
        if (m_next >= m_failures.size())
            return true;
        m_lastFailure = m_failures[m_next++];
        return false;
    }

    std::string m_failures;
    size_t m_next = 0;
    char m_lastFailure = 0;
    std::string m_calls;
};

struct RetryCase {
    const char* failures;
    bool added;
    const char* calls;
};

const RetryCase kCases[] = {
    {"", true, "A"},                 // the shell takes the icon at once
    {"e", false, "A"},               // refused: no retry
    {"t", true, "AM"},               // timed out, but the icon is there
    {"tt", true, "AMWA"},            // not there: added again a second later
    {"tte", false, "AMWA"},          // the second add is refused outright
    {"tee", false, "AMWA"},          // a failed modify only means "not there": the add decides
    {"tttt", true, "AMWAMWA"},       // time-outs are retried for as long as they last
};

TEST(AddIconRetryingTimeoutsTest, RetriesOnlyTimeOutsAndStopsOnceTheIconExists)
{
    for (const RetryCase& c : kCases) {
        CScriptedShell shell(c.failures);
        EXPECT_EQ(AddIconRetryingTimeouts(shell), c.added) << "failures: " << c.failures;
        EXPECT_EQ(shell.Calls(), c.calls) << "failures: " << c.failures;
    }
}

}  // namespace
