// A scan engine writing under a temporary folder, with a fixed clock and a recording observer.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "PathHelpers.h"
#include "RecordingObserver.h"
#include "ScanEngine.h"
#include "TempFolder.h"

namespace morvane::test {

inline Bytes Compose(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) Append(all, part);
    return all;
}

class EngineFixture : public ::testing::Test {
  protected:
    TempFolder temp;
    std::string root = temp.path() + "out" + kPathSeparator;
    RecordingObserver observer;
    StopToken stop;

    ScanSummary Scan(const std::string& path, const ScanOptions& options = {},
                     FileSystem* fileSystem = &NativeFileSystem()) {
        ScanSetup setup;
        setup.outputRoot = root;
        setup.clock = [] { return std::string("T"); };
        setup.fileSystem = fileSystem;
        return ScanEngine(setup).ScanFile(path, options, observer, stop);
    }
    // A fresh observer and a scan of a new source holding `bytes`.
    ScanSummary Rescan(const std::string& name, const Bytes& bytes,
                       const ScanOptions& options = {}) {
        observer = {};
        return Scan(temp.Write(name, bytes), options);
    }
    std::string Out(std::string_view kind, const std::string& name) const {
        return root + std::string(kind) + kPathSeparator + name;
    }
    // The kinds of the items found, in the order they were reported.
    std::string Kinds() const {
        std::string kinds;
        for (const RecordedItem& item : observer.items)
            kinds += std::string(KindName(item.kind)) + " ";
        return kinds;
    }
};

}  // namespace morvane::test
