// Saving over what a user already has: links, special files, read-only and
// hard-linked files, long names and leftovers of killed saves.

#include "files/file_io.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tirovane {
namespace {

namespace fs = std::filesystem;

class SaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tirovane-save-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir);
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static mode_t Mode(const fs::path& path) {
        struct stat status {};
        EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
        return status.st_mode;
    }
    fs::path dir;
};

TEST_F(SaveTest, ASymbolicLinkIsFollowedToTheFileItNames) {
    fs::create_directories(dir / "real");
    Write(dir / "real" / "reading.tvr", "old");
    fs::create_symlink("real/reading.tvr", dir / "link.tvr");
    fs::create_symlink("link.tvr", dir / "chain.tvr");
    fs::create_symlink("real/new.tvr", dir / "dangling.tvr");

    ASSERT_EQ(WriteFileAtomically((dir / "link.tvr").string(), "through the link"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir / "link.tvr"));
    EXPECT_EQ(Read(dir / "real" / "reading.tvr"), "through the link");

    ASSERT_EQ(WriteFileAtomically((dir / "chain.tvr").string(), "two links"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir / "chain.tvr"));
    EXPECT_EQ(Read(dir / "real" / "reading.tvr"), "two links");

    // A link to a file not made yet makes that file.
    ASSERT_EQ(WriteFileAtomically((dir / "dangling.tvr").string(), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.tvr"));
    EXPECT_EQ(Read(dir / "real" / "new.tvr"), "new");

    EXPECT_EQ(Names(), (std::vector<std::string>{"chain.tvr", "dangling.tvr", "link.tvr", "real"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 2);

    fs::create_symlink("loop2.tvr", dir / "loop1.tvr");
    fs::create_symlink("loop1.tvr", dir / "loop2.tvr");
    EXPECT_TRUE(WriteFileAtomically((dir / "loop1.tvr").string(), "x").has_value());
    EXPECT_TRUE(fs::is_symlink(dir / "loop1.tvr"));
}

TEST_F(SaveTest, FoldersDevicesAndPipesAreRefusedAndStayWhatTheyWere) {
    fs::create_directories(dir / "folder.tvr");
    ASSERT_EQ(::mkfifo((dir / "pipe.txt").c_str(), 0644), 0);
    // The same device as /dev/null, in a scratch folder. Making device
    // nodes needs privileges a test run may not have.
    const bool device = ::mknod((dir / "null.txt").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    fs::create_symlink("null.txt", dir / "link-to-device.txt");

    struct Case {
        const char* Name;
        std::string Reason;
        bool (*Kind)(mode_t);
        bool NeedsDevice;
    };
    const Case cases[] = {
        {"folder.tvr", "it is a folder", [](mode_t m) { return S_ISDIR(m); }, false},
        {"pipe.txt", "it is not an ordinary file (a device, a pipe or a socket)",
         [](mode_t m) { return S_ISFIFO(m); }, false},
        {"null.txt", "it is not an ordinary file (a device, a pipe or a socket)",
         [](mode_t m) { return S_ISCHR(m); }, true},
        {"link-to-device.txt", "it is not an ordinary file (a device, a pipe or a socket)",
         [](mode_t m) { return S_ISLNK(m); }, true},
    };
    for (const Case& c : cases) {
        if (c.NeedsDevice && !device) {
            continue;
        }
        EXPECT_EQ(WriteFileAtomically((dir / c.Name).string(), "bytes"), c.Reason) << c.Name;
        EXPECT_TRUE(c.Kind(Mode(dir / c.Name))) << c.Name << " was replaced";
    }
    EXPECT_EQ(Names().size(), device ? 4u : 3u) << "no temporary left";
    if (!device) {
        GTEST_SKIP() << "device nodes cannot be made here";
    }
}

TEST_F(SaveTest, ReadOnlyFilesAreRefusedAndPermissionsKept) {
    Write(dir / "locked.tvr", "mine");
    fs::permissions(dir / "locked.tvr", fs::perms(0444));
    // Root may write anything: the permission bits still say "read-only".
    EXPECT_EQ(WriteFileAtomically((dir / "locked.tvr").string(), "replaced"), "it is read-only");
    EXPECT_EQ(Read(dir / "locked.tvr"), "mine");
    EXPECT_EQ(Mode(dir / "locked.tvr") & 07777, 0444u);

    Write(dir / "shared.tvr", "old");
    fs::permissions(dir / "shared.tvr", fs::perms(0640));
    ASSERT_EQ(WriteFileAtomically((dir / "shared.tvr").string(), "new"), std::nullopt);
    EXPECT_EQ(Read(dir / "shared.tvr"), "new");
    EXPECT_EQ(Mode(dir / "shared.tvr") & 07777, 0640u);

    const mode_t mask = ::umask(022);
    ASSERT_EQ(WriteFileAtomically((dir / "fresh.tvr").string(), "new"), std::nullopt);
    ::umask(mask);
    EXPECT_EQ(Mode(dir / "fresh.tvr") & 07777, 0644u) << "an ordinary new file, not 0600";
    EXPECT_EQ(Names(), (std::vector<std::string>{"fresh.tvr", "locked.tvr", "shared.tvr"}));
}

TEST_F(SaveTest, AHardLinkedFileIsWrittenInPlaceForEveryName) {
    Write(dir / "a.tvr", "old content");
    fs::create_hard_link(dir / "a.tvr", dir / "b.tvr");
    ASSERT_EQ(WriteFileAtomically((dir / "a.tvr").string(), "new"), std::nullopt);
    EXPECT_EQ(Read(dir / "a.tvr"), "new");
    EXPECT_EQ(Read(dir / "b.tvr"), "new") << "the other name shows the same file";
    EXPECT_EQ(fs::hard_link_count(dir / "a.tvr"), 2u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.tvr", "b.tvr"}));

    // A write that fails half way puts the old content back.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 10;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto failure = WriteFileAtomically((dir / "b.tvr").string(), std::string(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(failure.has_value());
    EXPECT_EQ(Read(dir / "a.tvr"), "new");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.tvr", "b.tvr"}));
}

TEST_F(SaveTest, LeftoversOfAKilledSaveAreRemovedByTheNext) {
    Write(dir / ".reading.tvr.tirovane-Ab12Cd", "half a reading");
    Write(dir / ".other.tvr.tirovane-Ab12Cd", "another file's");
    Write(dir / ".reading.tvr.tirovane-notes", "the user's own");
    ASSERT_EQ(WriteFileAtomically((dir / "reading.tvr").string(), "whole"), std::nullopt);
    EXPECT_EQ(Names(), (std::vector<std::string>{".other.tvr.tirovane-Ab12Cd",
                                                 ".reading.tvr.tirovane-notes", "reading.tvr"}));
}

TEST_F(SaveTest, NamesUpToTheLongestAllowedCanBeSaved) {
    for (const std::size_t length : {248u, 251u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".tvr";
        ASSERT_EQ(WriteFileAtomically((dir / name).string(), "long"), std::nullopt) << length;
        ASSERT_EQ(WriteFileAtomically((dir / name).string(), "longer"), std::nullopt) << length;
        EXPECT_EQ(Read(dir / name), "longer");
        fs::remove(dir / name);
    }
    EXPECT_TRUE(Names().empty());
    // A name of two-byte letters is cut between letters: the prefix is
    // whole UTF-8 and leaves room for the random part.
    std::string letters;
    for (int i = 0; i < 125; ++i) {
        letters += "\xC3\xA9"; // é
    }
    const std::string prefix = TemporaryNamePrefix(letters + ".tvr");
    EXPECT_LE(prefix.size() + 6, 255u);
    EXPECT_EQ(prefix.rfind(".tirovane-"), prefix.size() - 10);
    EXPECT_EQ((prefix.size() - 11) % 2, 0u) << "no letter cut in half";
    EXPECT_EQ(TemporaryNamePrefix("reading.tvr"), ".reading.tvr.tirovane-");
}

TEST_F(SaveTest, ReadingRefusesWhatIsNoOrdinaryFileWithoutWaiting) {
    const std::string pipe = (dir / "x.tvr").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    auto reading = std::async(std::launch::async, [&] { return ReadFileStart(pipe, 100); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Let the stuck reader go before failing.
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        ::close(writer);
        FAIL() << "reading a pipe waited for a writer";
    }
    const ReadResult fromPipe = reading.get();
    EXPECT_FALSE(fromPipe.Bytes.has_value());
    EXPECT_EQ(fromPipe.Error, "it is not an ordinary file (a device, a pipe or a socket)");

    const ReadResult fromFolder = ReadFileStart(dir.string(), 100);
    EXPECT_FALSE(fromFolder.Bytes.has_value());
    EXPECT_EQ(fromFolder.Error, "it is a folder");

    const ReadResult fromDevice = ReadFileStart("/dev/zero", 100);
    EXPECT_FALSE(fromDevice.Bytes.has_value()) << "an endless device is no saved file";

    Write(dir / "r.tvr", "abc");
    fs::create_symlink("r.tvr", dir / "l.tvr");
    EXPECT_EQ(ReadFileStart((dir / "l.tvr").string(), 100).Bytes, "abc");
}

} // namespace
} // namespace tirovane
