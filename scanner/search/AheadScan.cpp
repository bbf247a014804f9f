#include "AheadScan.h"

#include "KindFolders.h"
#include "PageSearch.h"

namespace morvane {

std::unique_ptr<AheadScan> ScanAhead(const AheadSource& source, const AheadOutput& output,
                                     SearchPhase& search) {
    if (CreateKindFolders(output.fileSystem, output.outputRoot)) return nullptr;
    auto ahead = std::make_unique<AheadScan>();
    const std::string& name = source.name;
    const ScanOptions& options = source.options;
    ahead->extraction = std::make_unique<ItemExtraction>(
        ExtractionSource{source.path, name, source.length, options.readResources,
                         options.checkItems},
        ItemExtraction::Setup{output.outputRoot, output.fileSystem, nullptr, output.suffix});
    std::error_code error;
    const std::unique_ptr<SourceFile> file = output.fileSystem.OpenSource(source.path, error);
    if (!file) {
        ahead->record.Failure(error);
        return ahead;
    }
    ahead->accepted = search.Run(
        *file, source.length, {options, ahead->record, source.cancel, name},
        [&](std::int64_t page) { return std::move(source.pages[static_cast<std::size_t>(page)]); },
        [&](const std::vector<AcceptedItem>& accepted) { ahead->extraction->WriteUpTo(accepted); });
    if (search.EndedUnread()) ahead->record.EndedUnread();
    ahead->containers = search.TakeContainers(ContainerSearchEnd(source.length, options));
    return ahead;
}

}  // namespace morvane
