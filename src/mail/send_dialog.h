#pragma once
// The sending dialog `TForm5` ("Vorda40 by Quorbel  -  UL Küldése interneten")
// as plain logic: it keeps a list of ".emv" files, joins them into the body of
// one mail and sends it to the game operator's order address (and an optional
// copy address) through the installed mail transport: on port 25 plain SMTP
// taking STARTTLS whenever the server offers it, on 587 STARTTLS required, on
// 465 and every other port TLS from the first byte; a password never goes over
// an unencrypted line. The send runs on a worker thread of its own. Every edit
// writes its value into `Program().Options` at once; the SMTP password is held
// there only scrambled.
#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mail_transport.h"

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
  bool Sending = false;  // a send's worker thread runs
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
// What may stand in the address edits: ",", "-", ".", digits, "@" and letters.
bool AddressCharacter(char c);
// Text that enters an address edit any other way than typed (pasted, dropped,
// the selection's middle-click): its address characters only, at most `room`
// of them.
std::string AddressText(std::string_view text, std::size_t room);
inline constexpr std::size_t kAddressLength = 35;

void Button1Click();                       // empties the list
void AddListedFile(const std::string& path);  // the same file may be listed twice

// The body: each file's lines, each ended by CR LF, and one more CR LF after
// each file; the files in list order.
std::string JoinOrderFiles(const std::vector<std::string>& contents);

// The whole mail: header (date, sender, the order address, the copy address
// when given, subject and agent "Vorda40", plain Windows-1250 text) and body.
std::string ComposeOrderMail(std::string_view sender, std::string_view cc, std::string_view body, std::time_t now);

// How the port's mail is encrypted: 25 plain SMTP taking STARTTLS when
// offered, 587 STARTTLS required, every other port TLS from the first byte.
MailSecurity SecurityOfPort(int port);

// The text of the error box for a failed send: the kind's own words (with a
// note for a 4xx answer, which may pass later), then the server's reply line,
// or the transport's reason when there was none.
std::string SendFailureText(const MailResult& result);

// Waits on the window's thread until `finished` is true, keeping the window
// alive (painting, timers) and taking no input.
using SendWait = std::function<void(const std::function<bool()>& finished)>;

// Sends the listed files as one mail. `repaint` is called after each status
// change. The transport runs on a worker thread that gets copies of the
// server and the mail; meanwhile `wait` runs (without one the caller just
// blocks), and a second click does nothing. Every outcome is shown in a
// message box; the list stays as it was.
void SendButtonClick(const std::function<void()>& repaint = {}, const SendWait& wait = {});
// A send is on its way: the dialog and the program must not close.
bool SendRunning();

}  // namespace vorda
