#include "MediaObject.h"

#include "PageObject.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

QUrl mediaUrl(const QString &path) {
    const QUrl url(path);
    // One-letter schemes are drive letters, not addresses.
    if (url.scheme().size() > 1)
        return url;
    return QFileInfo::exists(path) ? QUrl::fromLocalFile(path) : QUrl();
}

// The GStreamer backend crashes on creation when its base plugins are not
// installed; the FFmpeg one needs nothing beyond its libraries. The backend
// is fixed by the first multimedia object of the process, so choose before
// main runs; a backend named in the environment wins.
bool preferSelfContainedBackend() {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    return true;
}
const bool BackendChosen = preferSelfContainedBackend();

} // namespace

MediaObject::MediaObject(QGraphicsItem *parent)
    : QGraphicsVideoItem(parent), m_player(new QMediaPlayer(this)),
      m_audio(new QAudioOutput(this)) {
    setObjectKind(this, ObjectKind::TMediaPlayerControl);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(this);
}

void MediaObject::setSource(const QString &path) {
    m_player->setSource(mediaUrl(path));
}

bool MediaObject::hasMedia() const {
    return !m_player->source().isEmpty();
}

void MediaObject::play() {
    if (hasMedia())
        m_player->play();
}

void MediaObject::stop() {
    m_player->stop();
}

void MediaObject::clear() {
    if (hasMedia())
        stop();
    hide();
    setObjectTag(this, -1);
    setRotation(0);
}
