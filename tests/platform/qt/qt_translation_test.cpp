#include "platform/qt/qt_translation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_message_box.h"
#include "platform/win1250.h"
#include "support/qt/modal_dialog.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

QString Artefact(const char* name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

// What Qt's standard dialogs say: the buttons of a button box, and the labels
// and buttons of the open-file dialog, in the order they are read.
QStringList StandardTexts() {
  QStringList texts;
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
  for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Yes, QDialogButtonBox::No})
    texts << box.button(b)->text();
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
    texts << files.findChild<QLabel*>(name)->text();
  for (QPushButton* b : files.findChild<QDialogButtonBox*>("buttonBox")->findChildren<QPushButton*>())
    texts << b->text();
  return texts;
}

TEST(QtTranslation, QtsOwnButtonsAndFileDialogReadInHungarian) {
  const QStringList english = StandardTexts();
  ASSERT_EQ(english.mid(0, 4), (QStringList{"OK", "Cancel", "&Yes", "&No"}));
  QTranslator* hungarian = InstallQtHungarian();
  ASSERT_NE(hungarian, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";

  const QStringList texts = StandardTexts();
  EXPECT_EQ(texts.mid(0, 4), (QStringList{"OK", QString::fromUtf8("Mégse"), "&Igen", "&Nem"}));
  EXPECT_TRUE(texts.contains(QString::fromUtf8("Mégse")));
  for (int i = 4; i < texts.size(); ++i) EXPECT_NE(texts[i], english[i]) << english[i].toStdString();

  // The program's question: its own text as it was, Qt's buttons in Hungarian.
  QtMessageBoxes boxes("Vorda40 UL tervező program"_w);
  QStringList asked;
  testing::WhenModalIsUp<QMessageBox>([&](QMessageBox& box) {
    asked << box.text();
    for (QAbstractButton* b : box.buttons()) asked << b->text();
    EXPECT_TRUE(box.grab().save(Artefact("message_box_hungarian.png")));
    box.button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(boxes.AskYesNo("Mented a lapot?"_w));
  EXPECT_EQ(asked, (QStringList{QString::fromUtf8("Mented a lapot?"), "&Igen", "&Nem"}));

  // The open-file dialog as the program shows it.
  testing::TempDir dir;
  QtDesktop desktop;
  testing::WhenModalIsUp<QFileDialog>([](QFileDialog& d) {
    EXPECT_TRUE(d.grab().save(Artefact("file_dialog_hungarian.png")));
    d.reject();
  });
  EXPECT_FALSE(desktop.OpenFile(dir.path() + "/", {{"UL file", {"*.ul"}}}));

  QCoreApplication::removeTranslator(hungarian);
  delete hungarian;
  EXPECT_EQ(StandardTexts(), english);
}

// Without Qt's translation (not installed, or a file that is no translation)
// the program starts as it did: nothing installed, every text as it was.
TEST(QtTranslation, AMissingOrBrokenFileChangesNothing) {
  const QStringList before = StandardTexts();
  testing::TempDir missing;
  EXPECT_EQ(InstallQtHungarian(QString::fromStdString(missing.path())), nullptr);
  testing::TempDir broken;
  broken.Write(kQtHungarianFile, "no translation");
  EXPECT_EQ(InstallQtHungarian(QString::fromStdString(broken.path())), nullptr);
  EXPECT_EQ(StandardTexts(), before);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty());
}

}  // namespace
}  // namespace vorda
