// The skin library applied to the running QApplication: written and attached
// as at start, and called directly with good and bad skin files.
#include <QApplication>
#include <QStyle>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "shell/main_window_names.h"
#include "shell/startup/loaded_library.h"
#include "shell/qt/window/main_window.h"
#include "shell/main_window_layout.h"
#include "shell/startup/skin_loading.h"
#include "skin/carried_skins.h"
#include "skin/skin_format.h"
#include "skin/skin_library.h"
#include "support/fake_platform.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {

using namespace Qt::StringLiterals;

skin::Skin carriedSkin(int number) {
    const std::optional<skin::Skin> decoded = skin::decodeSkin(skin::carriedSkinFile(number));
    if (!decoded) throw std::runtime_error("carried skin does not decode");
    return *decoded;
}

QColor colourOf(const skin::Skin& skin, skin::ColourRole role) {
    for (const skin::PaletteColour& entry : skin.palette) {
        if (entry.role == role) return {entry.colour.red, entry.colour.green, entry.colour.blue};
    }
    return {};
}

class SkinLookTest : public ::testing::Test {
protected:
    SkinLookTest() {
        platform.programFolder = programFolder.path().string();
        platform.temporaryFolder = temporaryFolder.path().string();
        writeSkinLibrary(platform);
    }
    ~SkinLookTest() override { resetLook(); }

    void resetLook() {
        qApp->setStyleSheet(QString());
        QApplication::setPalette(originalPalette);
    }

    void expectLookOf(int number) {
        const skin::Skin skin = carriedSkin(number);
        EXPECT_EQ(qApp->styleSheet().toStdString(), skin.styleSheet) << number;
        const QPalette palette = QApplication::palette();
        EXPECT_EQ(palette.color(QPalette::Window), colourOf(skin, skin::ColourRole::Window)) << number;
        EXPECT_EQ(palette.color(QPalette::Highlight), colourOf(skin, skin::ColourRole::Highlight)) << number;
        EXPECT_EQ(palette.color(QPalette::Base), QColor(Qt::white)) << number;
    }

    void expectOriginalLook() {
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
        EXPECT_EQ(QApplication::palette(), originalPalette);
    }

    [[nodiscard]] std::string skinFile() const { return temporaryFolder.file("1.she"); }

    const QPalette originalPalette = QApplication::palette();
    testing::ScratchFolder programFolder;
    testing::ScratchFolder temporaryFolder;
    testing::FakePlatform platform;
    SkinAttacher attacher{platform};
};

TEST_F(SkinLookTest, Skin20GivesTheApplicationItsPaletteAndStyleSheet) {
    attacher.applySkin(20);
    expectLookOf(20);
    EXPECT_NE(qApp->styleSheet().indexOf(u"QPushButton"_s), -1);
}

TEST_F(SkinLookTest, EverySkinApplies) {
    for (int number = 1; number <= skin::kSkinCount; ++number) {
        attacher.applySkin(number);
        expectLookOf(number);
    }
}

TEST_F(SkinLookTest, TheFiftySixLooksAreDistinct) {
    for (int one = 1; one <= skin::kSkinCount; ++one) {
        for (int other = one + 1; other <= skin::kSkinCount; ++other) {
            EXPECT_NE(carriedSkin(one).palette, carriedSkin(other).palette) << one << " " << other;
        }
    }
}

TEST_F(SkinLookTest, NumbersOutsideTheSkinsStillCallTheLibraryWithThePath) {
    attacher.applySkin(20);
    resetLook();
    attacher.applySkin(0);  // writes nothing; the library reads the skin 20 left there
    expectLookOf(20);

    testing::putFile(skinFile(), skin::carriedSkinFile(5));
    resetLook();
    attacher.applySkin(57);
    expectLookOf(5);
}

TEST_F(SkinLookTest, ListViewsStayWhiteWithTheirOwnTextColours) {
    attacher.applySkin(20);
    qt::MainWindow window(mainWindowLayout());
    auto* list = qobject_cast<QTableWidget*>(window.widget(names::kPositionOmissionLists[0]));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(0, 0, 128));
    const QImage shown = list->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() - 4), QColor(Qt::white));
}

TEST_F(SkinLookTest, BadOrMissingSkinFilesLeaveTheLookAsItIs) {
    const std::string good(skin::carriedSkinFile(20));
    const std::vector<std::string> bad{
        "",
        "garbage",
        ".SHE",
        good.substr(0, good.size() - 1),
        good + "x",
        std::string("X").append(good, 1),
        std::string(good).replace(4, 1, 1, '\x02'),  // a version we do not know
        good.substr(0, 4) + std::string(skin::kLargestSkinFile, 'x'),
    };
    for (const std::string& bytes : bad) {
        testing::putFile(skinFile(), bytes);
        attacher.applySkin(0);
        expectOriginalLook();
    }
    std::filesystem::remove(skinFile());
    attacher.applySkin(0);
    expectOriginalLook();
    std::filesystem::create_directory(skinFile());
    attacher.applySkin(0);
    expectOriginalLook();
}

TEST_F(SkinLookTest, TheExportAnswersEveryCallAndAppliesOnlyOnTheGuiThread) {
    const LoadedLibrary library(programFolder.file("hrttp.dll"));
    ASSERT_TRUE(library.loaded());
    const auto attach = library.function<skin::AttachFunction>(skin::kAttachExportName);
    ASSERT_NE(attach, nullptr);
    testing::putFile(skinFile(), skin::carriedSkinFile(20));

    EXPECT_EQ(attach(nullptr, nullptr), skin::kNotAttached);
    EXPECT_EQ(attach(temporaryFolder.file("missing.she").c_str(), ""), skin::kNotAttached);
    int fromWorker = -1;
    std::thread([&] { fromWorker = attach(skinFile().c_str(), ""); }).join();
    EXPECT_EQ(fromWorker, skin::kNotAttached);
    expectOriginalLook();

    EXPECT_EQ(attach(skinFile().c_str(), "any password"), skin::kAttached);
    expectLookOf(20);
}

}  // namespace
}  // namespace quintara
