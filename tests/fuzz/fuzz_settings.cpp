// Any bytes as a settings file: the reader must never crash, the switches must come out 0 or 1,
// and what it read must survive being written and read again.
#include <cstdlib>

#include "core/SettingsFormat.h"
#include "core/TextFile.h"

namespace {
Settings again(const Settings& settings) {
    Settings read;
    parseSettings(splitLines(settingsBytes(settings)), read);
    return read;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Settings read;
    parseSettings(splitLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))), read);
    for (int32_t value : {read.ShuffleKindsDefault, read.NoTractor})
        if (value != 0 && value != 1)
            std::abort();
    // A byte Windows-1251 leaves undefined reads as a substitute, so compare from the first rewrite on.
    const Settings once = again(read);
    const Settings twice = again(once);
    if (once.ShuffleKindsDefault != read.ShuffleKindsDefault || once.NoTractor != read.NoTractor ||
        once.ZoomPercent != read.ZoomPercent ||
        twice.LastFieldName != once.LastFieldName)
        std::abort();
    return 0;
}
