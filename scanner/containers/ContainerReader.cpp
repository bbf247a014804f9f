#include "containers/ContainerReader.h"

#include "containers/ArchiveReader.h"
#include "containers/CompoundFileReader.h"
#include "containers/NsisReader.h"

namespace morvane {

namespace {
// Signatures of six bytes or more, or checked further by the finder: a failed opening there is a
// damaged container, not a chance match.
bool Unmistakable(ContainerFormat format) {
    switch (format) {
        case ContainerFormat::SevenZip:
        case ContainerFormat::Cabinet:
        case ContainerFormat::Rar:
        case ContainerFormat::Xz:
        case ContainerFormat::Bzip2:
        case ContainerFormat::CompoundFile:
        case ContainerFormat::Nsis:
            return true;
        default:
            return false;
    }
}

std::unique_ptr<ContainerReader> OpenFormat(SourceFile& source, std::int64_t length,
                                            const ContainerCandidate& candidate, bool& empty,
                                            OpenFailure& failure) {
    switch (candidate.format) {
        case ContainerFormat::CompoundFile:
            return OpenCompoundFile(source, length, candidate.offset);
        case ContainerFormat::Nsis:
            return OpenNsis(source, length, candidate.offset, failure);
        default:
            if (!ArchivesReadable()) {
                failure = OpenFailure::Unavailable;
                return nullptr;
            }
            return OpenArchive(source, length, candidate, empty);
    }
}
}  // namespace

std::unique_ptr<ContainerReader> OpenContainer(SourceFile& source, std::int64_t length,
                                               const ContainerCandidate& candidate,
                                               OpenFailure& failure) {
    failure = OpenFailure::NotThere;
    bool empty = false;
    std::unique_ptr<ContainerReader> reader = OpenFormat(source, length, candidate, empty, failure);
    if (!reader && !empty && failure == OpenFailure::NotThere && Unmistakable(candidate.format))
        failure = OpenFailure::Damaged;
    return reader;
}

}  // namespace morvane
