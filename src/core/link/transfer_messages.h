#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/link_failure.h"
#include "link/transfer.h"
#include "session/prompter.h"

// Every word a transfer has for the user, made in this one place: the program's own messages
// ("time out!!", "CommunicatiOn Error!!", "Complete!!") with their titles and icons, what the
// transfer adds to them so that the user learns what happened, on which port, and what to do
// next, the questions it asks while it runs, and the reasons the error log gives. The link
// and the operations only return what they found.
namespace tpw {

// The templates of the composed messages below, for the programs that show them translated.
std::span<const char* const> TransferMessageTemplates();

// One message box: icon, title, text.
struct Message {
  Icon icon = Icon::None;
  std::string title;
  std::string text;
  bool operator==(const Message&) const = default;
};

// What the messages of a transfer name besides its result.
struct TransferSetting {
  TransferMode mode = TransferMode::Read;
  std::string port;
  std::string modelName;
  std::string dataAtisCode;  // the ATIS code of the PC's data, as the user entered it
  bool debug = false;
};

// The messages a transfer ends with, in the order they are shown: what the link found, what
// the step it ended in makes of it, and what the transfer left in the radio or on the PC
// ("Complete!!" when it is done).
std::vector<Message> TransferEndMessages(const TransferResult& result,
                                         const TransferSetting& setting);

// The message of a fault the start went on after (a garbled answer to the speed command).
std::vector<Message> LinkFailureMessages(const LinkFailure& failure,
                                         const TransferSetting& setting);

void ShowMessages(Prompter& prompter, const std::vector<Message>& messages);

// The questions a running transfer asks, in its dialog's caption.
class TransferQuestions {
 public:
  TransferQuestions(Prompter& prompter, std::string caption, std::string port);
  // After the radio answered "ERROR" to every attempt: synchronise the link again?
  bool resynchronise();
  // The radio reports busy: ask it again?
  bool retryBusyRadio();
  // The radio's region differs from the data set's: take the radio's?
  bool takeRadioRegion();
  // The radio has no ATIS code and the data hold one: may the radio take it for good?
  bool programNewAtisCode(std::string_view code);

 private:
  Prompter& prompter_;
  std::string caption_;
  std::string port_;
};

// A wait has heard nothing for a while: on the command line, what it still waits for.
std::string WaitingText(std::string_view port, std::string_view awaited,
                        std::chrono::seconds silence, std::chrono::seconds timeout);

// The error log's words: why an exchange failed, with the block it was about ("block 0x3F0, 16
// bytes: no acknowledgement after 3 attempts"); a port the system refused, as the failure's
// number directly followed by its description; a failure nobody expected, with the block
// under way.
std::string FailureLogText(const LinkFailure& failure);
std::string PortFailureLogText(const PortFailure& failure);
std::string UnexpectedFailureLogText(const UnexpectedFailure& failure,
                                     const std::optional<Block>& block);

}  // namespace tpw
