#include "worksheets/worksheetindex.h"

#include "platform/inputfile.h"
#include "state/sharedstate.h"

std::optional<WorksheetIndex> readWorksheetIndex(const QString& relativePath, long long limit) {
    InputFile file;
    if (!file.open(relativePath)) return std::nullopt;
    const auto count = file.readNumber();
    if (!count) return std::nullopt;
    WorksheetIndex index;
    index.complete = *count >= 0 && *count <= limit;
    const long long wanted = std::min<long long>(std::max<long long>(*count, 0), limit);
    for (long long i = 1; i <= wanted; ++i) {
        // A whole line: the older program wrote titles unquoted, commas and all.
        const auto title = file.readLine();
        if (!title) {
            index.complete = false;
            break;
        }
        index.titles.append(*title);
    }
    file.close();
    return index;
}

bool loadWorksheetIndex(const QString& relativePath) {
    const auto index = readWorksheetIndex(relativePath);
    if (!index) return false;
    Shared.WorksheetCount = static_cast<int>(index->titles.size());
    for (int i = 0; i < index->titles.size(); ++i)
        Shared.WorksheetTitles[i + 1] = index->titles[i];
    return index->complete;
}
