#include "NeWriter.h"

#include <map>

namespace morvane::test {

namespace {
constexpr std::uint32_t kInteger = 0x8000;

void Set16(Bytes& at, std::size_t offset, std::size_t v) {
    at[offset] = static_cast<std::uint8_t>(v);
    at[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}
}  // namespace

Bytes MakeNe(const std::vector<PeResource>& resources, const NeLayout& layout) {
    std::map<std::pair<std::string, std::uint32_t>, std::vector<const PeResource*>> types;
    for (const PeResource& r : resources) types[{r.typeName, r.type}].push_back(&r);
    Bytes table;
    PutLE16(table, layout.shift);
    std::vector<std::pair<std::size_t, std::string>> names;  // the fields that name one
    std::vector<std::pair<std::size_t, const PeResource*>> entries;
    for (const auto& [type, list] : types) {
        if (!type.first.empty()) names.emplace_back(table.size(), type.first);
        PutLE16(table, kInteger | type.second);
        PutLE16(table, static_cast<std::uint32_t>(list.size()));
        PutLE32(table, 0);
        for (const PeResource* r : list) {
            entries.emplace_back(table.size(), r);
            if (!r->name.empty()) names.emplace_back(table.size() + 6, r->name);
            for (std::uint32_t field : {0U, 0U, 0x30U, kInteger | r->id, 0U, 0U})
                PutLE16(table, field);
        }
    }
    PutLE16(table, 0);
    for (const auto& [field, name] : names) {
        Set16(table, field, table.size());
        table.push_back(static_cast<std::uint8_t>(name.size()));
        Append(table, ToBytes(name));
    }
    table.push_back(0);
    const std::size_t header = layout.stub ? 0x40 : 0, unit = std::size_t{1} << layout.shift;
    Bytes ne(header + kNeResourceTable, 0);
    if (layout.stub) ne[0] = 'M', ne[1] = 'Z', ne[0x3C] = 0x40;
    ne[header] = 'N', ne[header + 1] = 'E', ne[header + 0x36] = 2;  // for Windows
    // The segment, resource, resident-name, module and import tables, in the linker's order.
    const std::size_t end = kNeResourceTable + table.size();
    for (const auto& [field, at] : {std::pair{0x22, kNeResourceTable},
                                    {0x24, kNeResourceTable},
                                    {0x26, end},
                                    {0x28, end + 1},
                                    {0x2A, end + 1}})
        Set16(ne, header + field, at);
    Append(ne, table);
    ne.push_back(0);  // the resident-name table, empty
    for (const auto& [entry, r] : entries) {
        ne.resize((ne.size() + unit - 1) / unit * unit, 0);
        Set16(ne, header + kNeResourceTable + entry, ne.size() >> layout.shift);
        Set16(ne, header + kNeResourceTable + entry + 2,
              (r->data.size() + unit - 1) >> layout.shift);
        Append(ne, r->data);
    }
    ne.resize((ne.size() + unit - 1) / unit * unit, 0);
    return ne;
}

}  // namespace morvane::test
