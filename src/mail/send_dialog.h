#pragma once
// The sending dialog `TForm5` ("Vorda40 by Quorbel  -  UL Küldése interneten")
// as plain logic: it keeps a list of ".emv" files, joins them into the body of
// one mail and sends it to the game operator's order address (and an optional
// copy address) through the installed mail transport: plain on port 25,
// TLS from the first byte on any other port. Every edit writes its value into
// `Program().Options` at once; the SMTP password is held there only scrambled.
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda {

// The operator's order address (every mail goes there) and the sender used
// when the player gives no address of his own.
inline constexpr std::string_view kOrderAddress = "ul@drovanek.hu";
inline constexpr std::string_view kDefaultSender = "vorda40@drovanek.hu";

struct SendDialogState {
  std::string TMailFrom, TMailCC, TSMTPServer, TSMTPPort, TSMTPUsername;
  // The password edit starts empty, with seven asterisks standing in it,
  // greyed, until something is typed. They are never the password itself: the
  // stored password stays until the edit is changed.
  std::string PasswordPlaceholder;
  std::vector<std::string> List;  // full paths, in sending order
  std::string Status;             // the status bar's first panel
  std::string Label2, Label5;
};

SendDialogState& SendDialog();
void ResetSendDialog();

// Fills the edits from the options and sets the fixed texts.
void SendFormCreate();
// Showing the dialog empties the list.
void SendFormShow();

void TMailFromChange(const std::string& text);
void TMailCCChange(const std::string& text);
void TSMTPServerChange(const std::string& text);
// The port as typed; 25 when the text is no integer.
void TSMTPPortChange(const std::string& text);
void TSMTPUsernameChange(const std::string& text);
// The scramble of the typed text is stored; an emptied edit stores no password.
void TSMTPPasswordChange(std::string text);

// Keys of the two address edits: Backspace, Tab, ",", "-", ".", digits, "@"
// and letters; Enter is discarded and sets `enter`.
bool AddressKeyPress(char key, bool& enter);

void Button1Click();                       // empties the list
void AddListedFile(const std::string& path);  // the same file may be listed twice

// The body: each file's lines, each ended by CR LF, and one more CR LF after
// each file; the files in list order.
std::string JoinOrderFiles(const std::vector<std::string>& contents);

// The whole mail: header (date, sender, the order address, the copy address
// when given, subject and agent "Vorda40", plain Windows-1250 text) and body.
std::string ComposeOrderMail(std::string_view sender, std::string_view cc, std::string_view body, std::time_t now);

// Sends the listed files as one mail. `repaint` is called after each status
// change so that the status shows while the sending blocks. Every outcome is
// shown in a message box; the list stays as it was.
void SendButtonClick(const std::function<void()>& repaint = {});

}  // namespace vorda
