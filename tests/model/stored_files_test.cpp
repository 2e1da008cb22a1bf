// The checked-in ".lmd" files: the valid ones (also the fuzzer's seeds) and every input the
// fuzzer ever failed on.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/document_serialize.h"
#include "test_files.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesIn(const std::string& folder) {
    std::vector<fs::path> files;
    for (const auto& entry :
         fs::directory_iterator(fs::path(LUMORA_FIXTURES_DIR) / "lmd" / folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// What the fuzzer demands of any input: rejected cleanly, or accepted with a saved form that
// reads back and saves to the same bytes again.
void ExpectReadIsSound(const fs::path& path, const std::string& bytes) {
    CLumoraDoc doc;
    if (const auto error = ReadDocument(bytes, doc)) {
        EXPECT_FALSE(error->reason.empty()) << path.filename();
        EXPECT_TRUE(doc.forms.empty() && doc.objects.empty() && doc.bitmaps.empty())
            << path.filename();
        EXPECT_EQ(doc.currentForm, nullptr) << path.filename();
        return;
    }
    const std::string once = SerializeDocument(doc);
    CLumoraDoc again;
    const auto reread = ReadDocument(once, again);
    ASSERT_FALSE(reread) << path.filename() << ": " << reread->reason;
    EXPECT_EQ(SerializeDocument(again), once) << path.filename();
}

TEST(StoredFiles, FuzzRegressionInputsAreRejectedOrReadSoundly) {
    const auto files = FilesIn("fuzz-regressions");
    ASSERT_FALSE(files.empty()) << "the regression folder was not found";
    for (const auto& path : files) {
        ExpectReadIsSound(path, testing::ReadWholeFile(path));
    }
}

TEST(StoredFiles, ValidFilesLoadAndSaveSoundly) {
    const auto files = FilesIn("valid");
    ASSERT_FALSE(files.empty()) << "the valid-file folder was not found";
    for (const auto& path : files) {
        const std::string bytes = testing::ReadWholeFile(path);
        CLumoraDoc doc;
        const auto error = ReadDocument(bytes, doc);
        ASSERT_FALSE(error) << path.filename() << ": " << error->reason << " at " << error->offset;
        EXPECT_FALSE(doc.forms.empty()) << path.filename();
        ExpectReadIsSound(path, bytes);
    }
}

// Files the program wrote itself must come back byte for byte; files with the older
// single-byte strings are rewritten in the marked form, so they are not in this list. Files
// from before the value-limits trailer keep their records and gain the trailer.
TEST(StoredFiles, FilesTheProgramWroteResaveUnchanged) {
    struct Case {
        const char* name;
        bool hasTrailer;
    };
    for (const Case& c : {Case{"short-driver-texts.lmd", false}, Case{"many-forms.lmd", false},
                          Case{"value-limits.lmd", true}}) {
        const std::string bytes =
            testing::ReadWholeFile(fs::path(LUMORA_FIXTURES_DIR) / "lmd" / "valid" / c.name);
        ASSERT_FALSE(bytes.empty()) << c.name;
        CLumoraDoc doc;
        ValueLimitsTrailer trailer = ValueLimitsTrailer::Damaged;
        ASSERT_FALSE(ReadDocument(bytes, doc, &trailer)) << c.name;
        EXPECT_EQ(trailer, c.hasTrailer ? ValueLimitsTrailer::Read : ValueLimitsTrailer::Absent)
            << c.name;
        EXPECT_EQ(c.hasTrailer ? SerializeDocument(doc) : SerializeDocumentRecords(doc), bytes)
            << c.name;
    }
}

}  // namespace
}  // namespace lumora
