#include "ItemExtraction.h"

namespace morvane {

ItemExtraction::ItemExtraction(ExtractionSource source, Setup setup)
    : source_(std::move(source)),
      setup_(std::move(setup)),
      writer_(setup_.fileSystem, !source_.checkedItems) {}

ItemExtraction::~ItemExtraction() {
    Discard();
}

std::string ItemExtraction::Output(const AcceptedItem& item, std::size_t index) const {
    return OutputName(setup_.outputRoot, item.kind, source_.name,
                      source_.firstNumber + static_cast<std::int64_t>(index));
}

void ItemExtraction::WriteUpTo(const std::vector<AcceptedItem>& accepted) {
    for (std::size_t i = outcomes_.size(); i < accepted.size(); ++i) {
        if (!opened_ && source_.open == nullptr) {
            opened_ = true;
            file_ = setup_.fileSystem.OpenSource(source_.path, openError_);
        }
        const AcceptedItem& item = accepted[i];
        // Without the source every item fails with the one error already told.
        if (!Reader() && !item.built) {
            outcomes_.push_back({openError_, true, {}});
            continue;
        }
        const std::string output = Output(item, i) + setup_.aheadSuffix;
        outcomes_.push_back(setup_.distinct ? WriteDistinct(item, output) : Write(item, output));
        if (!setup_.aheadSuffix.empty() && !outcomes_.back().error)
            outcomes_.back().aheadPath = output;
    }
}

ItemExtraction::Outcome ItemExtraction::Write(const AcceptedItem& item, const std::string& output) {
    return {writer_.Write(Reader(), source_.length, item, output), false, {}};
}

ItemExtraction::Outcome ItemExtraction::WriteDistinct(const AcceptedItem& item,
                                                      const std::string& output) {
    if (const std::error_code error = writer_.Read(Reader(), source_.length, item, bytes_))
        return {error, false, {}};
    if (std::optional<std::string> earlier = setup_.distinct->Earlier(bytes_))
        return {{}, false, std::move(*earlier)};
    const std::error_code error = writer_.WriteRead(bytes_, output);
    if (!error) setup_.distinct->Remember(bytes_, output);
    return {error, false, {}};
}

std::int64_t ItemExtraction::Tell(const std::vector<AcceptedItem>& accepted, std::size_t count,
                                  ScanSink& sink) {
    if (count > 0 && opened_ && !file_) sink.Failure(openError_);
    for (std::size_t i = 0; i < count; ++i) {
        const AcceptedItem& item = accepted[i];
        Outcome& outcome = outcomes_[i];
        const std::string output = Output(item, i);
        if (!outcome.aheadPath.empty()) {
            outcome.error = setup_.fileSystem.Rename(outcome.aheadPath, output);
            if (outcome.error) setup_.fileSystem.RemoveFile(outcome.aheadPath);
            outcome.aheadPath.clear();
        }
        std::optional<ItemOrigin> origin;
        if (source_.resourceMode)
            origin = item.built ? ItemOrigin::Resource : ItemOrigin::Signature;
        const FoundItem found{source_.path,   source_.name,  item.kind, item.offset + 1,
                              item.size,      origin,        output,    item.resourceName,
                              outcome.sameAs, source_.inside};
        if (outcome.error)
            sink.ItemFailed(found, {outcome.error, outcome.sourceUnreadable});
        else
            sink.ItemWritten(found);
    }
    told_ = count;
    Discard();
    return static_cast<std::int64_t>(count);
}

void ItemExtraction::Discard() {
    for (std::size_t i = told_; i < outcomes_.size(); ++i) {
        if (!outcomes_[i].aheadPath.empty()) setup_.fileSystem.RemoveFile(outcomes_[i].aheadPath);
        outcomes_[i].aheadPath.clear();
    }
    told_ = outcomes_.size();
}

}  // namespace morvane
