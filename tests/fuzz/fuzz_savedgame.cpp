// Any bytes as a saved game: the reader must never crash, and whatever it accepts must lie inside
// the grid and come back unchanged when written again.
#include "FuzzInput.h"
#include "menu/SavedGameFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto game = parseSavedGame(fuzzLines(data, size));
    if (!game)
        return 0;
    requireInsideGrid(game->Cells);
    if (game->BatteryCharge < 0 || game->BatteryCharge > kBatteryCapacity)
        std::abort();
    // Names pass through Windows-1251 text, which may settle a byte the code page lacks on the
    // first pass; from then on a game must survive writing and reading exactly.
    const auto written = parseSavedGame(splitLines(savedGameBytes(*game, 1)));
    if (!written || written->Cells != game->Cells || written->Harvest != game->Harvest ||
        written->PlayedFields.size() != game->PlayedFields.size())
        std::abort();
    const auto rewritten = parseSavedGame(splitLines(savedGameBytes(*written, 3200000)));
    if (!rewritten || !(*rewritten == *written))
        std::abort();
    return 0;
}
