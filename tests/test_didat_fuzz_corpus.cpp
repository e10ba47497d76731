// Replays the design-data fuzz corpus (tests/fuzz/didat: hand-made bad and
// good files, and what fuzzing found) and every shipped design-data file
// through the fuzz target's check, in every build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/didat_input_check.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> files_under(const fs::path &dir) {
    std::vector<fs::path> out;
    for (const auto &e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) out.push_back(e.path());
    return out;
}

tovu_test::DidatOutcome check_file(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return tovu_test::check_didat_input(reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

TEST(DidatFuzzCorpus, EveryInputIsParsedOrRefusedWithAWellFormedMessage) {
    const auto corpus = files_under(fs::path(TOVU_SOURCE_DIR) / "tests/fuzz/didat");
    ASSERT_GE(corpus.size(), 20u);
    for (const fs::path &p : corpus) {
        const tovu_test::DidatOutcome r = check_file(p);
        EXPECT_EQ(r.problem, "") << p << ": " << r.error;
    }
    // The hand-made seeds say by name what is expected of them.
    EXPECT_TRUE(check_file(fs::path(TOVU_SOURCE_DIR) / "tests/fuzz/didat/valid-unit.didat").accepted);
    EXPECT_TRUE(check_file(fs::path(TOVU_SOURCE_DIR) / "tests/fuzz/didat/crlf-lines.didat").accepted);
    EXPECT_FALSE(check_file(fs::path(TOVU_SOURCE_DIR) / "tests/fuzz/didat/cut-after-statement.didat").accepted);
    for (const char *repeated : {"repeated-sigbase.didat", "repeated-inst-label.didat"})
        EXPECT_FALSE(check_file(fs::path(TOVU_SOURCE_DIR) / "tests/fuzz/didat" / repeated).accepted) << repeated;
}

TEST(DidatFuzzCorpus, EveryShippedDesignDataFileIsAccepted) {
    std::vector<fs::path> shipped;
    for (const fs::path &p : files_under(fs::path(TOVU_SOURCE_DIR) / "kest"))
        if (p.extension() == ".didat") shipped.push_back(p);
    ASSERT_GE(shipped.size(), 20u);
    for (const fs::path &p : shipped) {
        const tovu_test::DidatOutcome r = check_file(p);
        EXPECT_TRUE(r.accepted) << p << ": " << r.error;
        EXPECT_EQ(r.problem, "") << p;
    }
}

}  // namespace
