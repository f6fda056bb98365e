#pragma once

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

// Plays one sound file at a time; a newer sound replaces the one playing.
class AudioPlayer : public QObject {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject *parent = nullptr);

    // A missing file stops what is playing.
    void PlayAudio(const QString &path);

private:
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
};
