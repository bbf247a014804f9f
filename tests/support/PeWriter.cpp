// The images have one section, ".rsrc", whose raw data is the resource tree: directories depth
// first, each leaf's data entry after its directory, then the type names, then the data.
#include "PeWriter.h"

#include <algorithm>
#include <map>

namespace morvane::test {

namespace {
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kHigh = 0x80000000U;

void Set32(Bytes& at, std::size_t offset, std::size_t v) {
    for (int i = 0; i < 4; ++i) at[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t Get32(const Bytes& at, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | at[offset + i];
    return v;
}

Bytes ResourceTree(const std::vector<PeResource>& resources, const PeLayout& layout) {
    std::map<std::pair<std::string, std::uint32_t>,
             std::map<std::uint32_t, std::map<std::uint32_t, const PeResource*>>>
        types;
    for (const PeResource& r : resources) types[{r.typeName, r.type}][r.id][r.language] = &r;
    Bytes tree;
    std::vector<std::pair<std::size_t, const PeResource*>> entries;
    std::vector<std::pair<std::size_t, std::string>> names;
    const auto directory = [&tree](std::size_t count) {  // returns its first entry's slot
        const std::size_t at = tree.size();
        tree.resize(at + 16 + 8 * count);
        tree[at + 14] = static_cast<std::uint8_t>(count);  // the number of id entries
        return at + 16;
    };
    const auto entry = [&tree](std::size_t& slot, std::uint32_t key, std::size_t target) {
        Set32(tree, slot, key);
        Set32(tree, slot + 4, target);
        slot += 8;
    };
    std::size_t rootSlot = directory(types.size() + (layout.loop ? 1 : 0));
    for (const auto& [type, ids] : types) {
        if (!type.first.empty()) names.emplace_back(rootSlot, type.first);
        std::size_t idSlot = directory(ids.size());
        entry(rootSlot, type.second, kHigh | (idSlot - 16));
        for (const auto& [id, languages] : ids) {
            std::size_t languageSlot = directory(languages.size());
            entry(idSlot, id, kHigh | (languageSlot - 16));
            for (const auto& [language, resource] : languages) {
                entries.emplace_back(tree.size(), resource);
                entry(languageSlot, language, tree.size());
                tree.resize(tree.size() + 16);
            }
        }
    }
    if (layout.loop) entry(rootSlot, 0, kHigh);  // back to the root
    for (const auto& [slot, name] : names) {
        Set32(tree, slot, kHigh | tree.size());
        PutLE16(tree, static_cast<std::uint32_t>(name.size()));
        for (char c : name) PutLE16(tree, static_cast<std::uint8_t>(c));
    }
    for (const auto& [at, resource] : entries) {
        if (tree.size() % 2 != 0) tree.push_back(0);
        const bool shared = layout.shareData && at != entries[0].first;
        Set32(tree, at, shared ? Get32(tree, entries[0].first) : kSectionRva + tree.size());
        Set32(tree, at + 4, shared ? Get32(tree, entries[0].first + 4) : resource->data.size());
        if (!shared) Append(tree, resource->data);
    }
    return tree;
}
}  // namespace

Bytes MakePe(const std::vector<PeResource>& resources, const PeLayout& layout) {
    const Bytes tree = ResourceTree(resources, layout);
    const std::uint32_t optionalSize = layout.pe32Plus ? 240 : 224;
    Bytes pe(0x40, 0);
    pe[0] = 'M', pe[1] = 'Z';
    Set32(pe, 0x3C, 0x40);
    Append(pe, ToBytes(std::string("PE\0\0", 4)));
    PutLE16(pe, layout.pe32Plus ? 0x8664 : 0x14C);
    PutLE16(pe, 1);  // one section
    pe.resize(pe.size() + 12, 0);
    PutLE16(pe, optionalSize);
    PutLE16(pe, 0x2102);
    Bytes optional(optionalSize, 0);
    optional[0] = 0x0B, optional[1] = layout.pe32Plus ? 0x02 : 0x01;
    const std::size_t directories = layout.pe32Plus ? 112 : 96;
    Set32(optional, directories - 4, 16);
    Set32(optional, directories + 16, kSectionRva);
    Set32(optional, directories + 20, tree.size());
    Append(pe, optional);
    Bytes section(40, 0);
    std::copy_n(".rsrc", 5, section.begin());
    const std::size_t fields[] = {tree.size(), kSectionRva, tree.size(),
                                  pe.size() + 40 + layout.padding};
    for (std::size_t i = 0; i < 4; ++i) Set32(section, 8 + 4 * i, fields[i]);
    Append(pe, section);
    pe.resize(pe.size() + layout.padding, 0);
    Append(pe, tree);
    return pe;
}

Bytes MakeDib(int width, int height, int bits, bool bitfields, bool icon) {
    Bytes dib;
    for (int field : {40, width, icon ? 2 * height : height})
        PutLE32(dib, static_cast<std::uint32_t>(field));
    PutLE16(dib, 1);  // planes
    PutLE16(dib, static_cast<std::uint32_t>(bits));
    PutLE32(dib, bitfields ? 3 : 0);
    dib.resize(40, 0);
    for (int i = 0; bits <= 8 && i < 1 << bits; ++i)
        PutLE32(dib, static_cast<std::uint32_t>(i * 0x010203));
    const std::uint32_t masks16[] = {0xF800, 0x07E0, 0x001F}, masks[] = {0xFF0000, 0xFF00, 0xFF};
    for (int i = 0; bitfields && i < 3; ++i) PutLE32(dib, bits == 16 ? masks16[i] : masks[i]);
    const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    for (std::size_t i = 0; i < stride * static_cast<std::size_t>(height); ++i)
        dib.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    if (icon) dib.resize(dib.size() + static_cast<std::size_t>((width + 31) / 32 * 4 * height), 0);
    return dib;
}

Bytes MakeGroupDirectory(bool cursor, const std::vector<GroupEntry>& entries, bool wine) {
    Bytes dir;
    PutLE16(dir, 0);
    PutLE16(dir, cursor ? 2 : 1);
    PutLE16(dir, static_cast<std::uint32_t>(entries.size()));
    for (const GroupEntry& e : entries) {
        if (cursor) {  // width, then the height of colour and mask together
            PutLE16(dir, static_cast<std::uint32_t>(e.size));
            PutLE16(dir, static_cast<std::uint32_t>(wine ? e.size : 2 * e.size));
        } else {  // width, height (0 for 256), colour count, reserved
            const auto side = static_cast<std::uint8_t>(e.size >= 256 ? 0 : e.size);
            Append(dir, {side, side, static_cast<std::uint8_t>(e.bits <= 4 ? 1U << e.bits : 0), 0});
        }
        PutLE16(dir, 1);  // planes
        PutLE16(dir, static_cast<std::uint32_t>(e.bits));
        PutLE32(dir, e.bytes);
        PutLE16(dir, e.id);
    }
    return dir;
}

}  // namespace morvane::test
