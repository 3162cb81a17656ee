// INI texts and what the Windows private-profile functions read from them. The native tests check
// our reader against this table; under Wine the same table is checked against the platform's
// GetPrivateProfileStringA and GetPrivateProfileIntA, so the table itself is proven.
#pragma once

struct IniReadCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    bool found;
    const char* value;  // the text read when found
    int integer;        // the integer read with fallback -1
};

inline const IniReadCase kIniReadCases[] = {
    {"plain", "[SETTING]\r\nINTERVAL=5\r\n", "SETTING", "INTERVAL", true, "5", 5},
    {"names in any case", "[setting]\r\ninterval=7\r\n", "SETTING", "INTERVAL", true, "7", 7},
    {"blanks around key and value", "[SETTING]\r\n  INTERVAL \t=  12  \r\n", "SETTING", "INTERVAL", true, "12", 12},
    {"indented section line", "  [SETTING]\r\nINTERVAL=3\r\n", "SETTING", "INTERVAL", true, "3", 3},
    {"double quotes removed", "[SETTING]\r\nRECORD_PATH=\"C:\\My Data\"\r\n", "SETTING", "RECORD_PATH", true, "C:\\My Data", 0},
    {"single quotes removed", "[SETTING]\r\nINTERVAL='9'\r\n", "SETTING", "INTERVAL", true, "9", 9},
    {"unmatched quote kept", "[SETTING]\r\nRECORD_PATH=\"C:\\x\r\n", "SETTING", "RECORD_PATH", true, "\"C:\\x", 0},
    {"lone quote kept", "[SETTING]\r\nRECORD_PATH=\"\r\n", "SETTING", "RECORD_PATH", true, "\"", 0},
    {"inner blanks kept", "[SETTING]\r\nRECORD_PATH=C:\\a  b\r\n", "SETTING", "RECORD_PATH", true, "C:\\a  b", 0},
    {"first of duplicate keys", "[SETTING]\r\nINTERVAL=1\r\nINTERVAL=2\r\n", "SETTING", "INTERVAL", true, "1", 1},
    {"key in another section", "[DEFAULT]\r\nINTERVAL=4\r\n", "SETTING", "INTERVAL", false, "", -1},
    {"key before any section", "INTERVAL=4\r\n[SETTING]\r\n", "SETTING", "INTERVAL", false, "", -1},
    {"no sections at all", "INTERVAL=4\r\n", "SETTING", "INTERVAL", false, "", -1},
    {"empty file", "", "SETTING", "INTERVAL", false, "", -1},
    {"empty value", "[SETTING]\r\nINTERVAL=\r\n", "SETTING", "INTERVAL", true, "", -1},
    {"negative", "[SETTING]\r\nINTERVAL=-3\r\n", "SETTING", "INTERVAL", true, "-3", -3},
    {"plus sign", "[SETTING]\r\nINTERVAL=+8\r\n", "SETTING", "INTERVAL", true, "+8", 8},
    {"digits then text", "[SETTING]\r\nINTERVAL=10min\r\n", "SETTING", "INTERVAL", true, "10min", 10},
    {"not a number", "[SETTING]\r\nINTERVAL=abc\r\n", "SETTING", "INTERVAL", true, "abc", 0},
    {"quoted number", "[SETTING]\r\nINTERVAL=\"15\"\r\n", "SETTING", "INTERVAL", true, "15", 15},
    {"beyond 32 bits wraps", "[SETTING]\r\nINTERVAL=4294967301\r\n", "SETTING", "INTERVAL", true, "4294967301", 5},
    {"largest int", "[SETTING]\r\nINTERVAL=2147483647\r\n", "SETTING", "INTERVAL", true, "2147483647", 2147483647},
    {"LF line ends", "[SETTING]\nINTERVAL=6\n", "SETTING", "INTERVAL", true, "6", 6},
    {"no final line end", "[SETTING]\r\nINTERVAL=6", "SETTING", "INTERVAL", true, "6", 6},
    {"comment lines", "; settings\r\n[SETTING]\r\n; INTERVAL=1\r\nINTERVAL=2\r\n", "SETTING", "INTERVAL", true, "2", 2},
    {"blank lines", "\r\n\r\n[SETTING]\r\n\r\nINTERVAL=2\r\n\r\n", "SETTING", "INTERVAL", true, "2", 2},
    {"value with equals signs", "[SETTING]\r\nRECORD_PATH=a=b\r\n", "SETTING", "RECORD_PATH", true, "a=b", 0},
    {"Shift-JIS value", "[SETTING]\r\nRECORD_PATH=C:\\勤務表\r\n", "SETTING", "RECORD_PATH", true, "C:\\勤務表", 0},
    {"two sections", "[SETTING]\r\nINTERVAL=2\r\n[DEFAULT]\r\nWORK_START_HHMM=08:00\r\n", "DEFAULT", "WORK_START_HHMM", true, "08:00", 8},
};
