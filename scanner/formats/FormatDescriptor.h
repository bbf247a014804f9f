// Everything the programs know about one kind of media, in one record: each kind's own file holds
// one of these and FormatTable lists them all. The orders of the lists, the signature table and
// the prefilter are derived from these records.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ItemView.h"
#include "ResourceKind.h"
#include "SignatureRow.h"

namespace morvane {

// A whole item's structural check; returns the size its structure gives, or 0.
using CheckFn = std::int64_t (*)(const ItemView& item, ResourceKind kind,
                                 std::int64_t bytesToEnd) noexcept;

// The symbol the window program draws for a kind; the drawings themselves live with the
// catalogue, which knows Qt.
enum class KindSymbol { Icon, Cursor, AnimatedCursor, Bitmap, Jpeg, Gif, Png, Wave, Midi, Avi };

// A kind that lives in a RIFF container, told apart from its siblings by the form type.
struct RiffForm {
    std::string_view form;  // the four bytes at offset 8 of a whole item ("WAVE")
    std::string_view mark;  // what the size rule looks for in the first 12 bytes
    int precedence;         // lower first: the first form the size rule finds decides
};

// A kind's places in the orders that earlier versions fixed and that stores, logs and windows
// still follow. Each is 0-based and every order holds each kind once.
struct FormatRanks {
    int folder;     // the kind folders are created in this order
    int stored;     // the store's "SCAN_" keys are read and written in this order
    int node;       // a scan adds its per-source tree nodes in this order
    int optionBox;  // the options dialog's formats page, top to bottom
};

// PE resources that are items of a kind: by their type, or, when no kind answers to the type, by
// their first bytes (a RIFF kind's resource also needs its form).
struct ResourceTypes {
    std::span<const std::uint32_t> ids = {};  // numbered types
    std::string_view name = {};               // a named type, in any letter case ("AVI"), or empty
    std::string_view leading = {};            // the first bytes of an untyped resource of the kind
    std::size_t leastSize = 0;                // and the fewest bytes it may have
};

struct FormatDescriptor {
    ResourceKind kind;
    std::string_view name;  // the folder name, the file extension and the tree key
    std::span<const SignatureRow> signatures;
    RiffForm riff;  // empty form: not a RIFF kind
    CheckFn check;
    ResourceTypes resources;
    std::string_view settingsKey;
    int toolbarImage;   // 1-based index in the toolbar's image list of the kind's symbol
    int categoryImage;  // the picture of the kind's category node in the tree
    KindSymbol symbol;
    bool expandedAfterScan;  // whether its category opens when a scan ends
    bool listShowsItself;    // the item list shows each item's own picture, not the symbol
    bool exportsAsPicture;   // the item menu's picture exports apply to its items
    int optionBox;           // the number N of the options dialog's "CheckN"
    FormatRanks ranks;
};

}  // namespace morvane
