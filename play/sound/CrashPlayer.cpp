// The crash sound's player, a module of its own: the game loads it, and with it the multimedia back
// end, only when the first crash sounds, so start-up never waits for either.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <QtGlobal>
#include <memory>

namespace {
struct CrashPlayer {
    QAudioOutput output;
    QMediaPlayer player;
    CrashPlayer() { player.setAudioOutput(&output); }
};
std::unique_ptr<CrashPlayer> crash;
}  // namespace

// A new crash cuts the one still sounding off and starts from the beginning.
extern "C" Q_DECL_EXPORT void kelvaryPlaySound(const QString& file) {
    // Without an audio device the back end has nowhere to play: silence, not an error.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!crash)
        crash = std::make_unique<CrashPlayer>();
    crash->player.stop();
    crash->player.setSource(QUrl::fromLocalFile(file));
    crash->player.setPosition(0);
    crash->player.play();
}

extern "C" Q_DECL_EXPORT void kelvaryStopSounds() {
    if (crash)
        crash->player.stop();
}
