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
                                            const ContainerCandidate& candidate,
                                            UnpackBudget& budget, bool& empty,
                                            OpenAttempt& attempt) {
    switch (candidate.format) {
        case ContainerFormat::CompoundFile:
            return OpenCompoundFile(source, length, candidate.offset, attempt.parsedEnd);
        case ContainerFormat::Nsis:
            return OpenNsis(source, length, candidate.offset, budget, attempt.failure);
        default:
            if (!ArchivesReadable()) {
                attempt.failure = OpenFailure::Unavailable;
                return nullptr;
            }
            return OpenArchive(source, length, candidate, empty);
    }
}
}  // namespace

std::unique_ptr<ContainerReader> OpenContainer(SourceFile& source, std::int64_t length,
                                               const ContainerCandidate& candidate,
                                               UnpackBudget& budget, OpenAttempt& attempt) {
    attempt = {};
    bool empty = false;
    std::unique_ptr<ContainerReader> reader =
        OpenFormat(source, length, candidate, budget, empty, attempt);
    if (!reader && !empty && attempt.failure == OpenFailure::NotThere &&
        Unmistakable(candidate.format))
        attempt.failure = OpenFailure::Damaged;
    return reader;
}

}  // namespace morvane
