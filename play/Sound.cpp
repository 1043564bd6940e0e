#include "play/Sound.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <memory>

#include "core/GameState.h"

namespace {
// Created on the first crash, so start-up never waits for the multimedia back end.
struct CrashPlayer {
    QAudioOutput output;
    QMediaPlayer player;
    CrashPlayer() { player.setAudioOutput(&output); }
};
std::unique_ptr<CrashPlayer> crash;
}  // namespace

void PlayAvariya() {
    const QString file = G.AppFolder + QStringLiteral("Avariya.mp3");
    if (!QFileInfo(file).isFile())
        return;
    if (!crash)
        crash = std::make_unique<CrashPlayer>();
    // A new crash cuts the one still sounding off and starts from the beginning.
    crash->player.stop();
    crash->player.setSource(QUrl::fromLocalFile(file));
    crash->player.setPosition(0);
    crash->player.play();
}

void StopSounds() {
    if (crash)
        crash->player.stop();
}
