#include "ItemExtraction.h"

#include <algorithm>

namespace morvane {

ItemExtraction::ItemExtraction(ExtractionSource source, Setup setup)
    : source_(std::move(source)),
      setup_(std::move(setup)),
      writer_(setup_.fileSystem, !source_.checkedItems) {}

ItemExtraction::~ItemExtraction() {
    Discard();
}

std::string ItemExtraction::NextOutput(const AcceptedItem& item) {
    return OutputName(setup_.outputRoot, item.kind, source_.name, source_.firstNumber + named_++);
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
            outcomes_.push_back({openError_, true});
            outcomes_.back().output = NextOutput(item);
            continue;
        }
        outcomes_.push_back(Take(item));
        if (!setup_.aheadSuffix.empty() && !outcomes_.back().error &&
            !outcomes_.back().output.empty())
            outcomes_.back().aheadPath = outcomes_.back().output + setup_.aheadSuffix;
    }
}

ItemExtraction::Outcome ItemExtraction::Take(const AcceptedItem& item) {
    if (setup_.distinct == nullptr && !LooksForEchoes()) return Write(item, NextOutput(item));
    return WriteRead(item);
}

ItemExtraction::Outcome ItemExtraction::Write(const AcceptedItem& item, std::string output) {
    Outcome outcome{writer_.Write(Reader(), source_.length, item, output + setup_.aheadSuffix)};
    outcome.output = std::move(output);
    return outcome;
}

// The item's bytes are read first, to be compared with those of the enclosing data's items and,
// in a run of distinct items, with every item written before.
ItemExtraction::Outcome ItemExtraction::WriteRead(const AcceptedItem& item) {
    Outcome outcome;
    outcome.error = writer_.Read(Reader(), source_.length, item, bytes_);
    if (!outcome.error && LooksForEchoes()) {
        // The part of the item past the entry's end is not in its file, nor is its line break
        // then where the enclosing data's copy has it.
        const std::int64_t past =
            item.built ? 0 : std::max<std::int64_t>(0, item.offset + item.size - source_.length);
        const std::size_t lineBreak = past > 0 && !source_.checkedItems ? 2 : 0;
        const std::span<const std::uint8_t> common(
            bytes_.data(), bytes_.size() - std::min(lineBreak, bytes_.size()));
        const std::int64_t whole = static_cast<std::int64_t>(bytes_.size()) + past;
        if (std::optional<std::string> echo =
                setup_.enclosing->Echo(source_.inside.size(), common, whole)) {
            outcome.echoOf = std::move(*echo);
            outcome.fileSize = whole;  // of the enclosing data's copy, which stands for it
            return outcome;
        }
    }
    outcome.output = NextOutput(item);
    if (outcome.error) return outcome;
    outcome.fileSize = static_cast<std::int64_t>(bytes_.size());
    if (setup_.distinct != nullptr) {
        if (std::optional<std::string> earlier = setup_.distinct->Earlier(bytes_)) {
            outcome.sameAs = std::move(*earlier);
            return outcome;
        }
    }
    outcome.error = writer_.WriteRead(bytes_, outcome.output + setup_.aheadSuffix);
    if (!outcome.error && setup_.distinct != nullptr)
        setup_.distinct->Remember(bytes_, outcome.output + setup_.aheadSuffix);
    return outcome;
}

// What an item's file holds, for the entries inside this data to be compared with.
void ItemExtraction::Hold(const Outcome& outcome) {
    if (setup_.enclosing == nullptr || outcome.error) return;
    const std::string& path = outcome.echoOf.empty()
                                  ? (outcome.sameAs.empty() ? outcome.output : outcome.sameAs)
                                  : outcome.echoOf;
    std::int64_t size = outcome.fileSize;
    if (size < 0) {
        std::error_code error;
        size = setup_.fileSystem.FileSize(path, error);
        if (error) return;
    }
    setup_.enclosing->Hold(source_.inside.size(), path, size);
}

std::int64_t ItemExtraction::Tell(const std::vector<AcceptedItem>& accepted, std::size_t count,
                                  ScanSink& sink) {
    if (count > 0 && opened_ && !file_) sink.Failure(openError_);
    std::int64_t told = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const AcceptedItem& item = accepted[i];
        Outcome& outcome = outcomes_[i];
        if (outcome.output.empty()) {  // the enclosing data's item, told with it
            Hold(outcome);
            continue;
        }
        const std::string& output = outcome.output;
        if (!outcome.aheadPath.empty()) {
            outcome.error = setup_.fileSystem.Rename(outcome.aheadPath, output);
            if (outcome.error) setup_.fileSystem.RemoveFile(outcome.aheadPath);
            outcome.aheadPath.clear();
        }
        Hold(outcome);
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
        ++told;
    }
    told_ = count;
    Discard();
    return told;
}

void ItemExtraction::Discard() {
    for (std::size_t i = told_; i < outcomes_.size(); ++i) {
        if (!outcomes_[i].aheadPath.empty()) setup_.fileSystem.RemoveFile(outcomes_[i].aheadPath);
        outcomes_[i].aheadPath.clear();
    }
    told_ = outcomes_.size();
}

}  // namespace morvane
