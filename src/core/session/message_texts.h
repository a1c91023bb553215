#pragma once

#include "image/translatable.h"

// Message texts and titles that more than one place shows. They are the program's own words,
// which users, dealers and their scripts recognise, so they stay exactly as written here,
// odd spellings included.
namespace tpw::msg {

inline constexpr const char* Complete = TPW_TEXT("Messages", "Complete!!");
// The capital O is how the program has always spelled it.
inline constexpr const char* CommunicationError = TPW_TEXT("Messages", "CommunicatiOn Error!!");
// The space before "!!" is part of both texts.
inline constexpr const char* ModelTypeError = TPW_TEXT("Messages", "ModelType Error !!");
inline constexpr const char* RegionUnmatched = TPW_TEXT("Messages", "Region Unmatched !!");
// What a reply the link cannot read at all is called.
inline constexpr const char* ReplyError = TPW_TEXT("Messages", "error!!");
inline constexpr const char* NoPort = TPW_TEXT("Messages", "There is no port that can be used!!");
inline constexpr const char* NoHelp = TPW_TEXT(
    "Messages", "Unable to display Help Contents. There is no Help associated with this project.");

// A typed value that cannot be taken: a frequency, an ATIS code.
inline constexpr const char* DataError = TPW_TEXT("Messages", "Data Error!!");
// A channel that cannot be kept as it stands: a blank name or an unusable frequency.
inline constexpr const char* InputCorrectData =
    TPW_TEXT("Messages", "Data Error!!\r\nPlease input correct data.");

// Titles of the transfers: the dialog's caption and the title of most of its messages.
inline constexpr const char* ReadCaption = TPW_TEXT("Messages", "Read from Radio");
inline constexpr const char* ProgramCaption = TPW_TEXT("Messages", "Program to Radio");
inline constexpr const char* ClearAtisCaption = TPW_TEXT("Messages", "Clear ATIS Data");
// The test of the cable and the port, and the title of what it found.
inline constexpr const char* TestConnectionCaption = TPW_TEXT("Messages", "Test Connection");
// A failed ATIS clear is titled with the words the other way round from the dialog's caption.
inline constexpr const char* ClearAtisFailureTitle = TPW_TEXT("Messages", "Clear Data ATIS");
// The title of a failed read during the model and product-code checks.
inline constexpr const char* ModelCheckTitle = TPW_TEXT("Messages", "Model Check");

}  // namespace tpw::msg
