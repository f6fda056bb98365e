#pragma once

#include "script/ParaDb.h"

#include <QHash>
#include <QString>
#include <QStringList>

class ScriptHost;

// The variables of one script run, names compared without regard to case.
class LineVariables {
public:
    // The index of the name, or -1.
    int indexOf(const QString &name) const;
    // The index of the name, added with an empty value when missing.
    int add(const QString &name);
    const QString &value(int index) const { return UserFuntionData.at(index); }
    void setValue(int index, const QString &value) { UserFuntionData[index] = value; }

private:
    // Folded name -> index: a script with many variables stays linear.
    QHash<QString, int> UserFuntionIdx;
    QStringList UserFuntionData;
};

// Runs a line-oriented script from start to end, each call as soon as it is
// complete. `UsrPara`, when not empty, is the variable Val. Ends early when
// the host is stopping or a function ends the run; always true.
bool Run_Script(const QString &SourceCode, const QString &UsrPara, ScriptHost &host);

// Fills `mypara` from the argument text of one call.
void AL_GetPara(const QString &CodeString, const LineVariables &variables, ParaDb &mypara);

// The command number 0..29 of a function name in any case, or -1.
int SearchcmdID(const QString &commandName);

// The result of the named function; empty for an unknown name.
QString RunFunction(const QString &CommandName, const ParaDb &CommandPara, ScriptHost &host);
