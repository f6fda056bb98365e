#include "StateReports.h"

#include "runtime/PageRuntime.h"

#include <QRegularExpression>

namespace {

const QLatin1String ReportMarker("@RTD_BEGIN");
const QLatin1String ScriptLineMark("_-_");
const QLatin1String ForbidAll("_ForbALL");
constexpr int DebugNoteTicks = 2;

// Alpha is 0..100 after trimming; anything else leaves opacity and state alone.
int alphaOf(const QString &field) {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= 100 ? value : -1;
}

// A line cut at "|" into at most five fields; the fifth keeps the rest.
QStringList fieldsOf(const QString &line) {
    QStringList fields;
    qsizetype from = 0;
    while (fields.size() < 4) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'), from);
        if (bar < 0)
            break;
        fields << line.mid(from, bar - from);
        from = bar + 1;
    }
    fields << line.mid(from);
    return fields;
}

} // namespace

StateReports::StateReports(PageRuntime &runtime, int replayDelayMs, QObject *parent)
    : QObject(parent), m_runtime(runtime) {
    m_timerUpdateUI.setSingleShot(true);
    m_timerUpdateUI.setInterval(replayDelayMs);
    connect(&m_timerUpdateUI, &QTimer::timeout, this, &StateReports::TimerUpdateUITimer);
}

void StateReports::UpdateUIFromSrv(const QString &text) {
    m_applying = true;
    if (text.contains(ReportMarker)) {
        applyReport(text);
    } else if (text.contains(QLatin1String("_ENG"))) {
        m_runtime.dispatcher().DoButtonAction(text, QString());
    } else if (text.contains(QLatin1String("@Po@"))) {
        m_runtime.operations().UpdateUI(QStringLiteral("isControlSystemPingPong"), QString(), 100,
                                        -1);
    } else if (text.contains(QLatin1String(".tsk")) && m_showDebugData) {
        emit debugLog(text, DebugNoteTicks);
    }
    m_applying = false;
}

void StateReports::applyReport(const QString &text) {
    static const QRegularExpression lineEnds(QStringLiteral("\r\n|\r|\n"));
    QString lastScriptLine;
    for (const QString &line : text.split(lineEnds)) {
        const QStringList fields = fieldsOf(line);
        if (fields.size() < 3 || fields.at(0).isEmpty())
            continue;
        if (fields.at(0).contains(ScriptLineMark)) {
            emit RunScriptbyNewThread(QStringLiteral("_ENG=2;  ") + fields.at(1), QString());
            lastScriptLine = line;
        } else {
            m_runtime.operations().UpdateUI(fields.at(0), fields.at(1), alphaOf(fields.at(2)), -1);
        }
    }
    m_applying = false;
    // Scripts are not run again with the cached report, save earlier ones of other text.
    m_lastReport = text;
    if (!lastScriptLine.isEmpty())
        m_lastReport.remove(lastScriptLine);
    if (text.contains(ForbidAll))
        emit LoadNotAllowUI();
}

void StateReports::UpdateUIFromLastControlCenter() {
    m_applying = true;
    m_tag = LastReport;
    m_timerUpdateUI.start();
}

void StateReports::TimerUpdateUITimer() {
    m_timerUpdateUI.stop();
    const Source source = m_tag;
    m_tag = Nothing;
    if (source == LastReport)
        UpdateUIFromSrv(m_lastReport);
    else
        m_applying = false;
}
