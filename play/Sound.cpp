#include "play/Sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "core/GameState.h"

namespace {
using PlaySound = void (*)(const QString&);
using StopAll = void (*)();

// The sound module: beside the executable, in the installed lib/games/kelvary, or (for the tests of a
// build tree) in the program folder next to theirs. Missing, it only means silence.
struct SoundModule {
    PlaySound play = nullptr;
    StopAll stop = nullptr;
    bool tried = false;

    void load() {
        tried = true;
        const QString dir = QCoreApplication::applicationDirPath();
        for (const QString& folder : {dir, dir + QStringLiteral("/../lib/games/kelvary"), dir + QStringLiteral("/../bin")}) {
            QLibrary module(folder + QStringLiteral("/kelvary_sound"));
            if (!module.load())
                continue;
            play = reinterpret_cast<PlaySound>(module.resolve("kelvaryPlaySound"));
            stop = reinterpret_cast<StopAll>(module.resolve("kelvaryStopSounds"));
            if (play && stop)
                return;
        }
        play = nullptr;
        stop = nullptr;
    }
};
SoundModule sound;
}  // namespace

void PlayAvariya() {
    const QString file = G.AppFolder + QStringLiteral("Avariya.mp3");
    if (!QFileInfo(file).isFile())
        return;
    if (!sound.tried)
        sound.load();
    if (sound.play)
        sound.play(file);
}

void StopSounds() {
    if (sound.stop)
        sound.stop();
}

bool soundModuleLoaded() { return sound.play != nullptr; }
