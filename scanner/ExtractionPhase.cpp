#include "ExtractionPhase.h"

#include <memory>

#include "PathHelpers.h"

namespace morvane {

std::int64_t ExtractAcceptedItems(const std::vector<AcceptedItem>& accepted,
                                  const ExtractionSource& source, const std::string& outputRoot,
                                  FileSystem& fileSystem, ScanObserver& observer, ScanLog& log) {
    std::error_code openError;
    std::unique_ptr<SourceFile> file;
    if (!accepted.empty()) {
        file = fileSystem.OpenSource(source.path, openError);
        if (!file) log.Failure(openError);
    }
    ItemWriter writer(fileSystem, !source.checkedItems);
    std::int64_t counter = 0;
    for (const AcceptedItem& item : accepted) {
        const std::string output = OutputName(outputRoot, item.kind, source.name, counter);
        // Without the source every item fails with the one error already logged.
        const std::error_code writeError =
            (file || item.built) ? writer.Write(file.get(), source.length, item, output)
                                 : openError;
        if (writeError && (file || item.built)) log.Failure(writeError);
        ++counter;
        observer.ItemCounted(item.kind, source.name);
        log.Item(item.kind, item.offset + 1, item.size);
        const char* from = nullptr;
        if (source.resourceMode) from = item.built ? "resource" : "signature";
        observer.ItemExtracted(
            {source.path, item.kind, item.offset + 1, item.size, output, !writeError, from});
    }
    return counter;
}

}  // namespace morvane
