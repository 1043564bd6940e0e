#pragma once
#include <QString>
#include <cstdio>

#include "core/GameState.h"
#include "core/Main.h"
#include "ui/Messages.h"

// A benchmark's game: started in a scratch folder, its figures printed as they come, every message
// acknowledged and the record offer declined, and a level in play with its kinds as laid out.
inline void startBenchGame(const QString& folder) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    setMessageResponder([](const Message& m) { return m.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No; });
    Main(folder);
    G.GameMode = Mode::Playing;
    G.ShuffleKinds = 0;
}
