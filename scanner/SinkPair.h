// Two sinks as one: every event goes to the first, then to the second. A progress report stops
// the scan when either answers stop.
#pragma once

#include "ScanSink.h"

namespace morvane {

class SinkPair final : public ScanSink {
  public:
    SinkPair(ScanSink& first, ScanSink& second) : first_(first), second_(second) {}

    void SourceBegun(const SourceStart& start) override {
        first_.SourceBegun(start);
        second_.SourceBegun(start);
    }
    void FoldersFailed(const FoldersFailure& failure) override {
        first_.FoldersFailed(failure);
        second_.FoldersFailed(failure);
    }
    void SearchBegun(const SourceStart& start) override {
        first_.SearchBegun(start);
        second_.SearchBegun(start);
    }
    SinkAnswer Progress(const ScanProgress& progress) override {
        const SinkAnswer first = first_.Progress(progress);
        const SinkAnswer second = second_.Progress(progress);
        return first == SinkAnswer::Stop ? first : second;
    }
    void Failure(const std::error_code& error) override {
        first_.Failure(error);
        second_.Failure(error);
    }
    void ContainerFailed(const ContainerFailure& failure) override {
        first_.ContainerFailed(failure);
        second_.ContainerFailed(failure);
    }
    void ItemWritten(const FoundItem& item) override {
        first_.ItemWritten(item);
        second_.ItemWritten(item);
    }
    void ItemFailed(const FoundItem& item, const ItemFailure& failure) override {
        first_.ItemFailed(item, failure);
        second_.ItemFailed(item, failure);
    }
    void SourceEnded(const SourceEnd& end) override {
        first_.SourceEnded(end);
        second_.SourceEnded(end);
    }

  private:
    ScanSink& first_;
    ScanSink& second_;
};

}  // namespace morvane
