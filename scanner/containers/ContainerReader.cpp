#include "containers/ContainerReader.h"

#include "containers/ArchiveReader.h"
#include "containers/CompoundFileReader.h"

namespace morvane {

std::unique_ptr<ContainerReader> OpenContainer(SourceFile& source, std::int64_t length,
                                               const ContainerCandidate& candidate,
                                               bool& unavailable) {
    switch (candidate.format) {
        case ContainerFormat::CompoundFile:
            return OpenCompoundFile(source, length, candidate.offset);
        case ContainerFormat::Nsis:
            return nullptr;
        default:
            if (!ArchivesReadable()) {
                unavailable = true;
                return nullptr;
            }
            return OpenArchive(source, length, candidate);
    }
}

}  // namespace morvane
