// A scan engine writing under a temporary folder, with a fixed clock and a recording observer.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "MediaSamples.h"
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

    ScanSetup Setup(FileSystem* fileSystem = &NativeFileSystem()) const {
        ScanSetup setup;
        setup.outputRoot = root;
        setup.clock = [] { return std::string("T"); };
        setup.fileSystem = fileSystem;
        return setup;
    }

    ScanSummary Scan(const std::string& path, const ScanOptions& options = {},
                     FileSystem* fileSystem = &NativeFileSystem()) {
        return ScanEngine(Setup(fileSystem)).ScanFile(path, options, observer, stop);
    }

    std::string Out(std::string_view kind, const std::string& name) const {
        return root + std::string(kind) + kPathSeparator + name;
    }

    std::string LogText() const {
        const Bytes bytes = ReadFileBytes(root + "LOG.txt");
        return std::string(bytes.begin(), bytes.end());
    }
};

}  // namespace morvane::test
