#pragma once

#include <QGraphicsVideoItem>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

// A media view on the page surface with the player that feeds it.
class MediaObject : public QGraphicsVideoItem {
    Q_OBJECT
public:
    explicit MediaObject(QGraphicsItem *parent = nullptr);

    // A local file is used only when it exists; an address with a scheme as given.
    void setSource(const QString &path);
    bool hasMedia() const;
    void play();
    void stop();

    QMediaPlayer *player() const { return m_player; }

    // The clearing step between pages: stopped, hidden, untagged, unrotated.
    void clear();

private:
    QMediaPlayer *m_player;
    QAudioOutput *m_audio;
};
