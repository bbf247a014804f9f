// The second half of a scan: every accepted item is written to its kind folder in the order the
// search took them, as soon as it has taken them, and the sink is told of them once the search is
// over, so that it hears of every chunk before any item. Items written ahead of their source's
// turn go under a name of their own and are renamed into place when they are told; those whose
// turn never comes are removed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "DistinctItems.h"
#include "EnclosingItems.h"
#include "FileSystem.h"
#include "ItemWriter.h"
#include "ScanSink.h"

namespace morvane {

struct ExtractionSource {
    std::string path;     // the source, with its folder
    std::string name;     // its file name, the stem of every output name
    std::int64_t length;  // its length when the search read it
    // Items then tell whether a resource table or a signature found them.
    bool resourceMode = false;
    // Checked items: each file ends where its structure does, without the line break after it.
    bool checkedItems = false;
    // An entry of a container: it is read from here rather than opened again by its path, its
    // items are numbered on from `firstNumber`, and they name the entry.
    SourceFile* open = nullptr;
    std::int64_t firstNumber = 0;
    std::vector<std::string> inside = {};
};

class ItemExtraction {
  public:
    struct Setup {
        std::string outputRoot;
        FileSystem& fileSystem;
        // Set when the run writes each distinct item once.
        DistinctItems* distinct = nullptr;
        // Set when the items are written ahead: added to each item's name until it is told.
        std::string aheadSuffix = {};
        // Set when containers are opened: the items told are held there for the entries inside
        // this data, and an entry's item that its enclosing data gave already is left out.
        EnclosingItems* enclosing = nullptr;
    };
    ItemExtraction(ExtractionSource source, Setup setup);
    ~ItemExtraction();
    ItemExtraction(const ItemExtraction&) = delete;
    ItemExtraction& operator=(const ItemExtraction&) = delete;

    // Writes the items of `accepted` that are not written yet.
    void WriteUpTo(const std::vector<AcceptedItem>& accepted);
    // Tells the first `count` items written (an item written ahead is first renamed into place)
    // and removes the other items written ahead. Returns how many were told: `count`, less the
    // items the enclosing data gave already.
    std::int64_t Tell(const std::vector<AcceptedItem>& accepted, std::size_t count, ScanSink& sink);
    // Where the items told are held, for a scan written ahead before containers were opened.
    void HoldTold(EnclosingItems* enclosing) noexcept { setup_.enclosing = enclosing; }
    // Removes every item written ahead and not told.
    void Discard();

  private:
    struct Outcome {
        std::error_code error;
        bool sourceUnreadable = false;  // the error is the source's, told once
        std::string sameAs = {};        // the equal item written before, which it is not
        std::string aheadPath = {};     // its file, written ahead and not yet told
        std::string output = {};        // its name; empty for an item the enclosing data gave
        std::string echoOf = {};        // that item's file
        std::int64_t fileSize = -1;     // of its file, when known
    };
    Outcome Take(const AcceptedItem& item);
    Outcome Write(const AcceptedItem& item, std::string output);
    Outcome WriteRead(const AcceptedItem& item);
    void Hold(const Outcome& outcome);
    // The next item's name: numbered on from the last item named.
    std::string NextOutput(const AcceptedItem& item);
    bool LooksForEchoes() const noexcept {
        return setup_.enclosing != nullptr && !source_.inside.empty();
    }
    SourceFile* Reader() const noexcept { return source_.open ? source_.open : file_.get(); }

    ExtractionSource source_;
    Setup setup_;
    ItemWriter writer_;
    bool opened_ = false;
    std::unique_ptr<SourceFile> file_;
    std::error_code openError_;
    std::vector<Outcome> outcomes_;
    std::size_t told_ = 0;
    std::int64_t named_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace morvane
