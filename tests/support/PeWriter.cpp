// The images have one section, ".rsrc", whose raw data is the resource tree: directories first,
// then data entries, names and the data itself.
#include "PeWriter.h"

#include <algorithm>
#include <map>

namespace morvane::test {

namespace {
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kHigh = 0x80000000U;

void Put8(Bytes& to, std::uint32_t v) {
    to.push_back(static_cast<std::uint8_t>(v));
}
void Zeros(Bytes& to, std::size_t n) {
    to.insert(to.end(), n, 0);
}
void Set32(Bytes& at, std::size_t offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Directories depth first, each leaf's data entry after its directory, then the type names,
// then the data.
Bytes ResourceTree(const std::vector<PeResource>& resources, bool loop) {
    std::map<std::pair<std::string, std::uint32_t>,
             std::map<std::uint32_t, std::map<std::uint32_t, const PeResource*>>>
        types;
    for (const PeResource& r : resources) types[{r.typeName, r.type}][r.id][r.language] = &r;
    Bytes tree;
    std::vector<std::pair<std::size_t, const PeResource*>> entries;
    std::vector<std::pair<std::size_t, std::string>> names;
    const auto directory = [&tree](std::size_t count) {
        const std::size_t at = tree.size();
        tree.resize(at + 16 + 8 * count);
        tree[at + 14] = static_cast<std::uint8_t>(count);
        return at;
    };
    const auto entry = [&tree](std::size_t& slot, std::uint32_t key, std::size_t target) {
        Set32(tree, slot, key);
        Set32(tree, slot + 4, static_cast<std::uint32_t>(target));
        slot += 8;
    };
    std::size_t rootSlot = directory(types.size() + (loop ? 1 : 0)) + 16;
    for (const auto& [type, ids] : types) {
        if (!type.first.empty()) names.emplace_back(rootSlot, type.first);
        const std::size_t typeDir = directory(ids.size());
        entry(rootSlot, type.second, kHigh | typeDir);
        std::size_t idSlot = typeDir + 16;
        for (const auto& [id, languages] : ids) {
            const std::size_t idDir = directory(languages.size());
            entry(idSlot, id, kHigh | idDir);
            std::size_t languageSlot = idDir + 16;
            for (const auto& [language, resource] : languages) {
                entries.emplace_back(tree.size(), resource);
                entry(languageSlot, language, tree.size());
                tree.resize(tree.size() + 16);
            }
        }
    }
    if (loop) entry(rootSlot, 0, kHigh);  // back to the root
    for (const auto& [slot, name] : names) {
        Set32(tree, slot, kHigh | static_cast<std::uint32_t>(tree.size()));
        PutLE16(tree, static_cast<std::uint32_t>(name.size()));
        for (char c : name) PutLE16(tree, static_cast<std::uint8_t>(c));
    }
    for (const auto& [at, resource] : entries) {
        if (tree.size() % 2 != 0) tree.push_back(0);
        Set32(tree, at, kSectionRva + static_cast<std::uint32_t>(tree.size()));
        Set32(tree, at + 4, static_cast<std::uint32_t>(resource->data.size()));
        Append(tree, resource->data);
    }
    return tree;
}

void PutHeaders(Bytes& pe, const PeLayout& layout, std::uint32_t treeSize,
                std::uint32_t rawOffset) {
    Bytes dos(0x40, 0);
    dos[0] = 'M', dos[1] = 'Z';
    Set32(dos, 0x3C, 0x40);
    Append(pe, dos);
    Append(pe, ToBytes(std::string("PE\0\0", 4)));
    const std::uint32_t optionalSize = layout.pe32Plus ? 240 : 224;
    PutLE16(pe, layout.pe32Plus ? 0x8664 : 0x14C);
    PutLE16(pe, 1);  // one section
    Zeros(pe, 12);
    PutLE16(pe, optionalSize);
    PutLE16(pe, 0x2102);
    Bytes optional(optionalSize, 0);
    optional[0] = 0x0B, optional[1] = layout.pe32Plus ? 0x02 : 0x01;
    const std::size_t directories = layout.pe32Plus ? 112 : 96;
    Set32(optional, directories - 4, 16);
    Set32(optional, directories + 16, kSectionRva);
    Set32(optional, directories + 20, treeSize);
    Append(pe, optional);
    Bytes section(40, 0);
    std::copy_n(".rsrc", 5, section.begin());
    const std::uint32_t fields[] = {treeSize, kSectionRva, treeSize, rawOffset};
    for (std::size_t i = 0; i < 4; ++i) Set32(section, 8 + 4 * i, fields[i]);
    Append(pe, section);
}
}  // namespace

Bytes MakePe(const std::vector<PeResource>& resources, const PeLayout& layout) {
    const Bytes tree = ResourceTree(resources, layout.loop);
    Bytes pe;
    const std::uint32_t headers = 0x40 + 4 + 20 + (layout.pe32Plus ? 240 : 224) + 40;
    PutHeaders(pe, layout, static_cast<std::uint32_t>(tree.size()), headers + layout.padding);
    Zeros(pe, layout.padding);
    Append(pe, tree);
    return pe;
}

Bytes MakeDib(int width, int height, int bits, bool bitfields, bool icon) {
    Bytes dib;
    PutLE32(dib, 40);
    PutLE32(dib, static_cast<std::uint32_t>(width));
    PutLE32(dib, static_cast<std::uint32_t>(icon ? 2 * height : height));
    PutLE16(dib, 1);
    PutLE16(dib, static_cast<std::uint32_t>(bits));
    PutLE32(dib, bitfields ? 3 : 0);
    Zeros(dib, 20);
    if (bits <= 8)
        for (int i = 0; i < (1 << bits); ++i)
            PutLE32(dib, static_cast<std::uint32_t>(i * 0x010203));
    if (bitfields) {
        PutLE32(dib, bits == 16 ? 0xF800 : 0xFF0000);
        PutLE32(dib, bits == 16 ? 0x07E0 : 0x00FF00);
        PutLE32(dib, bits == 16 ? 0x001F : 0x0000FF);
    }
    const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    for (std::size_t i = 0; i < stride * static_cast<std::size_t>(height); ++i)
        Put8(dib, static_cast<std::uint32_t>(i * 7 + 3));
    if (icon) Zeros(dib, static_cast<std::size_t>((width + 31) / 32 * 4 * height));
    return dib;
}

Bytes MakeGroupDirectory(bool cursor, const std::vector<GroupEntry>& entries) {
    Bytes dir;
    PutLE16(dir, 0);
    PutLE16(dir, cursor ? 2 : 1);
    PutLE16(dir, static_cast<std::uint32_t>(entries.size()));
    for (const GroupEntry& e : entries) {
        if (cursor) {
            PutLE16(dir, static_cast<std::uint32_t>(e.size));
            PutLE16(dir, static_cast<std::uint32_t>(2 * e.size));
        } else {
            Put8(dir, e.size >= 256 ? 0 : static_cast<std::uint32_t>(e.size));
            Put8(dir, e.size >= 256 ? 0 : static_cast<std::uint32_t>(e.size));
            Put8(dir, e.bits <= 4 ? 1U << e.bits : 0);
            Put8(dir, 0);
        }
        PutLE16(dir, 1);
        PutLE16(dir, static_cast<std::uint32_t>(e.bits));
        PutLE32(dir, e.bytes);
        PutLE16(dir, e.id);
    }
    return dir;
}

}  // namespace morvane::test
