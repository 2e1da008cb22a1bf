// The trailer that keeps the Number Edit limits and Option Button groups, which the document's
// own records have no room for.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "model/crc32.h"
#include "model/document.h"
#include "model/document_file.h"
#include "model/document_serialize.h"
#include "model/new_application.h"
#include "model/value_limits_trailer.h"
#include "recording_messages.h"

namespace lumora {
namespace {

std::span<const unsigned char> AsBytes(std::string_view s) {
    return std::span(reinterpret_cast<const unsigned char*>(s.data()), s.size());
}

std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
            static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

// A trailer assembled by hand, independent of the writer.
std::string Trailer(std::uint32_t version, std::uint32_t count,
                    const std::vector<std::int32_t>& values) {
    std::string t = "LMDX" + Le32(version) + Le32(count);
    for (std::int32_t v : values) {
        t += Le32(static_cast<std::uint32_t>(v));
    }
    return t + Le32(Crc32(AsBytes(t)));
}

std::vector<CLmComponent*> ComponentsInFileOrder(const CLumoraDoc& doc) {
    std::vector<CLmComponent*> all;
    for (const auto& form : doc.forms) {
        for (const auto& c : form->components) {
            all.push_back(c.get());
        }
    }
    return all;
}

TEST(Crc32, MatchesTheCommonCheckValues) {
    EXPECT_EQ(Crc32(AsBytes("")), 0u);
    EXPECT_EQ(Crc32(AsBytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32(AsBytes("The quick brown fox jumps over the lazy dog")), 0x414FA339u);
    // Every length and alignment agrees with the CRC computed one bit at a time.
    std::vector<unsigned char> data(100);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<unsigned char>(i * 37 + 11);
    }
    for (std::size_t start = 0; start < 8; ++start) {
        for (std::size_t length = 0; start + length <= data.size(); ++length) {
            std::uint32_t c = 0xFFFFFFFFu;
            for (std::size_t i = start; i < start + length; ++i) {
                c ^= data[i];
                for (int bit = 0; bit < 8; ++bit) {
                    c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                }
            }
            ASSERT_EQ(Crc32(std::span(data).subspan(start, length)), ~c) << start << "+" << length;
        }
    }
}

TEST(ValueLimitsTrailer, FollowsTheDocumentsUnchangedRecordsInItsFixedLayout) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    const auto components = ComponentsInFileOrder(doc);
    std::vector<std::int32_t> expected;
    for (const CLmComponent* c : components) {
        expected.insert(expected.end(), {c->maxValue, c->minValue, c->group});
    }
    const std::string records = SerializeDocumentRecords(doc);
    const std::string file = SerializeDocument(doc);
    ASSERT_EQ(file.substr(0, records.size()), records);
    EXPECT_EQ(file.substr(records.size()),
              Trailer(1, static_cast<std::uint32_t>(components.size()), expected));
}

// Every component type, spread over two forms, with values the records never held.
TEST(ValueLimitsTrailer, SaveThenOpenKeepsLimitsAndGroupsOfEveryComponent) {
    struct Case {
        AddTool tool;
        std::int32_t maxValue, minValue, group;
    };
    const Case cases[] = {
        {AddTool::Button, 1, 2, 3},
        {AddTool::Text, -1, -2, -3},
        {AddTool::Bitmap, 0, 0, 0},
        {AddTool::OptionButton, 0, 0, 2},
        {AddTool::GroupBox, INT32_MAX, INT32_MIN, INT32_MAX},
        {AddTool::CheckBox, INT32_MIN, INT32_MAX, INT32_MIN},
        {AddTool::NumberEdit, 3999, -3999, 7},
    };
    CLumoraDoc saved;
    StartNewApplication(saved);
    saved.AddForm();
    for (const Case& c : cases) {
        saved.AddComponent(c.tool);
        ASSERT_NE(saved.currentComponent, nullptr);
        saved.currentComponent->maxValue = c.maxValue;
        saved.currentComponent->minValue = c.minValue;
        saved.currentComponent->group = c.group;
    }
    const std::string bytes = SerializeDocument(saved);

    CLumoraDoc loaded;
    ValueLimitsTrailer trailer = ValueLimitsTrailer::Absent;
    ASSERT_FALSE(ReadDocument(bytes, loaded, &trailer));
    EXPECT_EQ(trailer, ValueLimitsTrailer::Read);
    const auto before = ComponentsInFileOrder(saved);
    const auto after = ComponentsInFileOrder(loaded);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i]->type, before[i]->type) << i;
        EXPECT_EQ(after[i]->maxValue, before[i]->maxValue) << i;
        EXPECT_EQ(after[i]->minValue, before[i]->minValue) << i;
        EXPECT_EQ(after[i]->group, before[i]->group) << i;
    }
    EXPECT_EQ(SerializeDocument(loaded), bytes);
}

// What opening does with each kind of ending: only a trailer that is there but unreadable is
// worth telling the user about.
TEST(ValueLimitsTrailer, OpeningKeepsTheDocumentAndResetsOnlyUnreadableTrailers) {
    CLumoraDoc source;
    StartNewApplication(source);
    for (CLmComponent* c : ComponentsInFileOrder(source)) {
        c->maxValue = 50;
        c->minValue = -50;
        c->group = 4;
    }
    const std::string records = SerializeDocumentRecords(source);
    const std::string good = SerializeDocument(source).substr(records.size());
    const auto count = static_cast<std::uint32_t>(ComponentsInFileOrder(source).size());
    const std::vector<std::int32_t> values(3 * count, 9);
    std::string badCrc = good;
    badCrc.back() = static_cast<char>(badCrc.back() ^ 0x01);
    std::string flippedValue = good;
    flippedValue[12] = static_cast<char>(flippedValue[12] ^ 0x10);

    struct Case {
        const char* what;
        std::string after;
        bool damaged;
        std::int32_t expectedMax;
    };
    const Case cases[] = {
        {"no trailer", "", false, 0},
        {"other trailing bytes", "written by something else", false, 0},
        {"valid trailer", good, false, 50},
        {"cut inside the magic", "LM", true, 0},
        {"cut after the header", good.substr(0, 12), true, 0},
        {"cut before the CRC", good.substr(0, good.size() - 4), true, 0},
        {"one byte short", good.substr(0, good.size() - 1), true, 0},
        {"one byte too many", good + "x", true, 0},
        {"wrong CRC", badCrc, true, 0},
        {"a value changed under its CRC", flippedValue, true, 0},
        {"N one too few", Trailer(1, count - 1, std::vector<std::int32_t>(3 * (count - 1), 9)),
         true, 0},
        {"N one too many", Trailer(1, count + 1, std::vector<std::int32_t>(3 * (count + 1), 9)),
         true, 0},
        {"N says more than the entries", Trailer(1, 0xFFFFFFFFu, values), true, 0},
        {"another version", Trailer(2, count, values), true, 0},
    };
    for (const Case& c : cases) {
        testing::RecordingMessages messages;
        CLumoraDoc doc;
        doc.AttachMessages(&messages);
        const std::string file = records + c.after;
        ASSERT_TRUE(LoadDocumentBytes(doc, AsBytes(file))) << c.what;
        EXPECT_TRUE(doc.ready) << c.what;
        EXPECT_EQ(doc.forms.size(), source.forms.size()) << c.what;
        const std::vector<std::u16string> expectedMessages =
            c.damaged ? std::vector<std::u16string>{std::u16string(kValueLimitsResetMessage)}
                      : std::vector<std::u16string>{};
        EXPECT_EQ(messages.shown, expectedMessages) << c.what;
        for (const CLmComponent* component : ComponentsInFileOrder(doc)) {
            EXPECT_EQ(component->maxValue, c.expectedMax) << c.what;
            EXPECT_EQ(component->minValue, -c.expectedMax) << c.what;
            EXPECT_EQ(component->group, c.expectedMax ? 4 : 0) << c.what;
        }
    }
}

}  // namespace
}  // namespace lumora
