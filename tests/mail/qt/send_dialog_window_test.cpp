#include "mail/qt/send_dialog_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "data/scrambler.h"
#include "editor/program_state.h"
#include "editor/start_up.h"
#include "editor/window_links.h"
#include "mail/send_dialog.h"
#include "platform/mail_transport.h"
#include "platform/message_box.h"
#include "platform/qt/filtered_line_edit.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"
#include "support/loopback_smtp.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class SendDialogWindowTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetSendDialog();
    ResetWindowLinks();
    InstallMessageBoxes(&boxes);
    InstallMailTransport(&mailer);
    Program().Options.SMTP = "smtp.pelda.hu";
    Program().Options.Password = *ScrambleString("regi");
    main_window.resize(680, 545);
    main_window.show();
    form = std::make_unique<TForm5>(&main_window);
  }
  void TearDown() override {
    form.reset();
    InstallMailTransport(nullptr);
    InstallMessageBoxes(nullptr);
    ResetWindowLinks();
    ResetSendDialog();
    ResetProgramState();
    FreshState::TearDown();
  }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  RecordingMailTransport mailer;
  QWidget main_window;
  std::unique_ptr<TForm5> form;
};

// Pasted text with a name, brackets, a semicolon, accents and more than fits.
const QString kPasted = QString::fromUtf8("Kovács Béla <bela@pelda.hu>; masolat@pelda.hu, harmadik@pelda.hu");
// What of it the 35 characters of an address edit keep.
const char* const kKept = "KovcsBlabela@pelda.humasolat@pelda.";

// Every way that pastes into the sender and copy edits keeps only the address
// characters, at most as many as fit.
TEST_F(SendDialogWindowTest, EveryWayOfPastingPassesTheAddressFilter) {
  Windows().ShowSendDialog();
  QApplication::processEvents();
  using Way = std::function<void(FilteredLineEdit*)>;
  auto key = [](int k, Qt::KeyboardModifiers mods, const QString& text) {
    return [=](FilteredLineEdit* e) {
      QGuiApplication::clipboard()->setText(kPasted);
      QKeyEvent press(QEvent::KeyPress, k, mods, text);
      QApplication::sendEvent(e, &press);
    };
  };
  const std::pair<const char*, Way> ways[] = {
      {"Ctrl+V", key(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"))},
      {"Shift+Insert", key(Qt::Key_Insert, Qt::ShiftModifier, QString())},
      {"context menu",
       [](FilteredLineEdit* e) {
         QGuiApplication::clipboard()->setText(kPasted);
         std::unique_ptr<QMenu> menu(e->ContextMenu());
         QAction* paste = nullptr;
         for (QAction* a : menu->actions())
           if (a->text().startsWith(QLineEdit::tr("&Paste"))) paste = a;
         ASSERT_NE(paste, nullptr);
         ASSERT_TRUE(paste->isEnabled());
         paste->trigger();
       }},
      {"drop",
       [](FilteredLineEdit* e) {
         QMimeData data;
         data.setText(kPasted);
         // Dropped behind the text there is.
         const QPoint at(e->width() - 3, e->height() / 2);
         QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(e, &enter);
         ASSERT_TRUE(enter.isAccepted());
         QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(e, &drop);
       }},
      {"input method",
       [](FilteredLineEdit* e) {
         QInputMethodEvent commit;
         commit.setCommitString(kPasted);
         QApplication::sendEvent(e, &commit);
       }},
  };
  for (QLineEdit* edit : {form->MailFrom(), form->MailCC()}) {
    auto* e = qobject_cast<FilteredLineEdit*>(edit);
    ASSERT_NE(e, nullptr);
    for (const auto& [name, way] : ways) {
      e->clear();
      way(e);
      EXPECT_EQ(e->text().toStdString(), kKept) << name;
      // Into what is there already, only as much as still fits.
      e->setText(QString(30, QChar('a')));
      way(e);
      EXPECT_EQ(e->text().toStdString(), std::string(30, 'a') + "Kovcs") << name;
    }
  }
  EXPECT_EQ(Program().Options.SenderEmail, std::string(30, 'a') + "Kovcs");
  EXPECT_EQ(Program().Options.SendCC, std::string(30, 'a') + "Kovcs");
  // Typed keys still go through the key filter, and the Enter moves on.
  form->MailFrom()->clear();
  for (const char* k : {"a", "<", "b"}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, k);
    QApplication::sendEvent(form->MailFrom(), &press);
  }
  EXPECT_EQ(form->MailFrom()->text(), "ab");
}

// On X11 a middle click pastes the selection; it passes the same filter. (The
// offscreen platform has no selection: ctest runs this one under Xvfb.)
TEST_F(SendDialogWindowTest, MiddleClickPastesTheSelectionThroughTheFilter) {
  if (!QGuiApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "no X11 selection on this platform";
  Windows().ShowSendDialog();
  QApplication::processEvents();
  QGuiApplication::clipboard()->setText(kPasted, QClipboard::Selection);
  for (QLineEdit* e : {form->MailFrom(), form->MailCC()}) {
    e->clear();
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, e->mapToGlobal(at), Qt::MiddleButton, Qt::MiddleButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, e->mapToGlobal(at), Qt::MiddleButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(e, &press);
    QApplication::sendEvent(e, &release);
    EXPECT_EQ(e->text().toStdString(), kKept);
  }
}

// A server that takes the connection and never answers: the dialog goes on
// painting and running its timers while the send waits, takes no input, and
// neither it nor the program closes; then the timeout is reported.
TEST_F(SendDialogWindowTest, SilentServerLeavesTheDialogPaintingUntilTheTimeout) {
  testing::LoopbackSmtp smtp;
  SmtpSettings settings;
  settings.total_timeout_ms = 1000;
  settings.connect_to = {"127.0.0.1:25:127.0.0.1:" + std::to_string(smtp.Port("silent"))};
  auto transport = LoadSmtpTransport(settings);
  InstallMailTransport(transport.get());
  Program().Options.SMTP = "127.0.0.1";
  Windows().ShowSendDialog();
  QApplication::processEvents();
  const std::string file = dir.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n");
  form->ChooseFile = [&] { return file; };
  form->AddButton()->click();

  struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint && SendRunning()) ++paints;
      return false;
    }
  } counted;
  form->StatusPanel()->installEventFilter(&counted);
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (!SendRunning()) return;
    if (ticks++ == 0) {
      EXPECT_EQ(form->StatusPanel()->text(), ToQString("Levél küldésének kezdete..."_w));
      EXPECT_FALSE(form->close());
      EXPECT_TRUE(form->isVisible());
      EXPECT_EQ(AskToClose(), CloseAnswer::Refused);
      form->SendButton()->click();  // no second send
      QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
      QApplication::sendEvent(form->MailFrom(), &press);
      EXPECT_EQ(form->MailFrom()->text(), "");
    }
    form->StatusPanel()->update();
  });
  timer.start(20);
  form->SendButton()->click();
  timer.stop();

  EXPECT_GE(ticks, 10);
  EXPECT_GE(counted.paints, 1);
  EXPECT_FALSE(SendRunning());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Hiba történt a levél küldése közben!\r\n\r\nAz SMTP szerver nem válaszolt időben.\r\n"
            "(a kapcsolat létrejött, de a szerver 1 másodperc alatt sem szólalt meg)"_w);
  EXPECT_EQ(form->StatusPanel()->text(), ToQString("Hiba a küldés közben!"_w));
  EXPECT_EQ(AskToClose(), CloseAnswer::Proceed);
  EXPECT_TRUE(form->close());
}

TEST_F(SendDialogWindowTest, ListsFilesAndSendsThem) {
  Windows().ShowSendDialog();
  QApplication::processEvents();
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->Password()->text(), "");  // the placeholder is no text
  EXPECT_EQ(form->Password()->placeholderText(), "*******");
  EXPECT_EQ(UnscrambleString(Program().Options.Password), "regi");

  for (const char* key : {"e", "n", "&", "@", "p", ".", "h", "u"}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, key);
    QApplication::sendEvent(form->MailFrom(), &press);
  }
  EXPECT_EQ(form->MailFrom()->text(), "en@p.hu");
  EXPECT_EQ(Program().Options.SenderEmail, "en@p.hu");

  const std::string file = dir.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n");
  form->ChooseFile = [&] { return file; };
  form->AddButton()->click();
  form->ChooseFile = [] { return std::string(); };
  form->AddButton()->click();
  ASSERT_EQ(form->List()->count(), 1);

  form->grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("send_dialog.png"));

  form->SendButton()->click();
  ASSERT_EQ(mailer.sent.size(), 1u);
  EXPECT_EQ(mailer.sent[0].mail.from, "en@p.hu");
  EXPECT_EQ(mailer.sent[0].server.password, "");  // no user name: no login
  EXPECT_EQ(form->StatusPanel()->text(), ToQString("Levél küldés vége!"_w));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "A levél sikeresen elküldve!"_w);
  EXPECT_EQ(form->List()->count(), 1);

  form->Password()->setText("uj");
  EXPECT_EQ(form->Password()->displayText(), "**");
  EXPECT_EQ(UnscrambleString(Program().Options.Password), "uj");
  form->Password()->clear();
  EXPECT_EQ(Program().Options.Password, "");
}

// As the program makes it: its controls come with its first show. Before that
// the start asks whether a send runs and a test puts its file chooser in; then
// the dialog shows what it held when it was made (the options changed since do
// not count, as in one made whole) and takes keys and files the same way.
TEST_F(SendDialogWindowTest, ControlsMadeAtTheFirstShowLookAndWorkTheSame) {
  Windows().ShowSendDialog();
  QApplication::processEvents();
  const QImage whole = form->grab().toImage();
  form->close();
  form.reset();

  form = std::make_unique<TForm5>(&main_window, ControlsMade::AtFirstShow);
  Program().Options.SMTP = "mas.pelda.hu";
  EXPECT_FALSE(Windows().SendRunning());
  const std::string file = dir.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n");
  form->ChooseFile = [&] { return file; };
  EXPECT_TRUE(form->findChildren<QWidget*>().isEmpty());  // nothing made before it is shown
  Windows().ShowSendDialog();
  QApplication::processEvents();
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->grab().toImage(), whole);

  QApplication::setActiveWindow(form.get());
  form->MailFrom()->setFocus();
  for (const char* k : {"e", "n", "<", "@", "p", ".", "h", "u", "\r"}) {
    QKeyEvent press(QEvent::KeyPress, k[0] == '\r' ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier, k);
    QApplication::sendEvent(form->MailFrom(), &press);
  }
  EXPECT_EQ(form->MailFrom()->text(), "en@p.hu");
  EXPECT_TRUE(form->MailCC()->hasFocus());
  // The stand-in chooses; were it lost, the open dialog would wait here.
  QTimer::singleShot(0, [] {
    if (QWidget* open = QApplication::activeModalWidget(); open && open->inherits("QFileDialog")) open->close();
  });
  form->AddButton()->click();
  ASSERT_EQ(form->List()->count(), 1);
  form->SendButton()->click();
  ASSERT_EQ(mailer.sent.size(), 1u);
  EXPECT_EQ(mailer.sent[0].mail.from, "en@p.hu");
}

}  // namespace
}  // namespace vorda
