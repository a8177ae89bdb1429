#include "map/qt/map_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <memory>

#include "data/map_grid.h"
#include "editor/editor_state.h"
#include "editor/line_operations.h"
#include "editor/program_state.h"
#include "editor/start_up.h"
#include "editor/window_links.h"
#include "map/map_view.h"
#include "map/qt/picture_store.h"
#include "orders/orders_state.h"
#include "platform/ini_file.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"
#include "support/map_fixture.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class MapWindowTest : public testing::FreshState {
 protected:
  void SetUp() override {
    testing::FreshState::SetUp();
    ResetEditorState();
    ResetProgramState();
    ResetWindowLinks();
    ResetMapView();
    std::string error;
    ASSERT_TRUE(LoadMapDatBytes(testing::InventedMapDat(), error)) << error;
    ReadMapNameList(testing::InventedMapLst(), MapListKind::MapLst);
    Orders().StartCoords.StartX = testing::kShowcaseX;
    Orders().StartCoords.StartY = testing::kShowcaseY;
    Orders().MapFields.Edit1 = std::to_string(testing::kShowcaseX);
    Orders().MapFields.Edit2 = std::to_string(testing::kShowcaseY);
    form = std::make_unique<TForm3>(pictures);
  }
  void TearDown() override {
    form.reset();
    ResetWindowLinks();
    ResetMapView();
    ResetProgramState();
    ResetEditorState();
    testing::FreshState::TearDown();
  }

  void Type(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
  }
  static std::string Text(const QLabel* label) { return FromQString(label->text()); }
  static QString Artefact(const char* name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

  TForm4 pictures;
  std::unique_ptr<TForm3> form;
};

TEST_F(MapWindowTest, TheShowcaseShowsEveryTerrainAndFeatureKind) {
  ASSERT_TRUE(Windows().OnRefreshMap);
  EXPECT_FALSE(Windows().MapVisible());
  Windows().ShowMap();
  EXPECT_TRUE(Windows().MapVisible());
  QApplication::processEvents();

  EXPECT_EQ(Text(form->XLabel(0)), "300");
  EXPECT_EQ(Text(form->YLabel(4)), "104");
  EXPECT_EQ(Text(form->SlotName(4)), "Hollókő vára"_w);
  EXPECT_EQ(Text(form->SlotName(17)), "Kristálybarlang"_w);
  EXPECT_TRUE(form->SlotFrame(17)->isVisibleTo(form.get()));
  EXPECT_FALSE(form->SlotFrame(18)->isVisibleTo(form.get()));
  EXPECT_EQ(Text(form->LandscapeCaption()), "Szürke-hegyek"_w);
  EXPECT_EQ(Text(form->UnknownCaption()), "");
  // The 2 x 2 preview covers (9, 40)..(86, 117) of the side panel; the captions
  // stand clear of it, and of the first slot frame below.
  for (const QLabel* caption : {form->LandscapeCaption(), form->UnknownCaption()}) {
    EXPECT_FALSE(caption->geometry().intersects(QRect(9, 40, 78, 78)));
    EXPECT_FALSE(caption->geometry().intersects(form->SlotFrame(1)->geometry()));
    EXPECT_LE(caption->geometry().right(), 286);
  }

  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(TForm3::kClientWidth, TForm3::kClientHeight));
  // The centre square shows the tile of terrain 12 with its red frame.
  EXPECT_EQ(shot.pixelColor(81, 100), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(100, 99), pictures.Kep(12).pixelColor(20, 19));  // between the two icons
  EXPECT_TRUE(shot.save(Artefact("map_window_showcase.png")));

  // An unknown corner square: the caption follows the selection.
  Type(form->Grid(), Qt::Key_Down, {});
  Type(form->Grid(), Qt::Key_Down, {});
  Type(form->Grid(), Qt::Key_Right, {});
  EXPECT_EQ(MapView().Col, 3);
  EXPECT_EQ(MapView().Row, 4);
  EXPECT_EQ(Text(form->UnknownCaption()), "Ismeretlen Terület"_w);
  EXPECT_EQ(Text(form->SlotName(4)), "");
  form->FormDeactivate();
  EXPECT_EQ(MapView().Row, 2);
  EXPECT_EQ(Text(form->SlotName(4)), "Hollókő vára"_w);
  EXPECT_TRUE(Editor().EditorReady);
  form->FormActivate();
  EXPECT_FALSE(Editor().EditorReady);
}

TEST_F(MapWindowTest, TypedCoordinatesMoveTheView) {
  QLineEdit* x = form->Field(MapField::Edit1);
  x->clear();
  Type(x, Qt::Key_1, "1");
  EXPECT_EQ(Orders().StartCoords.StartX, 1);
  Type(x, Qt::Key_Minus, "-");
  Type(x, Qt::Key_A, "a");
  Type(x, Qt::Key_2, "2");
  Type(x, Qt::Key_3, "3");
  Type(x, Qt::Key_4, "4");  // a fourth character does not fit
  EXPECT_EQ(FromQString(x->text()), "123");
  EXPECT_EQ(Orders().StartCoords.StartX, 123);
  EXPECT_EQ(Text(form->XLabel(2)), "123");

  // A pasted non-number keeps the stored value.
  x->selectAll();
  x->insert(QStringLiteral("x9"));
  emit x->textEdited(x->text());
  EXPECT_EQ(Orders().StartCoords.StartX, 123);

  // The box turns the teleport fields on and off.
  EXPECT_FALSE(form->Field(MapField::Edit3)->isEnabled());
  form->TeleportBox()->click();
  EXPECT_TRUE(Orders().TeleportReturnChecked);
  EXPECT_TRUE(form->Field(MapField::Edit3)->isEnabled());
  Type(form->Field(MapField::Edit3), Qt::Key_5, "5");
  EXPECT_EQ(Orders().StartCoords.TeleportX, 5);  // "05"
  form->TeleportBox()->click();
  EXPECT_EQ(FromQString(form->Field(MapField::Edit3)->text()), "0");
  EXPECT_FALSE(form->Field(MapField::Edit3)->isEnabled());

  // A sheet loaded with a teleport pair: the editor sets the fields and the
  // box, and the next refresh shows them.
  Orders().MapFields.Edit3 = "500";
  Orders().MapFields.Edit4 = "60";
  Orders().TeleportReturnChecked = true;
  Windows().RefreshMap(false);
  EXPECT_TRUE(form->TeleportBox()->isChecked());
  EXPECT_EQ(FromQString(form->Field(MapField::Edit4)->text()), "60");
  EXPECT_TRUE(form->Field(MapField::Edit4)->isEnabled());
}

// While the window is hidden the editor's keys still replay through it (the
// portal fill after every key); shown again by F10, it shows the position at
// the cursor and not the one it was hidden at.
TEST_F(MapWindowTest, AHiddenWindowFollowsTheReplayAndShowsItWhenBroughtBack) {
  ASSERT_FALSE(Windows().MapVisible());
  Orders().StartCoords.StartX = testing::kShowcaseX + 7;
  Orders().MapFields.Edit1 = std::to_string(testing::kShowcaseX + 7);
  Editor().CursorCell = 10;
  FillPortalTarget();
  Windows().ShowMap();
  form->FormActivate();
  EXPECT_EQ(Text(form->XLabel(2)), std::to_string(testing::kShowcaseX + 7));
  EXPECT_EQ(MapView().MapWindow[2][2].Terrain,
            MapCellAt(testing::kShowcaseX + 7, testing::kShowcaseY)->Terrain);
}

// The ini file gets the window's own place, read when the program closes: a
// window at (700, 10) is written so and comes back there, run after run,
// whatever frame the platform draws around it.
TEST_F(MapWindowTest, ItsPlaceIsReadAtCloseAndHoldsFromRunToRun) {
  testing::TempDir dir;
  Program().ProgramDir = dir.path() + "/";
  FileIniStorage ini(dir.path() + "/vorda40.ini");
  form->move(700, 10);
  Windows().ShowMap();
  QApplication::processEvents();
  for (int run = 1; run <= 3; ++run) {
    ASSERT_TRUE(ShutDown(ini));
    const IniProfile written = IniProfile::Parse(dir.Read("vorda40.ini"));
    EXPECT_EQ(written.ReadInteger("UL Map Options", "PosLeft", 0), 700) << run;
    EXPECT_EQ(written.ReadInteger("UL Map Options", "PosTop", 0), 10) << run;
    EXPECT_EQ(written.ReadInteger("UL Map Options", "ShowMap", 0), 1) << run;

    // The next run: the options read back, a new window placed from them.
    form.reset();
    ResetProgramState();
    Program().ProgramDir = dir.path() + "/";
    ASSERT_TRUE(ReadIniAtStart(ini));
    form = std::make_unique<TForm3>(pictures);
    QApplication::processEvents();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), QPoint(700, 10)) << run;
  }
}

}  // namespace
}  // namespace vorda
