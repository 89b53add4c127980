#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "generator/separator.h"

namespace genhand {
namespace {

namespace fs = std::filesystem;

class SeparatorFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("genhand-sep-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return name;
    }
    // The directory as the settings keep it: no final separator.
    std::string Dir() const { return dir_.string(); }

    fs::path dir_;
};

TEST(Separator, RuleStyles) {
    const std::string equals = BuildSeparator(1, "", "");
    EXPECT_EQ(equals, "!" + std::string(71, '=') + "\r\n");
    EXPECT_EQ(equals.size() - 2, 72u);
    EXPECT_EQ(BuildSeparator(2, "", ""), "!" + std::string(71, '-') + "\r\n");
    EXPECT_EQ(BuildSeparator(3, "", ""), "!" + std::string(71, '*') + "\r\n");
    // No style selected (a stored style outside the list): one blank, no break.
    EXPECT_EQ(BuildSeparator(0, "", ""), " ");
    EXPECT_EQ(BuildSeparator(7, "", ""), " ");
    EXPECT_EQ(BuildSeparator(-1, "", ""), " ");
}

TEST(Separator, PathJoinsDirectoryAndName) {
    EXPECT_EQ(SeparatorPath("C:", "sep.txt"), "C:\\sep.txt");
    EXPECT_EQ(SeparatorPath("C:\\Work   ", "sep.txt    "), "C:\\Work\\sep.txt");
}

TEST_F(SeparatorFile, ContentsAreTakenAsTheyAre) {
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("s.txt", "!----\r\n")), "!----\r\n");
    // Not scanned for markers, not case-converted, no line break added.
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("m.txt", "! @ $ {x} END")), "! @ $ {x} END");
    const std::string binary("\x00\xff\r\x1a", 4);
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("b.bin", binary)), binary);
    EXPECT_EQ(BuildSeparator(4, Dir() + "   ", Write("t.txt", "x") + "   "), "x");
}

TEST_F(SeparatorFile, LongFilesGiveTheirFirst1022Bytes) {
    std::string bytes;
    for (int i = 0; i < 3000; ++i) bytes += static_cast<char>('a' + i % 26);
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("1022", bytes.substr(0, 1022))), bytes.substr(0, 1022));
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("1023", bytes.substr(0, 1023))), bytes.substr(0, 1022));
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("3000", bytes)), bytes.substr(0, 1022));
}

TEST_F(SeparatorFile, UnreadableFilesGiveAnEmptySeparator) {
    EXPECT_EQ(BuildSeparator(4, Dir(), Write("empty", "")), "");
    EXPECT_EQ(BuildSeparator(4, Dir(), "missing.txt"), "");
    EXPECT_EQ(BuildSeparator(4, "", ""), "");
    fs::create_directory(dir_ / "sub");
    EXPECT_EQ(BuildSeparator(4, Dir(), "sub"), "");
    EXPECT_FALSE(ReadSeparatorFile((dir_ / "sub").string()).has_value());
    EXPECT_FALSE(ReadSeparatorFile((dir_ / "missing").string()).has_value());
    EXPECT_EQ(ReadSeparatorFile((dir_ / Write("e", "")).string()), std::string());
}

#ifdef _WIN32
TEST_F(SeparatorFile, FileHeldWithoutSharingGivesAnEmptySeparator) {
    const std::string name = Write("locked.txt", "!locked\r\n");
    const std::string path = (dir_ / name).string();
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(BuildSeparator(4, Dir(), name), "");
    CloseHandle(h);
    EXPECT_EQ(BuildSeparator(4, Dir(), name), "!locked\r\n");
}
#endif

}  // namespace
}  // namespace genhand
