#pragma once

// The words of the radio's clone protocol and its two line speeds, for both ends of the line:
// the PC's link and the simulated radio.
namespace tpw::protocol {

// The line opens at the start speed; the speed command moves both ends to the working speed.
inline constexpr int StartBaud = 19200;
inline constexpr int WorkingBaud = 57600;

// Single bytes: the opening handshake (the radio answers Ping with Ping), and the abort of a
// read, which the radio acknowledges.
inline constexpr char Ping = 'P';
inline constexpr char PingFollowUp = '0';
inline constexpr char Abort = 0x18;              // CAN
inline constexpr char AbortAcknowledged = 0x06;  // ACK

// Lines without fields (each ends in CR LF on the wire).
inline constexpr const char* SpeedCommand = "ACMD:002";
inline constexpr const char* SpeedAccepted = "OK";
inline constexpr const char* SyncRequest = "#CMDSY";
// Both ends acknowledge with it: the radio every command, the PC every good reply frame.
inline constexpr const char* Acknowledge = "#CMDOK";
// The PC's answers to a reply it cannot take.
inline constexpr const char* ChecksumWrong = "#CMDSM";
inline constexpr const char* NotDataReply = "#CMDER";
// The PC's answer to an unexpected reply word; the radio's answer to a command it does not know.
inline constexpr const char* Unknown = "#CMDUN";
// The radio rejected a command.
inline constexpr const char* Rejected = "ERROR";

// The words of frames, and the fields of the status exchange. Every frame's word starts with
// FramePrefix.
inline constexpr const char* FramePrefix = "#CEP";
inline constexpr const char* StatusRequest = "#CEPSR";
inline constexpr const char* StatusReply = "#CEPSD";
inline constexpr const char* ReadRequest = "#CEPRD";
inline constexpr const char* DataReply = "#CEPDT";
inline constexpr const char* WriteRequest = "#CEPWR";
inline constexpr const char* StatusQuery = "00";
inline constexpr const char* StatusReady = "00";
inline constexpr const char* StatusBusy = "01";

// Every reply word and command word is six characters long.
inline constexpr int WordLength = 6;
// The most bytes one read or write frame carries.
inline constexpr int MaxBlockLength = 16;

}  // namespace tpw::protocol
