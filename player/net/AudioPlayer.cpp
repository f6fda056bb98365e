#include "AudioPlayer.h"

#include "project/ProjectPaths.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

AudioPlayer::AudioPlayer(QObject *parent) : QObject(parent) {}

void AudioPlayer::PlayAudio(const QString &path) {
    if (!project::fileExists(path)) {
        if (m_player && m_player->playbackState() == QMediaPlayer::PlayingState)
            m_player->stop();
        return;
    }
    // Made on first use: most pages never play a sound.
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
    }
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}
