#include "app/common/program_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <utility>
#include <vector>

namespace zenphra::app {
namespace {

TEST(SharedInstallationTest, SystemTreesAreSharedAndTheUsersOwnFoldersAreNot) {
    QTemporaryDir own;
    ASSERT_TRUE(own.isValid());
    // A build or an installation of the user's own, even one under a folder called "usr".
    ASSERT_TRUE(QDir(own.path()).mkpath("usr/lib/zenphra"));
    EXPECT_FALSE(IsSharedInstallation(own.path()));
    EXPECT_FALSE(IsSharedInstallation(own.path() + "/usr/lib/zenphra"));
    // Where packages and system-wide installations put the program, whoever runs it.
    for (const char* folder : {"/usr/lib/zenphra", "/usr/local/lib/zenphra", "/opt/zenphra"})
        EXPECT_TRUE(IsSharedInstallation(folder)) << folder;
}

TEST(SharedInstallationTest, AFolderTheUserCannotWriteIsShared) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write into every folder, so a read-only one cannot be made";
    QTemporaryDir own;
    ASSERT_TRUE(own.isValid());
    const QString readOnly = own.path() + "/read-only";
    ASSERT_TRUE(QDir().mkdir(readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(IsSharedInstallation(readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A fresh home of the test's own, without the desktop's settings of the person running it.
class UserFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            saved_.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
        qputenv("HOME", home_.path().toLocal8Bit());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

    QString Home() const { return home_.path(); }

  private:
    QTemporaryDir home_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST_F(UserFoldersTest, SavingGoesToTheUsersFoldersWhichAreMadeAndLoadingStaysOnWhatShips) {
    FileLocations locations = StartupLocations("/usr/lib/zenphra");
    SaveInUserFolders(locations);
    EXPECT_EQ(locations.ImageSaveFolder, Home() + "/Pictures/Zenphra");
    EXPECT_EQ(locations.ParamSaveFolder, Home() + "/.local/share/zenphra/Parameters");
    EXPECT_EQ(locations.ColormapSaveFolder, Home() + "/.local/share/zenphra/Colormaps");
    for (const QString& folder :
         {locations.ImageSaveFolder, locations.ParamSaveFolder, locations.ColormapSaveFolder})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(locations.ImageLoadFolder, "/usr/lib/zenphra/Images");
    EXPECT_EQ(locations.ParamLoadFolder, "/usr/lib/zenphra/Parameters");
    EXPECT_EQ(locations.ColormapLoadFolder, "/usr/lib/zenphra/Colormaps");
    EXPECT_EQ(locations.TutorialFile, "/usr/lib/zenphra/Tutorial.txt");
}

TEST_F(UserFoldersTest, TheDesktopsPicturesAndDataFoldersAreHonoured) {
    // A desktop in German names the pictures folder in its user-dirs file; the data folder may be moved.
    ASSERT_TRUE(QDir(Home()).mkpath(".config"));
    QFile dirs(Home() + "/.config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    dirs.close();
    qputenv("XDG_DATA_HOME", (Home() + "/data").toLocal8Bit());

    FileLocations locations = StartupLocations("/opt/zenphra");
    SaveInUserFolders(locations);
    EXPECT_EQ(locations.ImageSaveFolder, Home() + "/Bilder/Zenphra");
    EXPECT_EQ(locations.ParamSaveFolder, Home() + "/data/zenphra/Parameters");
    EXPECT_TRUE(QFileInfo(locations.ImageSaveFolder).isDir());
    EXPECT_TRUE(QFileInfo(locations.ParamSaveFolder).isDir());
}

}  // namespace
}  // namespace zenphra::app
