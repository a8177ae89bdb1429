#pragma once
// The sending dialog `TForm5` ("Vorda40 by Quorbel  -  UL Küldése interneten"):
// the sender, copy and SMTP edits, the list of ".emv" files with its two
// buttons, the send button and a three-panel status bar. Its events go to the
// plain logic of mail/send_dialog.h. Application-modal while shown; it registers
// itself as the editor's sending dialog. While a send is on its way the dialog
// keeps painting, takes no input and does not close.
#include <functional>
#include <string>

#include "platform/qt/controls_made.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorda {

class TForm5 : public LateControlsWindow {
  Q_OBJECT

 public:
  explicit TForm5(QWidget* main, ControlsMade made = ControlsMade::AtCreation);
  ~TForm5() override;

  TForm5(const TForm5&) = delete;
  TForm5& operator=(const TForm5&) = delete;

  // The file chooser of "Hozzáadás a listához": the open dialog, or a test's
  // stand-in. An empty result means nothing was chosen.
  std::function<std::string()> ChooseFile;

  QLineEdit* MailFrom();
  QLineEdit* MailCC();
  QLineEdit* Password();
  QListWidget* List();
  QPushButton* SendButton();
  QPushButton* AddButton();
  QLabel* StatusPanel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeControls() override;
  void SyncList();
  // Runs the window's events, without their input, until `finished`.
  void WaitForSend(const std::function<bool()>& finished);

  QLineEdit* from_ = nullptr;
  QLineEdit* cc_ = nullptr;
  QLineEdit* server_ = nullptr;
  QLineEdit* password_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* send_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace vorda
