#include "editor/qt/main_window.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/editor_modes.h"
#include "editor/program_state.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/message_box.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

std::vector<std::uint16_t> g_seen;
void Remember(std::uint16_t key) { g_seen.push_back(key); }
void Fail(std::uint16_t) { throw std::runtime_error("the disk is gone"); }

class MainWindowTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    InstallSheetCanvas(nullptr);  // the window installs its own
    ResetSheetScreen();
    ResetEditorModes();
    ResetScreenSlots();
    ResetWindowLinks();
    InstallMessageBoxes(&boxes);
    g_seen.clear();
    // The demo tables, in a program folder of the test's own.
    const char* source = std::getenv("VORDA_SOURCE_DIR");
    const std::filesystem::path root =
        source ? std::filesystem::path(source) : std::filesystem::path(__FILE__).parent_path() / "../../..";
    const std::filesystem::path demo = root / "demo";
    for (const auto& entry : std::filesystem::directory_iterator(demo))
      if (entry.path().extension() == ".TXT")  // the game tables, not the demo's ini file and sheet
        std::filesystem::copy_file(entry.path(), std::filesystem::path(dir.path()) / entry.path().filename());
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetEditorModes();
    ResetWindowLinks();
    EditorFixture::TearDown();
  }

  // Creates and shows the window on the test's program folder and waits for its
  // first activation.
  void Open() {
    form = std::make_unique<TForm1>(nullptr, QStringList{}, QString::fromStdString(dir.path()));
    form->show();
    for (int i = 0; i < 50 && Program().FirstActivation; ++i) QApplication::processEvents();
    ASSERT_FALSE(Program().FirstActivation);
  }

  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(form.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(form.get(), &release);
  }

  Color Pixel(int x, int y) const { return QtCanvas::FromRgb(form->SheetImage().Image().pixel(x, y)); }
  bool AnyPixel(int x1, int y1, int x2, int y2, Color c) const {
    for (int y = y1; y < y2; ++y)
      for (int x = x1; x < x2; ++x)
        if (Pixel(x, y) == c) return true;
    return false;
  }
  // Where the test program stands: the build folder.
  static QString Artefact(const char* name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, FirstActivationDrawsTheEmptySheetWithTheCursorOnLineOne) {
  Open();
  EXPECT_EQ(form->SheetImage().Image().size(), QSize(680, 545));
  EXPECT_TRUE(Editor().EditorReady);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Editor().CursorCell, 10);
  EXPECT_GT(Tables().ItemCount, 20);  // the demo tables of the program folder
  EXPECT_GT(Tables().SpellCount, 20);
  EXPECT_EQ(Pixel(31, 11), colors::Green);             // the cursor on line 1's code
  EXPECT_EQ(Pixel(71, 11), colors::Black);
  EXPECT_EQ(Pixel(35, 32), colors::Grey);              // the empty code underline of line 2
  EXPECT_EQ(Pixel(190, 100), colors::Grey);            // the TVP column frame
  EXPECT_EQ(Pixel(300, 250), colors::Grey);            // the divider of the right panel
  EXPECT_EQ(Pixel(2, 516), colors::White);             // the key bar
  EXPECT_TRUE(AnyPixel(7, 514, 21, 526, colors::DarkRed));
  EXPECT_TRUE(AnyPixel(52, 498, 87, 511, colors::StatusGreen));  // the check number 0
  EXPECT_TRUE(boxes.shown.empty());
}

// The desktop's scale applies by whole factors; what is left of the dots per
// inch chooses the font. Run at 96 dots per inch with the others, and at 120,
// 144, 192 and 240 by entries of their own in the test list (offscreen screens
// of those dots per inch, VORDA_SCREEN_DPI naming them).
struct ScreenCase {
  int dpi;          // the desktop's
  qreal factor;     // Qt's scale, a whole number
  bool large_font;  // the smaller sheet font of screens of more than 96
  int char_width;   // of the sheet's font, in the picture's pixels
};
// The smaller font is 7 points at what is left of the dots per inch: at 144
// that is 14 pixels high and 8 wide, wider than the sheet's 7-pixel columns
// were drawn for but inside its 40-pixel cells.
constexpr ScreenCase kScreens[] = {
    {96, 1, false, 7}, {120, 1, true, 7}, {144, 1, true, 8}, {192, 2, false, 7}, {240, 2, true, 7},
};

const ScreenCase* ScreenOf(const QWidget& w) {
  const int dpi = qRound(w.logicalDpiX() * w.devicePixelRatioF());
  for (const auto& c : kScreens)
    if (c.dpi == dpi) return &c;
  return nullptr;
}

TEST_F(MainWindowTest, TheDesktopsScaleAppliesByWholeFactorsAndWhatIsLeftChoosesTheFont) {
  Open();
  const ScreenCase* screen = ScreenOf(*form);
  ASSERT_NE(screen, nullptr) << form->logicalDpiX() << " x " << form->devicePixelRatioF();
  if (const int named = qEnvironmentVariableIntValue("VORDA_SCREEN_DPI")) {
    EXPECT_EQ(screen->dpi, named);
  }
  EXPECT_EQ(form->devicePixelRatioF(), screen->factor);
  EXPECT_EQ(form->logicalDpiX(), qRound(screen->dpi / screen->factor));
  EXPECT_EQ(Editor().LargeFontOffset, screen->large_font ? -1 : 0);
  EXPECT_EQ(form->SheetImage().Image().size(), QSize(680, 545));
  EXPECT_EQ(form->width(), 680);
  EXPECT_EQ(form->SheetImage().TextWidth("M"), screen->char_width);
}

// What the screen shows of the sheet is its 680 x 545 picture with every pixel
// made a square of the scale factor, exactly (the menu bar above it is Qt's
// own drawing and may differ).
TEST_F(MainWindowTest, TheSheetOnTheScreenIsItsPictureScaledByTheWholeFactor) {
  Open();
  Key(Qt::Key_M, Qt::NoModifier, "m");
  Key(Qt::Key_3, Qt::NoModifier, "3");
  Key(Qt::Key_Return);
  Key(Qt::Key_Down);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const ScreenCase* screen = ScreenOf(*form);
  ASSERT_NE(screen, nullptr);
  const int f = static_cast<int>(screen->factor);

  const QImage window = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(window.size(), form->size() * f);
  const int top = (form->height() - 545) * f;  // below the menu bar
  const QImage shown = window.copy(0, top, 680 * f, 545 * f);
  const QImage picture = form->SheetImage().Image().convertToFormat(QImage::Format_RGB32);
  const QImage expected = picture.scaled(680 * f, 545 * f, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x)
      if (shown.pixel(x, y) != expected.pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
  const std::string name = "main_window_at_" + std::to_string(screen->dpi) + "_dpi.png";
  EXPECT_TRUE(window.save(Artefact(name.c_str())));
}

TEST_F(MainWindowTest, TypingALineEditsTheSheetAndDrawsIt) {
  Open();
  Key(Qt::Key_M, Qt::NoModifier, "m");
  Key(Qt::Key_3, Qt::NoModifier, "3");
  Key(Qt::Key_5, Qt::NoModifier, "5");
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_Return);
  Key(Qt::Key_V, Qt::NoModifier, "v");
  Key(Qt::Key_1, Qt::KeypadModifier, "1");
  Key(Qt::Key_6, Qt::KeypadModifier, "6");
  Key(Qt::Key_3, Qt::KeypadModifier, "3");
  Key(Qt::Key_Right);
  Key(Qt::Key_Plus, Qt::KeypadModifier, "+");
  Key(Qt::Key_Return);

  const auto& s = SheetModel().Lines;
  EXPECT_EQ(s.SheetCodes[1], "M");
  EXPECT_EQ(s.SheetParams[1], (std::array<std::int32_t, 3>{3, 5, 1}));
  EXPECT_EQ(s.SheetCodes[2], "V");
  EXPECT_EQ(s.SheetParams[2], (std::array<std::int32_t, 3>{163, 1, 0}));
  EXPECT_EQ(Editor().CursorCell, 30);
  EXPECT_TRUE(Editor().SheetModified);

  EXPECT_TRUE(AnyPixel(30, 10, 58, 22, colors::Aqua));   // the code "M"
  EXPECT_TRUE(AnyPixel(70, 10, 98, 22, colors::White));  // its first direction
  EXPECT_EQ(Pixel(31, 35), colors::Green);               // the cursor on line 3's code
  EXPECT_TRUE(AnyPixel(433, 498, 447, 511, colors::StatusGreen));  // the counted moves
  EXPECT_TRUE(form->SheetImage().Image().save(Artefact("main_window_typed_line.png")));
}

TEST_F(MainWindowTest, EntryBoxIsDrawnOverTheSheetAndTakenAwayAgain) {
  Open();
  Key(Qt::Key_B, Qt::NoModifier, "b");
  Key(Qt::Key_E, Qt::NoModifier, "e");
  Key(Qt::Key_Right);
  const QImage before = form->SheetImage().Image().copy();
  Key(Qt::Key_F7);
  EXPECT_EQ(Editor().EditorMode, 8);
  EXPECT_EQ(Pixel(212, 230), colors::Grey);
  EXPECT_EQ(Pixel(210, 230), colors::Aqua);
  EXPECT_EQ(Pixel(300, 251), colors::Green);
  Key(Qt::Key_4, Qt::NoModifier, "4");
  Key(Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_TRUE(form->SheetImage().Image().save(Artefact("main_window_entry_box.png")));
  Key(Qt::Key_Escape);  // only Enter closes the box
  EXPECT_EQ(Editor().EditorMode, 8);
  Key(Qt::Key_Return);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(SheetModel().Lines.SheetParams[1][0], 42);
  // The box is gone; the sheet under it is as it was.
  const QImage after = form->SheetImage().Image();
  for (int y = 210; y < 260; ++y)
    for (int x = 210; x < 430; ++x) ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
}

TEST_F(MainWindowTest, TabIsAKeyOfTheSheetNotAFocusMove) {
  Open();
  SetModeKeyHandler(1, &Remember);
  Key(Qt::Key_Tab);
  EXPECT_EQ(g_seen, (std::vector<std::uint16_t>{vk::Tab}));
  static int ctrl_tabs = 0;
  ctrl_tabs = 0;
  SetMenuShortcut(vk::Tab, shift::Ctrl, [] { ++ctrl_tabs; });
  Key(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(ctrl_tabs, 1);
  EXPECT_EQ(g_seen.size(), 1u);
}

TEST_F(MainWindowTest, AnErrorInAKeyIsShownAndTheWindowGoesOn) {
  Open();
  SetModeKeyHandler(1, &Fail);
  Key(Qt::Key_A, Qt::NoModifier, "a");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "the disk is gone");
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  ResetEditorModes();
  Key(Qt::Key_A, Qt::NoModifier, "a");
  EXPECT_EQ(SheetModel().Lines.SheetCodes[1], "A");
}

// Counts the times a window was brought to the front.
class RaiseCounter : public QObject {
 public:
  int raised = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::ZOrderChange) ++raised;
    return QObject::eventFilter(watched, e);
  }
};

// Whenever the program becomes the active application, the sheet comes to the
// front, over the program's other windows too. The offscreen platform stacks no
// windows: there the test sees the window brought up; on an X server (an entry
// of its own in the test list) it also sees it on top.
TEST_F(MainWindowTest, TheSheetComesToTheFrontWhenTheProgramIsActivated) {
  Open();
  QWidget other(nullptr, Qt::Window);
  other.setGeometry(form->geometry());
  other.show();
  other.raise();
  const QPoint middle = form->geometry().center();
  const bool stacks = QGuiApplication::platformName() != "offscreen";
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  if (stacks) {
    ASSERT_EQ(QGuiApplication::topLevelAt(middle), other.windowHandle());
  }

  RaiseCounter counter;
  form->installEventFilter(&counter);
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  emit qApp->applicationStateChanged(Qt::ApplicationHidden);
  EXPECT_EQ(counter.raised, 0);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_EQ(counter.raised, 1);
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  if (stacks) {
    EXPECT_EQ(QGuiApplication::topLevelAt(middle), form->windowHandle());
  }
  form->removeEventFilter(&counter);
}

TEST_F(MainWindowTest, EscClosesTheWindow) {
  Open();
  ASSERT_TRUE(form->isVisible());
  Key(Qt::Key_Escape);
  QApplication::processEvents();  // the close is carried out after the key
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace vorda
