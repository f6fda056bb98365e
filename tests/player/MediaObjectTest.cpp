#include "runtime/MediaObject.h"
#include "runtime/PageObject.h"

#include "TempFolder.h"

#include <QMediaPlayer>

#include <gtest/gtest.h>

namespace {

TEST(MediaObject, OnlyExistingFilesGiveThePlayerMedia) {
    TempFolder folder;
    MediaObject media;
    EXPECT_EQ(objectKind(&media), ObjectKind::TMediaPlayerControl);

    media.setSource(folder.path(QStringLiteral("missing.mp4")));
    EXPECT_FALSE(media.hasMedia());

    media.setSource(folder.write(QStringLiteral("clip.mp4"), QByteArray("not really a video")));
    EXPECT_TRUE(media.hasMedia());

    media.setSource(folder.path(QStringLiteral("gone.mp4")));
    EXPECT_FALSE(media.hasMedia());
}

TEST(MediaObject, ClearStopsHidesAndUntags) {
    TempFolder folder;
    MediaObject media;
    media.setSource(folder.write(QStringLiteral("clip.mp4"), QByteArray("not really a video")));
    setObjectTag(&media, 7);
    media.setRotation(30);

    media.clear();
    EXPECT_EQ(media.player()->playbackState(), QMediaPlayer::StoppedState);
    EXPECT_FALSE(media.isVisible());
    EXPECT_EQ(objectTag(&media), -1);
    EXPECT_EQ(media.rotation(), 0);
}

} // namespace
