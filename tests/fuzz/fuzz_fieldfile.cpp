// Any bytes as a field file: the reader must never crash, and whatever it accepts must lie inside
// the grid and come back unchanged when written again.
#include "FuzzInput.h"
#include "core/FieldFileFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto field = parseFieldFile(fuzzLines(data, size));
    if (!field)
        return 0;
    requireInsideGrid(field->records);
    const auto again = parseFieldFile(splitLines(fieldFileBytes(field->records, field->seed, field->shuffleKinds)));
    if (!again || again->records != field->records || again->shuffleKinds != field->shuffleKinds)
        std::abort();
    return 0;
}
