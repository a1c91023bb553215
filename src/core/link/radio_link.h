#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/memory_image.h"
#include "link/serial_port.h"
#include "link/transfer.h"
#include "session/workspace.h"

namespace tpw {

enum class LinkResult : int { Ok = 0, Cancelled = 1, TimedOut = 3, ErrorReply = 8, BadReply = -1 };

struct Received {
  std::string text;
  LinkResult result = LinkResult::TimedOut;
};

using Seconds = std::chrono::seconds;

// The byte-level conversation with the radio over one port: sending with the pause the radio
// needs, receiving with deadlines, the framing, the acknowledgement of every command, retries,
// the start-up with its speed switch, and the block read and write exchanges.
//
// Results are reported the way the transfer operations test them: ErrorFlag is set when an
// exchange starts and cleared only by its success; CancelFlag records the user's cancel.
class RadioLink {
 public:
  static constexpr int RetryCount = 3;
  // Whole-memory transfers move 16-byte blocks, the largest the radio takes in one frame.
  static constexpr int BlockSize = 16;
  static constexpr const char* StartSettings = "19200,N,8,1";
  static constexpr const char* HighSpeedSettings = "57600,N,8,1";
  // The longest line the radio sends is a data reply of about fifty characters.
  static constexpr std::size_t MaxLineLength = 256;
  // How long one wait blocks on the port before it looks after the user again.
  static constexpr std::chrono::milliseconds Slice{5};

  RadioLink(Context& ctx, SerialPort& port, TransferObserver& observer, std::string caption);

  Context& context() { return ctx_; }
  ProgramFlags& flags() { return ctx_.ws.flags; }
  TransferObserver& observer() { return observer_; }
  const std::string& caption() const { return caption_; }

  // Port control.
  bool PortInit();
  bool PortInitCP();
  bool PortOpen();
  void PortClose();
  void FlushInput();
  std::string WorkingSettings() const;

  // Sending: each waits 10 ms first and checks the cable's echo when asked to.
  void SendByte(std::uint8_t byte);
  void SendCommand8(std::string_view text);
  void SendLine(std::string_view text);
  void SendFrame(std::string_view frame);
  void CheckEcho(std::string_view sent);

  // Receiving: one deadline per call, one byte at a time.
  LinkResult WaitByte(std::uint8_t value, Seconds timeout);
  Received ReadChars(std::size_t count, Seconds timeout);
  Received ReadLine(Seconds timeout);
  Received ReadLineStrict(Seconds timeout);
  bool WaitCRLF();
  // The six characters of a reply word; after "ERROR" the rest of that reply is dropped, so
  // the next attempt starts on a clean line.
  Received ReadReplyWord();
  LinkResult WaitCmdOk();

  // Start-up and recovery.
  bool StartLink();
  bool SyncLink();
  void SendAbort();

  // One command with its acknowledgement, retried as the radio allows. True when the radio
  // acknowledged; the caller then handles what follows.
  enum class Flush { Never, BeforeFirst, BeforeEach };
  bool Exchange(std::string_view frame, Flush flush);

  void ReadBlock(MemoryImage& buffer, int address, int length);
  void WriteBlock(int address, int length);

  // True when a reply arrived; otherwise the reason is shown ("error!!", "cancel!!",
  // "time out!!"; nothing after "ERROR", nor after a cancel when quietCancel).
  bool ReplyArrived(LinkResult result, bool quietCancel = false);
  bool FlagsClear() { return !flags().ErrorFlag && !flags().CancelFlag; }
  // The end of a read, write or clear: the port closes; a failure is shown under the given
  // title, a cancel silently; success rests half a second.
  void EndTransfer(std::string_view failureTitle);

  void Monitor(std::string_view text);
  // A critical message titled with the dialog's caption.
  void Alert(std::string_view text);

 private:
  bool PingRadio();
  bool OpenPort(const std::string& settings, std::string_view procedure);
  void ShowPortFailure();
  void Send(std::string_view bytes);
  bool ConfirmResync();
  // Receives the rest of a data reply after its word; true when its bytes were stored.
  Received ReadLineUntil(Seconds timeout, bool strict);
  bool StoreDataReply(MemoryImage& buffer, int address, int length);

  // Reads until `finished` gives a result; CancelFlag and the deadline are tested on every pass.
  template <typename Consume, typename Finished>
  LinkResult Receive(Seconds timeout, Consume consume, Finished finished);

  Context& ctx_;
  SerialPort& port_;
  TransferObserver& observer_;
  std::string caption_;
};

}  // namespace tpw
