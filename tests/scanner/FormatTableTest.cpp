// The tables derived from the format descriptors: each kind has its own name, key, box and
// pictures, every signature row is its descriptor's, untyped resources find their kind, and the
// shuffle prefilter still reaches every signature when there are more families than buckets.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SignatureTable.h"
#include "TeddyTables.h"
#include "WholeResources.h"

namespace morvane {
namespace {

TEST(FormatTableTest, EveryKindHasItsOwnNameKeyBoxAndPicture) {
    std::set<std::string> names, keys;
    std::set<int> boxes, pictures;
    for (const FormatDescriptor& format : kFormats) {
        std::string lower(format.name);
        for (char& c : lower) c = static_cast<char>(c - 'A' + 'a');
        EXPECT_EQ(ParseKind(lower), format.kind) << format.name;
        EXPECT_TRUE(names.insert(std::string(format.name)).second &&
                    keys.insert(std::string(format.settingsKey)).second &&
                    boxes.insert(format.optionBox).second &&
                    pictures.insert(format.toolbarImage).second)
            << format.name;
    }
    for (const FormatDescriptor& format : kFormats)  // a category picture of its own is no item's
        EXPECT_TRUE(format.categoryImage == format.toolbarImage ||
                    pictures.count(format.categoryImage) == 0)
            << format.name;
}

TEST(FormatTableTest, EverySignatureRowIsListedByTheKindsThatSearchIt) {
    std::set<int> listed;
    for (const FormatDescriptor& format : kFormats)
        for (const SignatureRow& row : format.signatures) {
            const SignatureRow& gathered =
                AllSignatureRows()[static_cast<std::size_t>(row.row - 1)];
            EXPECT_EQ(gathered.bytes.data(), row.bytes.data()) << format.name;
            listed.insert(row.row);
            ScanOptions only{.enabled = {}};
            only.Enable(format.kind, true);
            const std::vector<SignatureRow> table = BuildSignatureTable(only);
            EXPECT_TRUE(std::any_of(table.begin(), table.end(), [&](const SignatureRow& r) {
                return r.row == row.row;
            })) << format.name;
        }
    EXPECT_EQ(listed.size(), AllSignatureRows().size());
}

// An untyped resource that begins as a kind's do is of that kind, and of no kind listed before it.
TEST(FormatTableTest, UntypedResourcesAreToldApartByTheirFirstBytes) {
    for (const FormatDescriptor& format : kFormats) {
        std::vector<std::uint8_t> bytes(std::max<std::size_t>(format.resources.leastSize, 12), 7);
        std::copy(format.resources.leading.begin(), format.resources.leading.end(), bytes.begin());
        std::copy(format.riff.form.begin(), format.riff.form.end(), bytes.begin() + 8);
        ResourceKind kind{};
        EXPECT_TRUE(KindBySignature(bytes, kind) && kind == format.kind) << format.name;
    }
}

// Twelve fingerprints that fold into no family of another: buckets must be shared, by families
// of different shifts.
constexpr std::array<std::array<std::uint8_t, 6>, 12> kPatterns = [] {
    std::array<std::array<std::uint8_t, 6>, 12> all{};
    for (int k = 0; k < 12; ++k)
        for (int j = 0; j < 6; ++j) all[k][j] = static_cast<std::uint8_t>(0x11 * (j + 1) + k);
    return all;
}();
constexpr std::array<SignatureRow, 12> kManyRows = [] {
    std::array<SignatureRow, 12> rows{};
    for (int k = 0; k < 12; ++k)
        rows[k] = {k + 1, kPatterns[k], RuleCode::Gif, ResourceKind::GIF, nullptr, {k % 3, {0, 1}}};
    return rows;
}();
constexpr auto kManyPlan = teddy::BuildPlan(kManyRows);
constexpr teddy::Tables kManyTables = teddy::BuildTables(kManyPlan);

// What a shuffle kernel does at each position, one byte at a time.
std::set<std::size_t> ShuffleStarts(const std::vector<std::uint8_t>& data) {
    std::set<std::size_t> starts;
    for (std::size_t i = 0; i + teddy::kFingerprint <= data.size(); ++i) {
        unsigned hits = 0xFF;
        for (int j = 0; j < teddy::kFingerprint; ++j)
            hits &= kManyTables.low[j][data[i + j] & 15] & kManyTables.high[j][data[i + j] >> 4];
        for (; hits != 0; hits &= hits - 1)
            for (unsigned s = kManyPlan.bucketShifts[__builtin_ctz(hits)]; s != 0; s &= s - 1)
                if (i >= static_cast<std::size_t>(__builtin_ctz(s)))
                    starts.insert(i - static_cast<std::size_t>(__builtin_ctz(s)));
    }
    return starts;
}

TEST(FormatTableTest, FamiliesBeyondTheEighthShareBucketsAndAreStillFound) {
    ASSERT_EQ(kManyPlan.familyCount, 12);
    EXPECT_LE(kManyPlan.startsPerPosition, 12);
    for (const SignatureRow& row : kManyRows) {
        std::vector<std::uint8_t> data(40, 0);
        std::copy(row.bytes.begin(), row.bytes.end(), data.begin() + 20);
        EXPECT_EQ(ShuffleStarts(data).count(20), 1u) << row.row;
    }
    EXPECT_TRUE(ShuffleStarts(std::vector<std::uint8_t>(40, 0)).empty());
}

}  // namespace
}  // namespace morvane
