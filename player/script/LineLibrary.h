#pragma once

#include "script/ParaDb.h"

#include <QString>

#include <stdexcept>

class ScriptHost;

// Raised by a function to end the whole script run at its statement: an error
// the function does not handle itself, or a wait cut short because the
// program is ending. The engine ends the run quietly.
class LineScriptAbort : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The command numbers: positions in the engine's table of function names.
enum class LineCommand : int {
    UpdateUI,
    SendTCP,
    StrToken,
    ShowMessage,
    SendUDP,
    Format,
    FormatRev,
    SendSMS,
    Httpget,
    Sleep,
    GetUIValue,
    UrlEncode,
    SecondToTime,
    Close,
    Rev1,
    Rev2,
    HttpPost,
    MidStr,
    Trim,
    DelStr,
    Now,
    Round,
    Inc,
    Dec,
    Percent,
    open,
    GotoPage,
    Div,
    Mul,
    call,
};

// Runs built-in function `commandNumber` of the line-oriented script language
// with the arguments of `para`. Numbers without a function give an empty text.
QString AL_RegFunction(int commandNumber, const ParaDb &para, ScriptHost &host);
