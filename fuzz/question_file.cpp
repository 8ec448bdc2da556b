// Feeds arbitrary bytes to the question file reader and everything that reads a record.
#include <cstdint>
#include <cstdlib>

#include "core/questions/question_file.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto raw = questionFileFromBytes(input, QStringLiteral("fuzz"));
    if (raw.ok() != (size >= size_t(kQuestionFileSize))) {
        std::abort();  // exactly the inputs of at least a whole record read
    }
    if (size == 0) {
        return 0;
    }
    // Short inputs are repeated to fill a whole record, so every slot sees fuzzed bytes.
    const QByteArray bytes =
        raw.ok() ? input : input.repeated(kQuestionFileSize / input.size() + 1);
    const auto result = questionFileFromBytes(bytes, QStringLiteral("fuzz"));
    if (!result.ok()) {
        std::abort();
    }
    const int count = CountQuestions(*result);
    if (count < 0 || count > kSlotCount) {
        std::abort();
    }
    for (int s = 1; s <= kSlotCount; ++s) {
        const TQuestionEntry& entry = result->entries[size_t(s)];
        const QuestionSlot slot = loadSlot(entry);
        (void)QuestionKindOf(entry);
        // Storing what was loaded must give back the same texts (cut to the field's size).
        TQuestionEntry copy;
        storeSlot(copy, slot);
        const QuestionSlot again = loadSlot(copy);
        if (again.question != slot.question || again.answers != slot.answers ||
            again.correct != slot.correct) {
            std::abort();
        }
    }
    (void)categoryTitle(*result);
    if (questionFileToBytes(*result) != bytes.left(kQuestionFileSize)) {
        std::abort();
    }
    return 0;
}
