#include "Speech.h"

#ifdef PANELO_HAVE_TEXTTOSPEECH
#include <QTextToSpeech>
#endif

Speech::Speech(QObject *parent) : QObject(parent) {}

#ifdef PANELO_HAVE_TEXTTOSPEECH

bool Speech::ensureEngine() {
    if (!m_tried) {
        m_tried = true;
        if (!QTextToSpeech::availableEngines().isEmpty()) {
            m_engine = new QTextToSpeech(this);
            // Engines report that they speak only some time after say();
            // a text asked for counts as being spoken until they are done.
            connect(m_engine, &QTextToSpeech::stateChanged, this,
                    [this](QTextToSpeech::State state) {
                        if (state != QTextToSpeech::Speaking)
                            m_requested = false;
                    });
        }
    }
    return m_engine && m_engine->state() != QTextToSpeech::Error;
}

bool Speech::TTS_Speakit(const QString &msg, bool BusyToPlay) {
    if (!ensureEngine())
        return false;
    if (m_requested || m_engine->state() == QTextToSpeech::Speaking) {
        if (!BusyToPlay)
            return false;
        m_engine->stop();
    }
    m_engine->say(msg);
    m_requested = m_engine->state() != QTextToSpeech::Error;
    return m_requested;
}

#else

bool Speech::TTS_Speakit(const QString &, bool) {
    return false;
}

#endif
