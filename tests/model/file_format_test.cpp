#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>

#include "model/archive_reader.h"
#include "model/archive_writer.h"
#include "model/document.h"
#include "model/document_serialize.h"
#include "model/new_application.h"
#include "model/resource_texts.h"

namespace lumora {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

std::string Word(std::uint16_t v) {
    ArchiveWriter ar;
    ar.WriteWord(v);
    return std::string(ar.Bytes());
}

std::string Long(std::uint32_t v) {
    ArchiveWriter ar;
    ar.WriteUInt32(v);
    return std::string(ar.Bytes());
}

std::string Utf16(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

// A marked string written by hand, independent of the writer: only for short texts.
std::string Marked(std::u16string_view text) {
    return Bytes({0xFF, 0xFE, 0xFF, static_cast<int>(text.size())}) + Utf16(text);
}

std::string IntArray(std::initializer_list<std::int32_t> values) {
    std::string out = Word(static_cast<std::uint16_t>(values.size()));
    for (std::int32_t v : values) {
        out += Long(static_cast<std::uint32_t>(v));
    }
    return out;
}

std::string ClassRecord(std::string_view name, std::uint16_t schema = 1) {
    return Word(0xFFFF) + Word(schema) + Word(static_cast<std::uint16_t>(name.size())) +
           std::string(name);
}

std::string ToBytes(const CLumoraDoc& doc) {
    return SerializeDocument(doc);
}

bool Contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

// ---------------------------------------------------------------------------------------------
// The bytes of a new application

class NewApplicationFile : public ::testing::Test {
  protected:
    void SetUp() override {
        StartNewApplication(doc);
        bytes = SerializeDocumentRecords(doc);
    }
    CLumoraDoc doc;
    std::string bytes;
};

TEST_F(NewApplicationFile, BeginsWithTheDocumentFieldsInFileOrder) {
    const std::string counters = IntArray({0, 1, 1, 1, 1, 1, 0, 1, 0, 0});
    std::string expected = Marked(u"Untitled") + Long(1) + Long(1) + counters + Marked(u"Form1") +
                           Marked(u"BitmapData1") + Long(4) + counters;
    // appColors: 64 longs, entry 0 $F004F004, entry 16 its shadow $A000A000.
    expected += Word(64) + Bytes({0x04, 0xF0, 0x04, 0xF0});
    ASSERT_GE(bytes.size(), expected.size() + 60 + 4);
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    EXPECT_EQ(bytes.substr(expected.size() + 60, 4), Bytes({0x00, 0xA0, 0x00, 0xA0}));

    // Then the form list: count, class record, the form record, its component list.
    const std::size_t formList = expected.size() - 4 + 64 * 4;
    const std::string forms = Word(1) + ClassRecord("CLmForm") + Marked(u"New Form") +
                              Marked(u"Form1") + Long(5) + Long(8) + Long(30) + Long(49) +
                              Long(1) /*background*/ + Long(0) /*title*/ + Long(4) /*border*/ +
                              Word(6) + ClassRecord("CLmComponent") + Marked(u"OK") +
                              Marked(u"Button1") + Long(1) /*type*/;
    EXPECT_EQ(bytes.substr(formList, forms.size()), forms);
}

TEST_F(NewApplicationFile, LaterObjectsOfAClassReferToItsClassRecord) {
    // Group1 follows Button1: class record 3 after CLmForm (1) and Form1 (2).
    EXPECT_TRUE(Contains(bytes, Bytes({0x03, 0x80}) + Marked(u"Welcome") + Marked(u"Group1")));
    EXPECT_TRUE(Contains(bytes, Bytes({0x03, 0x80}) + Marked(u"") + Marked(u"Number1")));
    // CLmBitmap takes index 10 after the six components (4..9); CLmObject 12 after the bitmap.
    const std::string sampleRows = Bytes({0x11, 0, 0x11, 0, 0x11, 0, 0x11, 0});
    const std::string shiftedRows = Bytes({0, 0x11, 0, 0x11, 0, 0x11, 0, 0});
    std::string tile;
    for (int i = 0; i < 4; ++i) {
        tile += sampleRows + sampleRows + shiftedRows + shiftedRows;
    }
    EXPECT_TRUE(Contains(bytes, Word(1) + ClassRecord("CLmBitmap") + Marked(u"BitmapData1") +
                                    Long(1) + Long(1) + Long(1) + Long(1) + Long(4) + tile));
    EXPECT_TRUE(Contains(bytes, Word(4) + ClassRecord("CLmObject") + Long(346)));
    for (std::uint32_t resource : {347u, 348u, 349u}) {
        EXPECT_TRUE(Contains(bytes, Bytes({0x0C, 0x80}) + Long(resource))) << resource;
    }
    EXPECT_FALSE(Contains(bytes, Bytes({0x0A, 0x80})));  // one bitmap: no back reference
}

TEST_F(NewApplicationFile, EndsWithTemplateReservedTextAndReserved3) {
    ArchiveWriter tail;
    tail.WriteString(RuntimeTemplateText());
    const std::string end = std::string(tail.Bytes()) + Marked(u"") + Long(0);
    ASSERT_GT(bytes.size(), end.size());
    EXPECT_EQ(bytes.substr(bytes.size() - end.size()), end);
}

// ---------------------------------------------------------------------------------------------
// Primitive encodings

TEST(ArchiveWriter, StringLengthTakesTheShortestOfThreeForms) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Bytes({0xFF, 0xFE, 0xFF, 0x00})},
        {254, Bytes({0xFF, 0xFE, 0xFF, 0xFE})},
        {255, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {300, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01})},
        {0xFFFD, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF})},
        {0xFFFE, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {0x10000, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        std::u16string text(c.length, u'x');
        if (!text.empty()) {
            text.back() = u'\u20AC';
        }
        ArchiveWriter ar;
        ar.WriteString(text);
        ASSERT_EQ(ar.Bytes().size(), c.prefix.size() + 2 * c.length) << c.length;
        EXPECT_EQ(ar.Bytes().substr(0, c.prefix.size()), c.prefix) << c.length;
        if (!text.empty()) {
            EXPECT_EQ(ar.Bytes().substr(ar.Bytes().size() - 2), Bytes({0xAC, 0x20}));
        }

        std::u16string back;
        ArchiveReader reader(std::span(reinterpret_cast<const unsigned char*>(ar.Bytes().data()),
                                       ar.Bytes().size()));
        ASSERT_TRUE(reader.ReadString(back)) << c.length;
        EXPECT_EQ(back, text);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveWriter, CountsFromFFFFOnAreEscaped) {
    ArchiveWriter ar;
    ar.WriteCount(0xFFFE);
    ar.WriteCount(0xFFFF);
    ar.WriteCount(0x12345);
    EXPECT_EQ(ar.Bytes(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x45,
                                 0x23, 0x01, 0x00}));
}

std::u16string ReadOneString(const std::string& bytes, bool& ok) {
    ArchiveReader reader(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    std::u16string text;
    ok = reader.ReadString(text) && reader.Remaining() == 0;
    return text;
}

TEST(ArchiveReader, AcceptsUnmarkedSingleByteStringsAsWindows1252) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const std::string bytes300(300, 'a');
    const Case cases[] = {
        {Bytes({0x00}), u""},
        {Bytes({0x04, 'a', 0x80, 0x9F, 0xE9}), u"a\u20AC\u0178\u00E9"},
        {Bytes({0xFF, 0x2C, 0x01}) + bytes300, std::u16string(300, u'a')},
        {Bytes({0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0x00, 0x00}) + bytes300, std::u16string(300, u'a')},
        // The marked form with the long length words, which the writer never uses this short.
        {Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'A', 0x00}), u"A"},
        {Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'A', 0x00}), u"A"},
    };
    for (const Case& c : cases) {
        bool ok = false;
        EXPECT_EQ(ReadOneString(c.bytes, ok), c.text);
        EXPECT_TRUE(ok);
    }
}

TEST(ArchiveReader, RejectsLengthsBeyondTheDataLeft) {
    const std::string cases[] = {
        Bytes({0x02, 'a'}),
        Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'}),
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
        Bytes({0xFF, 0xFE}),
        Bytes({}),
    };
    for (const std::string& bytes : cases) {
        bool ok = true;
        ReadOneString(bytes, ok);
        EXPECT_FALSE(ok) << ::testing::PrintToString(bytes);
    }
}

// ---------------------------------------------------------------------------------------------
// Save then load

// A document that differs from the defaults in every stored field.
void BuildRichDocument(CLumoraDoc& doc) {
    StartNewApplication(doc);
    doc.SetTitle(u"Rich \u00C4pp \U0001F600");
    doc.formCounter = -7;
    doc.bitmapCounter = INT32_MAX;
    for (int i = 0; i < CLumoraDoc::typeSlotCount; ++i) {
        doc.typeCounters[i] = 100 + i;
    }
    doc.mainFormName = u"Form2";
    doc.backgroundBitmapName = u"BitmapData2";
    doc.backgroundBitmapColor = 3;
    for (int i = 0; i < kColorLongCount; ++i) {
        doc.appColors[i] = 0x01020304u * static_cast<std::uint32_t>(i + 1);
    }
    doc.AddForm();
    CLmForm& form = *doc.forms.back();
    form.caption = std::u16string(300, u'\u00E9');
    form.top = -1, form.left = 2, form.height = 3, form.width = 4;
    form.backgroundColor = 2, form.titleColor = 3, form.borderColor = 5;
    doc.AddComponent(AddTool::OptionButton);
    doc.AddComponent(AddTool::NumberEdit);
    CLmComponent& c = *doc.currentComponent;
    c.caption = u"caption\r\n";
    c.hotKeyIndex = 2, c.top = 11, c.left = 12, c.height = 13, c.width = 14;
    c.textColor = 3, c.borderColor = 4, c.id = -5, c.value = 99999;
    c.handler = u"OnNumber";
    c.maxValue = 99, c.minValue = 5, c.group = 3;
    doc.forms.back()->components.front()->group = 7;
    doc.AddBitmap(2, 3, 2);
    CLmBitmap& bitmap = *doc.bitmaps.back();
    bitmap.color = 5;
    for (std::size_t t = 0; t < bitmap.tiles.size(); ++t) {
        for (int b = 0; b < TileImage::kByteCount; ++b) {
            bitmap.tiles[t].bytes[b] = static_cast<std::uint8_t>(t * 128 + b * 7);
        }
    }
    doc.reserved1 = 11, doc.reserved2 = -12, doc.nextComponentId = 5000;
    doc.customCode = u"PUB Main\r\n  \u00FC\r\n";
    doc.objects.pop_back();
    auto object = std::make_unique<CLmObject>();
    object->code = u"\uFEFFCON\r\n";
    object->fileName = u"/home/u/My Objects/extra.spin";
    object->name = u"extra";
    object->fileStem = u"extra";
    object->reservedText = u"kept";
    doc.objects.push_back(std::move(object));
    doc.templateText = u"template";
    doc.reservedText = u"cleared on load";
    doc.reserved3 = 42;
}

void ExpectSameStoredFields(const CLumoraDoc& a, const CLumoraDoc& b) {
    EXPECT_EQ(a.appName, b.appName);
    EXPECT_EQ(a.formCounter, b.formCounter);
    EXPECT_EQ(a.bitmapCounter, b.bitmapCounter);
    EXPECT_EQ(a.typeCounters, b.typeCounters);
    EXPECT_EQ(a.mainFormName, b.mainFormName);
    EXPECT_EQ(a.backgroundBitmapName, b.backgroundBitmapName);
    EXPECT_EQ(a.backgroundBitmapColor, b.backgroundBitmapColor);
    EXPECT_EQ(a.appColors, b.appColors);
    ASSERT_EQ(a.forms.size(), b.forms.size());
    for (std::size_t f = 0; f < a.forms.size(); ++f) {
        const CLmForm& x = *a.forms[f];
        const CLmForm& y = *b.forms[f];
        EXPECT_EQ(x.caption, y.caption);
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(std::tie(x.top, x.left, x.height, x.width, x.backgroundColor, x.borderColor,
                           x.titleColor),
                  std::tie(y.top, y.left, y.height, y.width, y.backgroundColor, y.borderColor,
                           y.titleColor));
        ASSERT_EQ(x.components.size(), y.components.size());
        for (std::size_t i = 0; i < x.components.size(); ++i) {
            const CLmComponent& p = *x.components[i];
            const CLmComponent& q = *y.components[i];
            EXPECT_EQ(std::tie(p.caption, p.name, p.handler),
                      std::tie(q.caption, q.name, q.handler));
            EXPECT_EQ(std::tie(p.type, p.hotKeyIndex, p.top, p.left, p.height, p.width, p.textColor,
                               p.borderColor, p.id, p.value),
                      std::tie(q.type, q.hotKeyIndex, q.top, q.left, q.height, q.width, q.textColor,
                               q.borderColor, q.id, q.value));
        }
    }
    ASSERT_EQ(a.bitmaps.size(), b.bitmaps.size());
    for (std::size_t i = 0; i < a.bitmaps.size(); ++i) {
        const CLmBitmap& x = *a.bitmaps[i];
        const CLmBitmap& y = *b.bitmaps[i];
        EXPECT_EQ(std::tie(x.name, x.widthTiles, x.heightTiles, x.tileCount, x.bitDepth, x.color),
                  std::tie(y.name, y.widthTiles, y.heightTiles, y.tileCount, y.bitDepth, y.color));
        EXPECT_EQ(x.tiles, y.tiles);
    }
    EXPECT_EQ(a.reserved1, b.reserved1);
    EXPECT_EQ(a.reserved2, b.reserved2);
    EXPECT_EQ(a.nextComponentId, b.nextComponentId);
    EXPECT_EQ(a.customCode, b.customCode);
    ASSERT_EQ(a.objects.size(), b.objects.size());
    for (std::size_t i = 0; i < a.objects.size(); ++i) {
        const CLmObject& x = *a.objects[i];
        const CLmObject& y = *b.objects[i];
        EXPECT_EQ(std::tie(x.resourceId, x.code, x.fileName, x.name, x.fileStem, x.reservedText),
                  std::tie(y.resourceId, y.code, y.fileName, y.name, y.fileStem, y.reservedText));
    }
    EXPECT_EQ(a.templateText, b.templateText);
}

TEST(SaveThenLoad, ReproducesEveryStoredFieldListOrderAndTileByte) {
    CLumoraDoc original;
    BuildRichDocument(original);
    const std::string bytes = ToBytes(original);

    CLumoraDoc loaded;
    const auto error = ReadDocument(bytes, loaded);
    ASSERT_FALSE(error) << error->reason << " at " << error->offset;
    ExpectSameStoredFields(original, loaded);

    // Kept by the trailer rather than the records.
    for (std::size_t f = 0; f < original.forms.size(); ++f) {
        for (std::size_t i = 0; i < original.forms[f]->components.size(); ++i) {
            const CLmComponent& a = *original.forms[f]->components[i];
            const CLmComponent& b = *loaded.forms[f]->components[i];
            EXPECT_EQ(std::tie(b.maxValue, b.minValue, b.group),
                      std::tie(a.maxValue, a.minValue, a.group))
                << "component " << i << " of form " << f;
        }
    }
    // Reset by every load.
    EXPECT_TRUE(loaded.reservedText.empty());
    EXPECT_EQ(loaded.reserved3, 0);
    EXPECT_EQ(loaded.currentForm, loaded.forms.front().get());
    EXPECT_EQ(loaded.currentComponent, nullptr);
    EXPECT_EQ(loaded.currentBitmap, nullptr);
    EXPECT_EQ(loaded.bitmaps.back()->tiles.size(), 6u);
}

TEST(SaveThenLoad, TileImagesAreStoredAsTheirBytesInTileOrder) {
    CLumoraDoc doc;
    BuildRichDocument(doc);
    const CLmBitmap& bitmap = *doc.bitmaps.back();
    std::string images;
    for (const TileImage& tile : bitmap.tiles) {
        images.append(reinterpret_cast<const char*>(tile.bytes.data()), tile.bytes.size());
    }
    ASSERT_EQ(images.size(), 768u);
    const std::string record = Marked(bitmap.name) + Long(2) /*bitDepth*/ + Long(2) + Long(3) +
                               Long(6) /*tileCount*/ + Long(5) /*color*/ + images;
    EXPECT_TRUE(Contains(ToBytes(doc), record));
}

TEST(SaveThenLoad, ANewApplicationReloadsWhole) {
    CLumoraDoc original;
    StartNewApplication(original);
    CLumoraDoc loaded;
    ASSERT_FALSE(ReadDocument(ToBytes(original), loaded));
    ExpectSameStoredFields(original, loaded);
    EXPECT_EQ(loaded.forms[0]->components[5]->maxValue, 3999);
    EXPECT_EQ(ToBytes(loaded), ToBytes(original));
}

// Lists long enough for the escaped count and the wide class index.
CLmComponent* AddBareComponents(CLmForm& form, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        auto c = std::make_unique<CLmComponent>();
        c->id = static_cast<std::int32_t>(i);
        form.components.push_back(std::move(c));
    }
    return form.components.back().get();
}

void MakeBareDocument(CLumoraDoc& doc, std::size_t components, int bitmaps) {
    doc.forms.push_back(std::make_unique<CLmForm>());
    AddBareComponents(*doc.forms.back(), components);
    for (int b = 0; b < bitmaps; ++b) {
        doc.bitmaps.push_back(std::make_unique<CLmBitmap>());
        doc.bitmaps.back()->name = b == 0 ? u"B1" : u"B2";
    }
}

TEST(SaveThenLoad, LongComponentListsUseTheEscapedCount) {
    for (std::size_t count : {std::size_t{0xFFFE}, std::size_t{0xFFFF}}) {
        CLumoraDoc doc;
        MakeBareDocument(doc, count, 0);
        const std::string bytes = ToBytes(doc);
        const std::string escaped = count == 0xFFFF ? Word(0xFFFF) + Long(0xFFFF) : Word(0xFFFE);
        EXPECT_TRUE(
            Contains(bytes, Long(4) /*borderColor*/ + escaped + ClassRecord("CLmComponent")))
            << count;
        CLumoraDoc loaded;
        ASSERT_FALSE(ReadDocument(bytes, loaded));
        ASSERT_EQ(loaded.forms[0]->components.size(), count);
        EXPECT_EQ(loaded.forms[0]->components.back()->id, static_cast<std::int32_t>(count - 1));
    }
}

TEST(SaveThenLoad, ClassIndexesFrom7FFFOnTakeTheWideForm) {
    // CLmForm 1, the form 2, CLmComponent 3, the components 4..3+n, CLmBitmap 4+n.
    struct Case {
        std::size_t components;
        std::string secondBitmapClass;
    };
    const Case cases[] = {
        {0x7FFA, Bytes({0xFE, 0xFF})},  // index $7FFE: still one word
        {0x7FFB, Bytes({0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80})},
        {0x7FFF, Bytes({0xFF, 0x7F, 0x03, 0x80, 0x00, 0x80})},
    };
    for (const Case& c : cases) {
        CLumoraDoc doc;
        MakeBareDocument(doc, c.components, 2);
        const std::string bytes = ToBytes(doc);
        const std::string firstBitmap =
            ClassRecord("CLmBitmap") + Marked(u"B1") + std::string(20, '\0');
        EXPECT_TRUE(Contains(bytes, firstBitmap + c.secondBitmapClass + Marked(u"B2")))
            << c.components;
        CLumoraDoc loaded;
        const auto error = ReadDocument(bytes, loaded);
        ASSERT_FALSE(error) << error->reason;
        ASSERT_EQ(loaded.bitmaps.size(), 2u);
        EXPECT_EQ(loaded.bitmaps[1]->name, u"B2");
    }
}

// ---------------------------------------------------------------------------------------------
// What the reader accepts and rejects

// A small valid file assembled by hand, one part per stretch of the layout.
struct FileParts {
    std::string appName = Marked(u"A");
    std::string counters = Long(1) + Long(2);
    std::string firstTypeCounters = IntArray({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    std::string names = Marked(u"Form1") + Marked(u"") + Long(4);
    std::string typeCounters = IntArray({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    std::string colors = Word(64) + std::string(256, '\x11');
    std::string forms = Word(1) + ClassRecord("CLmForm") + FormFields(u"Form1") + Word(2) +
                        ClassRecord("CLmComponent") + ComponentRecord(u"Button1") + Word(0x8003) +
                        ComponentRecord(u"Button2");
    std::string bitmaps =
        Word(1) + ClassRecord("CLmBitmap") + BitmapFields(1) + std::string(128, '\x5A');
    std::string middle = Long(0) + Long(1) + Long(1002) + Marked(u"code");
    std::string objects = Word(1) + ClassRecord("CLmObject") + Long(0) + Marked(u"c") +
                          Marked(u"f") + Marked(u"n") + Marked(u"s") + Marked(u"");
    std::string tail = Marked(u"t") + Marked(u"r") + Long(9);

    static std::string FormFields(std::u16string_view name) {
        return Marked(u"Cap") + Marked(name) + std::string(28, '\x02');
    }
    static std::string ComponentRecord(std::u16string_view name) {
        return Marked(u"") + Marked(name) + Long(1) + std::string(32, '\x03') + Marked(u"") +
               Long(0);
    }
    static std::string BitmapFields(std::int32_t tileCount) {
        return Marked(u"BitmapData1") + Long(1) + Long(1) + Long(1) +
               Long(static_cast<std::uint32_t>(tileCount)) + Long(4);
    }
    std::string Join() const {
        return appName + counters + firstTypeCounters + names + typeCounters + colors + forms +
               bitmaps + middle + objects + tail;
    }
};

TEST(ReadDocument, LoadsAHandAssembledFile) {
    CLumoraDoc doc;
    const auto error = ReadDocument(FileParts{}.Join(), doc);
    ASSERT_FALSE(error) << error->reason << " at " << error->offset;
    EXPECT_EQ(doc.appName, u"A");
    // The second copy of the type counters is the one kept.
    EXPECT_EQ(doc.typeCounters, (std::array<std::int32_t, 10>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(doc.forms.size(), 1u);
    ASSERT_EQ(doc.forms[0]->components.size(), 2u);
    EXPECT_EQ(doc.forms[0]->components[1]->name, u"Button2");
    EXPECT_EQ(doc.bitmaps[0]->tiles.at(0).bytes[127], 0x5A);
    EXPECT_EQ(doc.objects[0]->fileStem, u"s");
    EXPECT_EQ(doc.templateText, u"t");
    EXPECT_TRUE(doc.reservedText.empty());
    EXPECT_EQ(doc.reserved3, 0);
}

TEST(ReadDocument, AcceptsWhatTheFormatAllowsBeyondWhatTheWriterWrites) {
    struct Case {
        const char* what;
        void (*change)(FileParts&);
    };
    const Case cases[] = {
        {"unmarked strings",
         [](FileParts& p) {
             p.appName = Bytes({0x03, 'A', 'p', 'p'});
             p.tail = Bytes({0x01, 't', 0x00}) + Long(0);
         }},
        {"any schema number",
         [](FileParts& p) {
             p.objects = Word(1) + ClassRecord("CLmObject", 77) + Long(0) + std::string(5, '\0');
         }},
        {"a first type-counter copy of another length",
         [](FileParts& p) { p.firstTypeCounters = IntArray({}); }},
        {"a tile count other than width x height",
         [](FileParts& p) {
             p.bitmaps = Word(1) + ClassRecord("CLmBitmap") + FileParts::BitmapFields(2) +
                         std::string(256, '\0');
         }},
        {"no bitmaps and no objects",
         [](FileParts& p) {
             p.bitmaps = Word(0);
             p.objects = Word(0);
         }},
        {"bytes after the last field", [](FileParts& p) { p.tail += "junk"; }},
    };
    for (const Case& c : cases) {
        FileParts parts;
        c.change(parts);
        CLumoraDoc doc;
        const auto error = ReadDocument(parts.Join(), doc);
        EXPECT_FALSE(error) << c.what << ": " << error->reason;
    }
}

// The reason each rejection must give, so that a case cannot pass by failing somewhere else.
std::string ExpectedReason(const std::string& what) {
    static const std::map<std::string, std::string> kReasons = {
        {"an unknown class name", "unknown class name"},
        {"a class record of the wrong class", "CLmBitmap record where a CLmForm belongs"},
        {"a class index naming an object", "names no class record"},
        {"a class index beyond the records", "names no class record"},
        {"class index 0", "names no class record"},
        {"a reference to an earlier object", "reference to an earlier object"},
        {"a wide reference to an earlier object", "reference to an earlier object"},
        {"a missing object", "missing object"},
        {"the other list's class by index", "CLmForm record where a CLmBitmap belongs"},
        {"a form count beyond the data left", "count of 4294967295 exceeds"},
        {"a component count beyond the data left", "count of 65534 exceeds"},
        {"an object count beyond the data left", "count of 12288 exceeds"},
        {"a string longer than the data left", "string of 2147483647 characters exceeds"},
        {"a negative tile count", "negative tile count"},
        {"a tile count beyond the data left", "tile count of 2147483647 exceeds"},
        {"63 colour longs", "colour array holds 63 entries"},
        {"65 colour longs", "colour array holds 65 entries"},
        {"9 type counters", "type counter array holds 9 entries"},
        {"a first type-counter copy beyond the data left", "count of 1073741824 exceeds"},
        {"no forms", "without forms"},
        {"an empty file", "past the end of the file"},
    };
    return kReasons.at(what);
}

TEST(ReadDocument, RejectsFilesThatBreakTheFormatOrTheModel) {
    struct Case {
        const char* what;
        void (*change)(FileParts&);
    };
    const Case cases[] = {
        {"an unknown class name",
         [](FileParts& p) { p.forms.replace(p.forms.find("CLmForm"), 7, "CLmFoo!"); }},
        {"a class record of the wrong class",
         [](FileParts& p) {
             p.forms.replace(p.forms.find("CLmForm") - 2, 9, Word(9) + "CLmBitmap");
         }},
        {"a class index naming an object",
         [](FileParts& p) { p.forms.replace(p.forms.find(Word(0x8003)), 2, Word(0x8002)); }},
        {"a class index beyond the records",
         [](FileParts& p) { p.forms.replace(p.forms.find(Word(0x8003)), 2, Word(0x8009)); }},
        {"class index 0",
         [](FileParts& p) { p.forms.replace(p.forms.find(Word(0x8003)), 2, Word(0x8000)); }},
        {"a reference to an earlier object",
         [](FileParts& p) { p.forms.replace(p.forms.find(Word(0x8003)), 2, Word(0x0004)); }},
        {"a wide reference to an earlier object",
         [](FileParts& p) {
             p.forms.replace(p.forms.find(Word(0x8003)), 2, Word(0x7FFF) + Long(4));
         }},
        {"a missing object",
         [](FileParts& p) { p.forms.replace(p.forms.find(Word(0x8003)), 2, Word(0x0000)); }},
        {"the other list's class by index",
         [](FileParts& p) {
             p.bitmaps = Word(2) + ClassRecord("CLmBitmap") + FileParts::BitmapFields(0) +
                         Word(0x8001) + FileParts::FormFields(u"F") + Word(0);
         }},
        {"a form count beyond the data left",
         [](FileParts& p) { p.forms.replace(0, 2, Word(0xFFFF) + Long(0xFFFFFFFF)); }},
        {"a component count beyond the data left",
         [](FileParts& p) {
             p.forms.replace(p.forms.find(Word(2) + Word(0xFFFF)), 2, Word(0xFFFE));
         }},
        {"an object count beyond the data left",
         [](FileParts& p) { p.objects.replace(0, 2, Word(0x3000)); }},
        {"a string longer than the data left",
         [](FileParts& p) {
             p.appName = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}) + Long(0x7FFFFFFF);
         }},
        {"a negative tile count",
         [](FileParts& p) {
             p.bitmaps = Word(1) + ClassRecord("CLmBitmap") + FileParts::BitmapFields(-1);
         }},
        {"a tile count beyond the data left",
         [](FileParts& p) {
             p.bitmaps = Word(1) + ClassRecord("CLmBitmap") + FileParts::BitmapFields(INT32_MAX) +
                         std::string(128, '\0');
         }},
        {"63 colour longs", [](FileParts& p) { p.colors = Word(63) + std::string(252, '\0'); }},
        {"65 colour longs", [](FileParts& p) { p.colors = Word(65) + std::string(260, '\0'); }},
        {"9 type counters",
         [](FileParts& p) {
             p.typeCounters = IntArray({0, 1, 2, 3, 4, 5, 6, 7, 8});
         }},
        {"a first type-counter copy beyond the data left",
         [](FileParts& p) { p.firstTypeCounters = Word(0xFFFF) + Long(0x40000000); }},
        {"no forms", [](FileParts& p) { p.forms = Word(0); }},
        {"an empty file",
         [](FileParts& p) {
             p = FileParts{}, p.appName = p.counters = p.firstTypeCounters = p.names =
                                  p.typeCounters = p.colors = p.forms = p.bitmaps = p.middle =
                                      p.objects = p.tail = "";
         }},
    };
    for (const Case& c : cases) {
        FileParts parts;
        c.change(parts);
        CLumoraDoc doc;
        StartNewApplication(doc);
        const auto error = ReadDocument(parts.Join(), doc);
        ASSERT_TRUE(error) << c.what;
        EXPECT_NE(error->reason.find(ExpectedReason(c.what)), std::string::npos)
            << c.what << ": " << error->reason;
        // A rejected load leaves nothing behind that the selection could point into.
        EXPECT_TRUE(doc.forms.empty() && doc.bitmaps.empty() && doc.objects.empty()) << c.what;
        EXPECT_EQ(doc.currentForm, nullptr) << c.what;
    }
}

TEST(ReadDocument, RejectsEveryTruncatedFile) {
    CLumoraDoc rich;
    BuildRichDocument(rich);
    rich.objects.erase(rich.objects.begin(), rich.objects.begin() + 3);  // the long driver texts
    // Cuts inside the trailer leave the document whole; its own tests cover them.
    for (const std::string& bytes : {FileParts{}.Join(), SerializeDocumentRecords(rich)}) {
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            CLumoraDoc doc;
            ASSERT_TRUE(ReadDocument(std::string_view(bytes).substr(0, length), doc))
                << length << " of " << bytes.size();
        }
        CLumoraDoc doc;
        EXPECT_FALSE(ReadDocument(bytes, doc));
    }
}

}  // namespace
}  // namespace lumora
