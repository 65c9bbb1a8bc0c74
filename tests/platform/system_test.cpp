// The single-instance lock and the user's temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/instance_lock.h"
#include "platform/system.h"
#include "temp_folder.h"

namespace vandrix::platform {
namespace {

using testing::ScopedTmpDir;
using testing::TempFolder;

TEST(TemporaryFolder, IsTmpDirWithASeparatorElseTmp) {
    TempFolder folder;
    {
        ScopedTmpDir tmp(folder.path().string());
        EXPECT_EQ(temporaryFolder(), folder.path().string() + "/");
    }
    {
        ScopedTmpDir tmp("");
        EXPECT_EQ(temporaryFolder(), "/tmp/");
    }
}

TEST(InstanceLock, SecondCopyOfTheSameUserIsRefused) {
    TempFolder folder;
    ScopedTmpDir tmp(folder.path().string());
    auto first = InstanceLock::acquire("casier");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(InstanceLock::acquire("casier"), nullptr);
    // Another user runs beside it.
    EXPECT_NE(InstanceLock::acquire("alt casier"), nullptr);
    // Once the first copy ends, the next start runs.
    first.reset();
    EXPECT_NE(InstanceLock::acquire("casier"), nullptr);
}

TEST(InstanceLock, RunsInAnotherTemporaryFolderDoNotCollide) {
    TempFolder one, two;
    std::unique_ptr<InstanceLock> first;
    {
        ScopedTmpDir tmp(one.path().string());
        first = InstanceLock::acquire("casier");
    }
    ASSERT_NE(first, nullptr);
    ScopedTmpDir tmp(two.path().string());
    EXPECT_NE(InstanceLock::acquire("casier"), nullptr);
}

TEST(InstanceLock, UserNameCannotLeaveTheTemporaryFolder) {
    TempFolder folder;
    ScopedTmpDir tmp(folder.path().string());
    auto lock = InstanceLock::acquire("../../x/y");
    EXPECT_NE(lock, nullptr);
    EXPECT_EQ(InstanceLock::acquire("../../x/y"), nullptr);
}

TEST(System, UserAndVersion) {
    EXPECT_FALSE(userName().empty());
    EXPECT_TRUE(systemVersionSupported());
    EXPECT_FALSE(executablePath().empty());
}

}  // namespace
}  // namespace vandrix::platform
