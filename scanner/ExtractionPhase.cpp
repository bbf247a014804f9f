#include "ExtractionPhase.h"

#include <memory>

#include "PathHelpers.h"

namespace morvane {

std::int64_t ExtractAcceptedItems(const std::vector<AcceptedItem>& accepted,
                                  const ExtractionSource& source, const std::string& outputRoot,
                                  FileSystem& fileSystem, ScanSink& sink) {
    std::error_code openError;
    std::unique_ptr<SourceFile> file;
    SourceFile* reader = source.open;
    if (!accepted.empty() && reader == nullptr) {
        file = fileSystem.OpenSource(source.path, openError);
        if (!file) sink.Failure(openError);
        reader = file.get();
    }
    ItemWriter writer(fileSystem, !source.checkedItems);
    std::int64_t counter = source.firstNumber;
    for (const AcceptedItem& item : accepted) {
        const std::string output = OutputName(outputRoot, item.kind, source.name, counter);
        // Without the source every item fails with the one error already told.
        const bool writable = reader != nullptr || item.built;
        const std::error_code writeError =
            writable ? writer.Write(reader, source.length, item, output) : openError;
        ++counter;
        std::optional<ItemOrigin> origin;
        if (source.resourceMode) origin = item.built ? ItemOrigin::Resource : ItemOrigin::Signature;
        const FoundItem found{source.path,     source.name,       item.kind,
                              item.offset + 1, item.size,         origin,
                              output,          item.resourceName, source.inside};
        if (writeError)
            sink.ItemFailed(found, {writeError, !writable});
        else
            sink.ItemWritten(found);
    }
    return counter - source.firstNumber;
}

}  // namespace morvane
