#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "link/transfer.h"

// The texts a transfer adds to the program's own words so that the user learns what happened,
// on which port, and what to do next. Every such text is made here.
namespace tpw {

// The radio never answered the start of a transfer.
std::string NoAnswerText(std::string_view port);

// The port went away under a transfer; reason ends the sentence ("the line hung up"); checks
// say what else can take a port away on this system (PortChecks).
std::string LostPortText(std::string_view port, std::string_view reason, std::string_view checks);

// A wait has heard nothing for a while: on the command line, what it still waits for.
std::string WaitingText(std::string_view port, std::string_view awaited,
                        std::chrono::seconds silence, std::chrono::seconds timeout);

// Where the write exchanges of an operation got to: the first address sent, the last address
// the radio acknowledged, and the exchange that stopped without its acknowledgement.
struct WriteProgress {
  std::optional<int> firstSent;
  std::optional<int> lastTaken;
  std::optional<int> stoppedAt;
};

// What a read, write or ATIS clear that did not complete left in the radio, and what to do;
// for a failure it follows "CommunicatiOn Error!!" on the next line. Empty for a cancel that
// left the radio as it was.
std::string UnfinishedOperationText(TransferMode mode, std::string_view port,
                                    const WriteProgress& writes, bool failed);

// The radio did not report ready: it stayed busy, or answered the status request otherwise.
std::string NotReadyText(std::string_view port);

// The radio's model words or product code are not those of the model the program works with.
std::string OtherRadioText(std::string_view port, std::string_view modelName);

// The radio and the PC's data set are of regions that are never mixed (one of them the USA).
std::string RadioRegionRefusedText(std::string_view port, int radioRegion, int dataSetRegion);

// The data to be written do not carry the product code every radio of the model carries.
std::string ForeignProductCodeText();

// Asked before a write gives a radio without an ATIS code the code of the data; with a warning
// first when the code is not plausible.
std::string NewAtisCodeQuestion(std::string_view port, std::string_view code);
// The user did not want the radio to take the code: nothing was written.
std::string NewAtisCodeDeclinedText(std::string_view port);

// A write completed, but the radio kept the ATIS code it held (radioCode) and did not take the
// PC's (pcCode): what to do to give it the PC's code. It follows "Complete!!" on the next line.
std::string KeptAtisCodeText(std::string_view port, std::string_view radioCode,
                             std::string_view pcCode);

}  // namespace tpw
