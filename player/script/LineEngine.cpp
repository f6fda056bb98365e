#include "script/LineEngine.h"

#include "script/LineLibrary.h"
#include "script/LineText.h"
#include "script/ScriptHost.h"

namespace {

const QChar CR = u'\r';

// The scratch buffer has 1024 places, one of them for the terminator of the
// longer part; characters beyond this are dropped.
constexpr qsizetype MaxPartLength = 1022;

// The command number of a name is its position.
const std::array<QString, 30> ALX_tokens = {
    QStringLiteral("UpdateUI"),     QStringLiteral("SendTCP"),    QStringLiteral("StrToken"),
    QStringLiteral("ShowMessage"),  QStringLiteral("SendUDP"),    QStringLiteral("Format"),
    QStringLiteral("FormatRev"),    QStringLiteral("SendSMS"),    QStringLiteral("Httpget"),
    QStringLiteral("Sleep"),        QStringLiteral("GetUIValue"), QStringLiteral("UrlEncode"),
    QStringLiteral("SecondToTime"), QStringLiteral("Close"),      QStringLiteral("Rev?"),
    QStringLiteral("Rev?"),         QStringLiteral("HttpPost"),   QStringLiteral("MidStr"),
    QStringLiteral("Trim"),         QStringLiteral("DelStr"),     QStringLiteral("Now"),
    QStringLiteral("Round"),        QStringLiteral("Inc"),        QStringLiteral("Dec"),
    QStringLiteral("Percent"),      QStringLiteral("open"),       QStringLiteral("GotoPage"),
    QStringLiteral("Div"),          QStringLiteral("Mul"),        QStringLiteral("call"),
};

// Filled from the end, so of the two "Rev?" the first number wins.
QHash<QString, int> foldedTokens() {
    QHash<QString, int> numbers;
    for (int i = int(ALX_tokens.size()) - 1; i >= 0; --i)
        numbers.insert(ALX_tokens[i].toCaseFolded(), i);
    return numbers;
}

void appendLimited(QString &buffer, QChar c) {
    if (buffer.size() < MaxPartLength)
        buffer.append(c);
}

// Puts finished argument tokens into the record, each kind at its next free
// position and at most ParaDb::Filled of each.
class ParaFiller {
public:
    enum class Kind { None, Number, Character, String, Variable };

    ParaFiller(const LineVariables &variables, ParaDb &mypara)
        : m_variables(variables), m_para(mypara) {}

    void store(Kind kind, const QString &token, bool forcedInteger) {
        switch (kind) {
        case Kind::None:
            break;
        case Kind::Number:
            put(m_para.Asingle, m_integers, StrToIntDef(trimBlanks(token), -1));
            break;
        case Kind::Character:
            put(m_para.Achar, m_characters, token.isEmpty() ? QChar(0) : token.at(0));
            break;
        case Kind::String:
            put(m_para.AString, m_strings,
                QString(token)
                    .replace(QStringLiteral("[\\r]"), QStringLiteral("\r"))
                    .replace(QStringLiteral("[\\n]"), QStringLiteral("\n")));
            break;
        case Kind::Variable:
            storeVariable(trimBlanks(token), forcedInteger);
            break;
        }
    }

private:
    template <typename T>
    static void put(std::array<T, ParaDb::Size> &values, int &count, T value) {
        if (count < ParaDb::Filled)
            values[count++] = value;
    }

    void storeVariable(const QString &name, bool forcedInteger) {
        const int index = m_variables.indexOf(name);
        if (index < 0)
            return;
        const QString &value = m_variables.value(index);
        if (forcedInteger)
            put(m_para.Asingle, m_integers, StrToIntDef(trimBlanks(value), -1));
        else
            put(m_para.AString, m_strings, value);
    }

    const LineVariables &m_variables;
    ParaDb &m_para;
    int m_characters = 0;
    int m_integers = 0;
    int m_strings = 0;
};

// The locals of one run: a single pass over the text, each statement run as
// soon as it is complete.
class ScriptRun {
public:
    ScriptRun(const QString &UsrPara, ScriptHost &host) : m_host(host) {
        if (!UsrPara.isEmpty())
            m_variables.setValue(m_variables.add(QStringLiteral("Val")), UsrPara);
    }

    // Stops early when the host is stopping.
    void scan(const QString &source) {
        for (const QChar tmpC : source) {
            if (!step(tmpC))
                return;
        }
    }

private:
    enum State { Between = 0, InName = 1, AfterName = 2, InArguments = 3, CallNow = 5 };

    bool step(QChar tmpC) {
        bool remember = true;
        switch (processCode) {
        case Between:
            if (isASCII(tmpC))
                startName(tmpC);
            break;
        case InName:
            if (isASCII(tmpC)) {
                appendLimited(TmpString, tmpC);
                break;
            }
            FunName = TmpString;
            if (tmpC == u'=') {
                markTarget();
                remember = false;
            } else {
                processCode = tmpC == CR ? CallNow : AfterName;
            }
            break;
        case AfterName:
            if (LastC == u'(') {
                if (tmpC == u')') {
                    processCode = CallNow;
                } else {
                    TmpString.clear();
                    TmpString.append(tmpC);
                    isWaitforString = tmpC == u'"';
                    processCode = InArguments;
                }
            } else if (tmpC == CR || isASCII(tmpC)) {
                LastCisUsed = isASCII(tmpC);
                processCode = CallNow;
            } else if (tmpC == u'=') {
                markTarget();
                remember = false;
            }
            break;
        case InArguments:
            if (tmpC == u'"' && LastC != u'\\')
                isWaitforString = !isWaitforString;
            if (!isWaitforString && ((tmpC == u')' && LastC != u'\\') || tmpC == CR)) {
                FunPara = TmpString;
                processCode = CallNow;
            } else {
                appendLimited(TmpString, tmpC);
            }
            break;
        case CallNow:
            break;
        }
        if (processCode == CallNow && !callNow())
            return false;
        if (remember)
            LastC = tmpC;
        return true;
    }

    void startName(QChar tmpC) {
        TmpString.clear();
        FunName.clear();
        FunPara.clear();
        if (LastCisUsed)
            TmpString.append(LastC);
        TmpString.append(tmpC);
        LastCisUsed = false;
        processCode = InName;
    }

    void markTarget() {
        const QString name = trimBlanks(TmpString);
        LastTokenVarIdx = m_variables.add(name);
        processCode = Between;
        FunName.clear();
        TmpString.clear();
    }

    bool callNow() {
        if (m_host.stopping())
            return false;
        AL_GetPara(FunPara, m_variables, tmpdb);
        const QString ReturnStr = RunFunction(trimBlanks(FunName), tmpdb, m_host);
        if (LastTokenVarIdx >= 0) {
            m_variables.setValue(LastTokenVarIdx, ReturnStr);
            LastTokenVarIdx = -1;
        }
        FunName.clear();
        FunPara.clear();
        TmpString.clear();
        isWaitforString = false;
        processCode = Between;
        return true;
    }

    ScriptHost &m_host;
    State processCode = Between;
    QChar LastC;
    QString TmpString;
    QString FunName;
    QString FunPara;
    bool isWaitforString = false;
    bool LastCisUsed = false;
    LineVariables m_variables;
    int LastTokenVarIdx = -1;
    ParaDb tmpdb;
};

} // namespace

int LineVariables::indexOf(const QString &name) const {
    return UserFuntionIdx.value(name.toCaseFolded(), -1);
}

int LineVariables::add(const QString &name) {
    const QString folded = name.toCaseFolded();
    const auto found = UserFuntionIdx.constFind(folded);
    if (found != UserFuntionIdx.constEnd())
        return found.value();
    UserFuntionData.append(QString());
    const int index = int(UserFuntionData.size()) - 1;
    UserFuntionIdx.insert(folded, index);
    return index;
}

bool Run_Script(const QString &SourceCode, const QString &UsrPara, ScriptHost &host) {
    // The carriage return behind ends the last statement even without a line end.
    const QString source = QStringLiteral("\r ") + SourceCode + QStringLiteral(" ;\r");
    ScriptRun run(UsrPara, host);
    try {
        run.scan(source);
    } catch (const LineScriptAbort &) {
        // The function ended the run at its statement; the engine reports nothing.
    }
    return true;
}

void AL_GetPara(const QString &CodeString, const LineVariables &variables, ParaDb &mypara) {
    using Kind = ParaFiller::Kind;
    ReSetParadb(mypara);
    const QString text = QLatin1Char(' ') + CodeString + QLatin1Char(' ');
    ParaFiller filler(variables, mypara);
    Kind kind = Kind::None;
    bool forcedInteger = false;
    bool inString = false;
    QString token;
    QChar p;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!inString) {
            if (c == u'\'') {
                kind = Kind::Character;
            } else if (c == u'"') {
                kind = Kind::String;
            } else if (kind == Kind::None) {
                if (isnumber(c)) {
                    kind = Kind::Number;
                } else if (isASCII(c)) {
                    kind = Kind::Variable;
                    forcedInteger = p == u'#';
                }
            }
        }
        const bool stringQuote = c == u'"' && p != u'\\';
        if (stringQuote)
            inString = !inString;
        const bool lastCharacter = i == text.size() - 1;
        if (!inString && kind != Kind::None && (c == u',' || c == u'"' || lastCharacter)) {
            if (lastCharacter)
                token.append(c);
            filler.store(kind, token, forcedInteger);
            kind = Kind::None;
            token.clear();
        } else if (kind != Kind::None && !stringQuote && !(c == u'\'' && !inString)) {
            token.append(c);
        }
        p = c;
    }
}

int SearchcmdID(const QString &commandName) {
    static const QHash<QString, int> numbers = foldedTokens();
    return numbers.value(commandName.toCaseFolded(), -1);
}

QString RunFunction(const QString &CommandName, const ParaDb &CommandPara, ScriptHost &host) {
    const int command = SearchcmdID(CommandName);
    return command < 0 ? QString() : AL_RegFunction(command, CommandPara, host);
}
