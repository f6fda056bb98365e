#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

// Speaks texts through the system's speech engine, created on first use.
// Without an engine (or without speech support in the build) nothing is
// spoken and every request reports false.
class Speech : public QObject {
    Q_OBJECT
public:
    explicit Speech(QObject *parent = nullptr);

    // BusyToPlay interrupts a text being spoken; without it a busy engine
    // leaves the new text unspoken. True when speaking started.
    bool TTS_Speakit(const QString &msg, bool BusyToPlay);

private:
    bool ensureEngine();

    QTextToSpeech *m_engine = nullptr;
    bool m_tried = false;
    bool m_requested = false;
};
