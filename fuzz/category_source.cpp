// Feeds arbitrary bytes to the JSON and CSV category source readers. A source they accept
// without a problem must come back the same through a category file and the writers.
#include <cstdint>
#include <cstdlib>

#include "core/questions/category_source.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const SourceFormat format : {SourceFormat::Json, SourceFormat::Csv}) {
        const ParsedSource parsed = parseCategorySource(input, format);
        if (!reviewSource(parsed, false).empty()) {
            continue;  // refused sources have their problems reported
        }
        const TQuestionFile file = buildCategory(parsed.questions, QStringLiteral("fuzz"), {});
        const std::vector<PlainQuestion> stored = categoryQuestions(file);
        if (!sameContent(parsed.questions, stored)) {
            std::abort();  // a clean source lost something on the way into the file
        }
        for (const SourceFormat out : {SourceFormat::Json, SourceFormat::Csv}) {
            const ParsedSource again = parseCategorySource(writeCategorySource(stored, out), out);
            if (!again.problems.empty() || !sameContent(stored, again.questions)) {
                std::abort();  // the writer gave a source that does not read back the same
            }
        }
        (void)checkCategoryRecord(file);
    }
    return 0;
}
